#pragma once

#include <string>
#include <vector>

#include "tools/col_writer.h"

// The records of "rekl.col" from a banner manifest (see banner_gen.cpp for its entries), in
// rotation order. With a preview folder every frame is also written there as FILE-N.png.
// Throws std::runtime_error naming the manifest line of a bad entry.
std::vector<TColRecord> BuildBannerRecords(const std::string& manifestPath,
                                           const std::string& previewDir = {});
