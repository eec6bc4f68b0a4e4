// Texts with colour markup measured and drawn with bitmap fonts, as the message panel, the
// menus and the widgets draw whatever a player typed or a peer sent. The fonts have glyphs
// of different sizes for some codes only, so missing glyphs are met too.
#include "base/image.h"
#include "fuzz/fuzz_input.h"
#include "gfx/letters.h"
#include "platform/surface.h"

namespace {

TImage GlyphImage(int code) {
  TImage image;
  image.Width = 1 + code % 7;
  image.Height = 2 + code % 5;
  image.Pixels.assign(static_cast<std::size_t>(image.Width) * image.Height, 0xFFFFFF);
  return image;
}

const TLettersCollection& Fonts() {
  static const TLettersCollection* letters = [] {
    auto* built = new TLettersCollection;
    for (int font = 0; font < StandardFontCount; ++font)
      for (int code = 32; code < 256; code += 1 + font)
        built->AddGlyph(font, std::to_string(code), GlyphImage(code), StandardFontStyle(font, 32));
    return built;
  }();
  return *letters;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TSurface target;
  if (target.Width() == 0 && !target.SetSize(64, 48)) __builtin_trap();
  const TLettersCollection& letters = Fonts();

  TFuzzInput input(data, size);
  const auto horizontal = static_cast<TLetterAlign>(input.Byte() % 5);
  const auto vertical = static_cast<TLetterAlign>(input.Byte() % 5);
  const int x = static_cast<std::int8_t>(input.Byte());
  const int y = static_cast<std::int8_t>(input.Byte());
  const int spacing = static_cast<std::int8_t>(input.Byte());
  const std::string_view text = input.Rest();

  int lines = 0;
  for (const std::string_view line : TLettersCollection::SplitLines(text)) {
    ++lines;
    for (const int glyph : letters.TextToGlyphs(line))
      FUZZ_CHECK(glyph == -1 || (glyph >= 0 && glyph < letters.Count()));
    FUZZ_CHECK(letters.TextWidth(line) >= 0);
    letters.LineHeight(line);
  }
  FUZZ_CHECK(lines >= 1 || text.empty());
  letters.TextHeight(text, spacing);
  target.Fill(0);
  letters.DrawText(target, x, y, text, horizontal, vertical, spacing);
  return 0;
}
