#pragma once

#include <string>
#include <vector>

// The pipeline's manifests are UTF-8 text: one entry a line, words separated by spaces,
// "#" starting a comment line, blank lines ignored.
struct TManifestLine {
  int Number = 0;  // line number in the file, for messages
  std::vector<std::string> Words;

  // The words from index first on, joined by single spaces (a label with spaces).
  std::string Tail(size_t first) const;
};

std::vector<TManifestLine> ParseManifest(const std::string& text);

// Fills every "{{NAME}}" of a template with its value, XML-escaped; an unknown or unfilled
// placeholder is an error, so a typo cannot leave raw braces in a picture.
std::string FillTemplate(const std::string& text,
                         const std::vector<std::pair<std::string, std::string>>& values);
