#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Whole-file reading and writing with the game's own failure messages.
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

// The same replacement, telling nobody of a failure: for files the program keeps for itself.
bool ReplaceFileQuietly(const std::string& fileName, std::string_view bytes);
