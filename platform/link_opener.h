#pragma once

#include <string>
#include <string_view>

// Opens a banner's or a credit line's link with the desktop's default handler.
class ILinkOpener {
public:
  virtual ~ILinkOpener() = default;
  // `link` is Windows-1251 text, as the containers and the menus hold it.
  virtual void Open(const std::string& link) = 0;
};

// What the desktop is handed for a link (UTF-8): a link with a scheme ("http://...",
// "mailto:...") as it stands; one without names a file beside the executable, given as its
// full path. An empty link gives an empty result (nothing to open).
std::string ResolveLink(std::string_view link, const std::string& executableFolder);

// SDL_OpenURL, which hands the link to xdg-open; a failure to open cannot be told apart
// from success, so nothing is reported.
class TSdlLinkOpener final : public ILinkOpener {
public:
  explicit TSdlLinkOpener(std::string executableFolder) : FFolder(std::move(executableFolder)) {}
  void Open(const std::string& link) override;

private:
  std::string FFolder;
};
