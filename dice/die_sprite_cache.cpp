#include "dice/die_sprite_cache.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "base/image.h"
#include "dice/dice_scene.h"
#include "dice/die_sprites.h"
#include "gfx/file_io.h"
#include "gfx/surface_collection.h"

namespace {

constexpr std::string_view kMagic = "THOUSAND DIE SPRITES 1\n";
constexpr std::size_t kSpritePixels = static_cast<std::size_t>(DieSpriteWidth) * DieSpriteHeight;
constexpr std::size_t kSpriteBytes = kSpritePixels * sizeof(std::uint32_t);

// The header: the magic, then the key with its length in front.
std::string Header(const std::string& key) {
  std::string header(kMagic);
  const auto length = static_cast<std::uint32_t>(key.size());
  for (int shift = 0; shift < 32; shift += 8) header.push_back(static_cast<char>((length >> shift) & 0xFF));
  return header + key;
}

// Every sprite of the sheet in file order: faces 1 to 6, each in all its frames.
template <typename TVisit>
void ForEachSprite(TVisit visit) {
  for (int face = 1; face <= 6; ++face)
    for (int frame = 0; frame < DieSpriteFrames; ++frame) visit(DieSpriteName(face, frame));
}

}  // namespace

bool ReadDieSpriteCache(const std::string& fileName, const std::string& key, TSurfaceSortCollection& sprites) {
  sprites.Clear();
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return false;
  const std::string header = Header(key);
  std::string read(header.size(), '\0');
  if (!in.read(read.data(), static_cast<std::streamsize>(read.size())) || read != header) return false;
  TImage image{DieSpriteWidth, DieSpriteHeight, std::vector<std::uint32_t>(kSpritePixels)};
  bool whole = true;
  ForEachSprite([&](const std::string& name) {
    if (!whole) return;
    whole = static_cast<bool>(in.read(reinterpret_cast<char*>(image.Pixels.data()), kSpriteBytes));
    if (whole) sprites.AddSurface(name, image);
  });
  // Nothing may follow the sheet: a longer file is not one this program wrote.
  if (!whole || in.peek() != std::ifstream::traits_type::eof()) {
    sprites.Clear();
    return false;
  }
  return true;
}

bool WriteDieSpriteCache(const std::string& fileName, const std::string& key, const TSurfaceSortCollection& sprites) {
  std::string bytes = Header(key);
  std::vector<std::uint32_t> pixels(kSpritePixels);
  bool whole = true;
  ForEachSprite([&](const std::string& name) {
    const TSurface* sprite = sprites.FindSurface(name);
    whole = whole && sprite && sprite->Width() == DieSpriteWidth && sprite->Height() == DieSpriteHeight;
    if (!whole) return;
    sprite->ReadPixels(pixels.data());
    bytes.append(reinterpret_cast<const char*>(pixels.data()), kSpriteBytes);
  });
  if (!whole) return false;
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(fileName).parent_path(), ignored);
  return ReplaceFileQuietly(fileName, bytes);
}
