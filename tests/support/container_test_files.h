#pragma once

#include <fstream>
#include <iterator>
#include <string>

#include "gfx/container_records.h"

inline std::string ReadWholeFile(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// One container record: key length, key, data length, data.
inline std::string ContainerRecord(std::string_view key, std::string_view data) {
  const auto length = [](std::size_t size) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((size >> (8 * i)) & 0xFF);
    return bytes;
  };
  return length(key.size()) + std::string(key) + length(data.size()) + std::string(data);
}

// A banner container holding only the first banner of `fileName`.
inline std::string FirstBannerOf(const std::string& fileName) {
  const std::string bytes = ReadWholeFile(fileName);
  const auto records = SplitContainer(bytes, fileName);
  return records.empty() ? std::string() : ContainerRecord(records[0].Key, records[0].Data);
}
