#include "platform/link_opener.h"

#include <SDL.h>

#include <cctype>
#include <filesystem>

#include "base/cp1251.h"

namespace {

// A URI scheme: a letter, then letters, digits, "+", "-" or ".", then ":". One letter alone
// is not taken for a scheme, so "C:..." stays a file name.
bool HasScheme(std::string_view link) {
  const std::size_t colon = link.find(':');
  if (colon == std::string_view::npos || colon < 2) return false;
  if (!std::isalpha(static_cast<unsigned char>(link[0]))) return false;
  for (std::size_t i = 1; i < colon; ++i) {
    const unsigned char c = static_cast<unsigned char>(link[i]);
    if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') return false;
  }
  return true;
}

}  // namespace

std::string ResolveLink(std::string_view link, const std::string& executableFolder) {
  const std::string text = Utf8(link);
  if (text.empty() || HasScheme(text)) return text;
  return (std::filesystem::path(executableFolder) / text).lexically_normal().string();
}

void TSdlLinkOpener::Open(const std::string& link) {
  const std::string target = ResolveLink(link, FFolder);
  if (!target.empty()) SDL_OpenURL(target.c_str());
}
