#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Whole-file reading and writing with the game's own failure messages, the 4-byte integer
// codec of every binary format, the program's version and the machine's network address.
//
// File names are the system's own (UTF-8 on Linux) and are used unchanged: relative names
// resolve against the current directory. The file functions report their failures
// themselves through MessageBox() (texts in Windows-1251) and then give nothing/false;
// callers only test the result.

// Reads the file in blocks of 4,096 bytes. With a limit other than 0 it stops once at least
// `limit` bytes are read; the last block is kept whole, so up to 4,095 bytes more may come.
// A missing file gives nothing without a message; a read error shows
// "Ошибка чтения файла <name>" and gives nothing.
std::optional<std::string> ReadFileToString(const std::string& fileName, std::size_t limit = 0);

// The same reading without a limit; every non-empty block is one entry (callers join them).
std::optional<std::vector<std::string>> ReadFileToBlocks(const std::string& fileName);

// Replaces the file with `bytes` (an empty input leaves an empty file). The bytes go to a
// temporary file in the same folder, which is flushed and renamed over the target, so a
// failed write never loses the previous file. A failure shows
// "Ошибка записи в файл <name>" and gives false.
bool WriteStringToFile(const std::string& fileName, std::string_view bytes);

// Four bytes, least significant first.
std::string IntToBin4(std::int32_t value);

// Reads the last four bytes of `bytes` least significant first; a shorter input counts as if
// zero bytes stood in front of it (so "\x01\x02" gives 0x02010000).
std::int32_t Bin4ToInt(std::string_view bytes);

struct TFileVersion {
  int Major = 0;
  int Minor = 0;
  int Release = 0;
  int Build = 0;
};

// The version compiled into this program (the build's project version, four numbers).
TFileVersion GetFileVersion();

// The first IPv4 address, in dotted decimal, of a network interface that is up and is not
// the loopback; failing that the first address the host name resolves to; else empty.
std::string GetLocalAddress();
