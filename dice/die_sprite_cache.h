#pragma once

#include <string>

class TSurfaceSortCollection;

// The cache's file name in the user's cache folder.
inline constexpr const char* DieSpriteCacheFileName = "die_sprites.cache";

// The die sprite sheet kept on disk between runs: rendering it is a large part of the start on
// a software renderer and loads OpenGL, which a start from the cache does without. It changes
// with the program, which `key` names; renderers differ in it only in the last bits of shading,
// and asking which one draws would load it. Nothing here shows a message: a cache that cannot
// be used is rendered anew.

// Fills `sprites` (emptied first) from the file; false, with `sprites` left empty, for a file
// that is missing, made under another key, cut short or longer than a sheet.
bool ReadDieSpriteCache(const std::string& fileName, const std::string& key, TSurfaceSortCollection& sprites);
// Writes the sheet under a temporary name in the same folder and renames it over the file, so
// that a reader never sees half of one; the folder is made when missing. False when the sheet
// is not whole or the file cannot be written.
bool WriteDieSpriteCache(const std::string& fileName, const std::string& key, const TSurfaceSortCollection& sprites);
