#include "tools/assetgen/manifest.h"

#include <sstream>
#include <stdexcept>

std::string TManifestLine::Tail(size_t first) const {
  std::string out;
  for (size_t i = first; i < Words.size(); ++i) {
    if (!out.empty()) out += ' ';
    out += Words[i];
  }
  return out;
}

std::vector<TManifestLine> ParseManifest(const std::string& text) {
  std::vector<TManifestLine> lines;
  std::istringstream in(text);
  std::string raw;
  for (int number = 1; std::getline(in, raw); ++number) {
    TManifestLine line;
    line.Number = number;
    std::istringstream words(raw);
    for (std::string word; words >> word;) line.Words.push_back(word);
    if (line.Words.empty() || line.Words.front().front() == '#') continue;
    lines.push_back(std::move(line));
  }
  return lines;
}

namespace {

std::string XmlEscaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace

std::string FillTemplate(const std::string& text,
                         const std::vector<std::pair<std::string, std::string>>& values) {
  std::string out;
  size_t pos = 0;
  for (;;) {
    const size_t open = text.find("{{", pos);
    if (open == std::string::npos) break;
    const size_t close = text.find("}}", open);
    if (close == std::string::npos) throw std::runtime_error("template has an unclosed {{");
    const std::string name = text.substr(open + 2, close - open - 2);
    const std::string* value = nullptr;
    for (const auto& [key, filled] : values)
      if (key == name) value = &filled;
    if (!value) throw std::runtime_error("template placeholder {{" + name + "}} has no value");
    out.append(text, pos, open - pos);
    out += XmlEscaped(*value);
    pos = close + 2;
  }
  out.append(text, pos);
  return out;
}
