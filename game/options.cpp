#include "game/options.h"

#include "base/byte_codec.h"

const std::array<std::string_view, OptionCount> OptionKeys = {
    "IS_BOLTS",          "BOLTSTOGODOWN",         "BOLTSDOWNSCORE",   "ISBOLTSINHOLES",
    "ISBOLTSBEFOREENTER", "ISBOLTSONBARREL",      "BARRELSTYPE",      "BARRELSSCORE",
    "BARRELSATTEMPT",    "BARRELSCOUNT",          "BARRELSDOWNSCORE", "ISONLYONEONBARREL",
    "OPENBARRELLIMIT",   "ISHOLE1",               "HOLE1SCORE1",      "HOLE1SCORE2",
    "ISHOLE2",           "HOLE2SCORE1",           "HOLE2SCORE2",      "NEEDENTERGAME",
    "ENTERSCORE",        "DUMPTRUCKSCORE",        "ISMORE1000",       "OVERTAKINGSCORE",
    "NEEDDICEFORALLZARNIKS"};

std::array<std::int32_t, OptionCount> OptionValues(const TGameOptions& o) {
  return {o.IS_BOLTS,          o.BOLTSTOGODOWN,      o.BOLTSDOWNSCORE,   o.ISBOLTSINHOLES,
          o.ISBOLTSBEFOREENTER, o.ISBOLTSONBARREL,   o.BARRELSTYPE,      o.BARRELSSCORE,
          o.BARRELSATTEMPT,    o.BARRELSCOUNT,       o.BARRELSDOWNSCORE, o.ISONLYONEONBARREL,
          o.OPENBARRELLIMIT,   o.ISHOLE1,            o.HOLE1SCORE1,      o.HOLE1SCORE2,
          o.ISHOLE2,           o.HOLE2SCORE1,        o.HOLE2SCORE2,      o.NEEDENTERGAME,
          o.ENTERSCORE,        o.DUMPTRUCKSCORE,     o.ISMORE1000,       o.OVERTAKINGSCORE,
          o.NEEDDICEFORALLZARNIKS};
}

std::string FormatOptionLines(const TGameOptions& options) {
  const auto values = OptionValues(options);
  std::string lines;
  for (std::size_t i = 0; i < OptionCount; ++i) {
    lines.append(OptionKeys[i]).append("=").append(std::to_string(values[i])).append("\n");
  }
  return lines;
}

namespace {

class TPackedWriter {
public:
  void Bool(bool value) { FText += value ? '1' : '0'; }
  void Byte(std::uint8_t value) { FText += static_cast<char>(value); }
  void Int(std::int32_t value) { FText += IntToBin4(value); }
  std::string Text() && { return std::move(FText); }

private:
  std::string FText;
};

// Reads fields in order; what lies past the end of the text reads as zero bytes.
class TPackedReader {
public:
  explicit TPackedReader(std::string_view text) : FText(text) {}
  bool Bool() { return Take(1) == "1"; }
  std::uint8_t Byte() {
    const std::string_view byte = Take(1);
    return byte.empty() ? 0 : static_cast<std::uint8_t>(byte[0]);
  }
  std::int32_t Int() { return Bin4ToInt(Take(4)); }

private:
  std::string_view Take(std::size_t size) {
    const std::string_view field = FText.substr(std::min(FOffset, FText.size()), size);
    FOffset += size;
    return field;
  }
  std::string_view FText;
  std::size_t FOffset = 0;
};

}  // namespace

std::string OptionsToString(const TGameOptions& o) {
  TPackedWriter w;
  w.Bool(o.IS_BOLTS);
  w.Byte(o.BOLTSTOGODOWN);
  w.Int(o.BOLTSDOWNSCORE);
  w.Bool(o.ISBOLTSINHOLES);
  w.Bool(o.ISBOLTSBEFOREENTER);
  w.Bool(o.ISBOLTSONBARREL);
  w.Byte(o.BARRELSTYPE);
  w.Int(o.BARRELSSCORE);
  w.Byte(o.BARRELSATTEMPT);
  w.Byte(o.BARRELSCOUNT);
  w.Int(o.BARRELSDOWNSCORE);
  w.Bool(o.ISONLYONEONBARREL);
  w.Bool(o.OPENBARRELLIMIT);
  w.Bool(o.ISHOLE1);
  w.Int(o.HOLE1SCORE1);
  w.Int(o.HOLE1SCORE2);
  w.Bool(o.ISHOLE2);
  w.Int(o.HOLE2SCORE1);
  w.Int(o.HOLE2SCORE2);
  w.Bool(o.NEEDENTERGAME);
  w.Int(o.ENTERSCORE);
  w.Int(o.DUMPTRUCKSCORE);
  w.Bool(o.ISMORE1000);
  w.Int(o.OVERTAKINGSCORE);
  w.Bool(o.NEEDDICEFORALLZARNIKS);
  return std::move(w).Text();
}

TGameOptions OptionsFromString(std::string_view packed) {
  TPackedReader r(packed);
  TGameOptions o;
  o.IS_BOLTS = r.Bool();
  o.BOLTSTOGODOWN = r.Byte();
  o.BOLTSDOWNSCORE = r.Int();
  o.ISBOLTSINHOLES = r.Bool();
  o.ISBOLTSBEFOREENTER = r.Bool();
  o.ISBOLTSONBARREL = r.Bool();
  o.BARRELSTYPE = r.Byte();
  o.BARRELSSCORE = r.Int();
  o.BARRELSATTEMPT = r.Byte();
  o.BARRELSCOUNT = r.Byte();
  o.BARRELSDOWNSCORE = static_cast<std::uint8_t>(r.Int());  // low 8 bits
  o.ISONLYONEONBARREL = r.Bool();
  o.OPENBARRELLIMIT = r.Bool();
  o.ISHOLE1 = r.Bool();
  o.HOLE1SCORE1 = r.Int();
  o.HOLE1SCORE2 = r.Int();
  o.ISHOLE2 = r.Bool();
  o.HOLE2SCORE1 = r.Int();
  o.HOLE2SCORE2 = r.Int();
  o.NEEDENTERGAME = r.Bool();
  o.ENTERSCORE = r.Int();
  o.DUMPTRUCKSCORE = r.Int();
  o.ISMORE1000 = r.Bool();
  o.OVERTAKINGSCORE = static_cast<std::uint8_t>(r.Int());  // low 8 bits
  o.NEEDDICEFORALLZARNIKS = r.Bool();
  return o;
}
