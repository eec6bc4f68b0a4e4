#pragma once

#include <string>
#include <vector>

#include "tools/col_writer.h"

// The records of "graph.col" from a sprite manifest (see graph_gen.cpp for its entries), in
// manifest order. With a preview folder every image is also written there as NAME.png.
// Throws std::runtime_error naming the manifest line of a bad entry.
std::vector<TColRecord> BuildGraphRecords(const std::string& manifestPath,
                                          const std::string& previewDir = {});

// The folder part of a path ("." for a bare file name).
std::string DirectoryOf(const std::string& path);
