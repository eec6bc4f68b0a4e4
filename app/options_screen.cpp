#include "app/options_screen.h"

#include <array>
#include <memory>
#include <optional>
#include <variant>

#include "app/menu_buttons.h"
#include "game/game.h"
#include "gfx/check_box.h"
#include "gfx/cp1251.h"
#include "gfx/letters.h"
#include "gfx/selector.h"
#include "gfx/surface_collection.h"
#include "gfx/up_down.h"
#include "net/net_table_loop.h"
#include "platform/file_dialog.h"

namespace {

enum class TControlKind { CheckBox, UpDown, Selector };

using TOptionField =
    std::variant<bool TGameOptions::*, std::uint8_t TGameOptions::*, std::int32_t TGameOptions::*>;

// One control: its key, the field it edits, its label, its place (top = TopLines * h +
// TopPixels, h being the font's line height) and its range.
struct TOptionControlSpec {
  const char* Key;
  TControlKind Kind;
  TOptionField Field;
  const char* Label;
  int Left;
  int TopLines;
  int TopPixels;
  int Width;
  int Min = 0;
  int Max = 0;
  int Step = 0;
};

using enum TControlKind;
using O = TGameOptions;

// In creation order, which is also the order presses are offered and controls drawn.
const std::array<TOptionControlSpec, 25> kOptionControls{{
    {"ISHOLE1", CheckBox, &O::ISHOLE1, "Есть ли 1-я яма", 14, 0, 72, 210},
    {"HOLE1SCORE1", UpDown, &O::HOLE1SCORE1, "Нижняя граница", 29, 1, 77, 225, 50, 400, 5},
    {"HOLE1SCORE2", UpDown, &O::HOLE1SCORE2, "Верхняя граница", 29, 2, 82, 225, 100, 500, 5},
    {"ISHOLE2", CheckBox, &O::ISHOLE2, "Есть ли 2-я яма", 14, 3, 102, 210},
    {"HOLE2SCORE1", UpDown, &O::HOLE2SCORE1, "Нижняя граница", 29, 4, 107, 225, 500, 700, 5},
    {"HOLE2SCORE2", UpDown, &O::HOLE2SCORE2, "Верхняя граница", 29, 5, 112, 225, 550, 800, 5},
    {"BARRELSTYPE", Selector, &O::BARRELSTYPE, "Тип бочки:", 14, 0, 74, 0},
    {"BARRELSSCORE", UpDown, &O::BARRELSSCORE, "Начало бочки", 14, 1, 72, 245, 800, 990, 5},
    {"BARRELSATTEMPT", UpDown, &O::BARRELSATTEMPT, "К-во попыток (точек)", 14, 2, 92, 245, 1, 9, 1},
    {"BARRELSCOUNT", UpDown, &O::BARRELSCOUNT, "К-во бочек", 14, 3, 97, 245, 1, 9, 1},
    {"BARRELSDOWNSCORE", UpDown, &O::BARRELSDOWNSCORE, "Сумма списания", 14, 4, 102, 245, 0, 200, 5},
    {"ISONLYONEONBARREL", CheckBox, &O::ISONLYONEONBARREL, "Только 1 игрок на бочке", 14, 5, 122, 245},
    {"OPENBARRELLIMIT", CheckBox, &O::OPENBARRELLIMIT, "К-во точек ограничено", 14, 6, 127, 245},
    {"ISBOLTS", CheckBox, &O::IS_BOLTS, "Болты включены", 14, 0, 72, 210},
    {"BOLTSTOGODOWN", UpDown, &O::BOLTSTOGODOWN, "К-во болтов", 14, 1, 77, 245, 1, 9, 1},
    {"BOLTSDOWNSCORE", UpDown, &O::BOLTSDOWNSCORE, "Сумма списания", 14, 2, 82, 245, 5, 250, 5},
    {"ISBOLTSINHOLES", CheckBox, &O::ISBOLTSINHOLES, "Болты в ямах", 14, 3, 102, 245},
    {"ISBOLTSBEFOREENTER", CheckBox, &O::ISBOLTSBEFOREENTER, "Болты до открытия игры", 14, 4, 107, 245},
    {"ISBOLTSONBARREL", CheckBox, &O::ISBOLTSONBARREL, "Болты на бочке", 14, 5, 112, 245},
    {"NEEDENTERGAME", CheckBox, &O::NEEDENTERGAME, "Нужно открывать игру", 14, 0, 72, 245},
    {"ENTERSCORE", UpDown, &O::ENTERSCORE, "Сумма открытия", 29, 1, 77, 230, 5, 200, 5},
    {"DUMPTRUCKSCORE", UpDown, &O::DUMPTRUCKSCORE, "Самосвал", 14, 2, 97, 245, 5, 995, 5},
    {"ISMORE1000", CheckBox, &O::ISMORE1000, "Надо больше 1000 очков", 14, 3, 102, 245},
    {"OVERTAKINGSCORE", UpDown, &O::OVERTAKINGSCORE, "Списание при обгоне", 14, 4, 107, 245, 0, 150, 5},
    {"NEEDDICEFORALLZARNIKS", CheckBox, &O::NEEDDICEFORALLZARNIKS, "5 кубиков обяз. бросать", 14, 5, 112, 245},
}};

struct TOptionsPage {
  const char* Button;
  const char* Icon;
  const char* Title;
  std::array<const char*, 7> Controls;  // null past the page's last control
};

const std::array<TOptionsPage, 4> kOptionsPages{{
    {"BT_BARRELS", "BARREL", "&2БОЧКИ",
     {"BARRELSTYPE", "BARRELSSCORE", "BARRELSATTEMPT", "BARRELSCOUNT", "BARRELSDOWNSCORE", "ISONLYONEONBARREL",
      "OPENBARRELLIMIT"}},
    {"BT_BOLTS", "BOLT", "&2БОЛТЫ",
     {"ISBOLTS", "BOLTSTOGODOWN", "BOLTSDOWNSCORE", "ISBOLTSINHOLES", "ISBOLTSBEFOREENTER", "ISBOLTSONBARREL"}},
    {"BT_YAMAS", "SPADE", "&2ЯМЫ",
     {"ISHOLE1", "HOLE1SCORE1", "HOLE1SCORE2", "ISHOLE2", "HOLE2SCORE1", "HOLE2SCORE2"}},
    {"BT_RAZNOE", "SCORE", "&2РАЗНОЕ",
     {"NEEDENTERGAME", "ENTERSCORE", "DUMPTRUCKSCORE", "ISMORE1000", "OVERTAKINGSCORE", "NEEDDICEFORALLZARNIKS"}},
}};

constexpr std::array<TMenuButtonPlace, 10> kOptionsButtons{{
    {"BT_OK", "BT_OK|BT1_OK|BT2_OK", 274, 35},
    {"BT_CANCEL", "BT_CANCEL1|BT_CANCEL2|BT_CANCEL3", 274, 67},
    {"BT_SAVE", "BT_SAVE1|BT_SAVE2|BT_SAVE3", 274, 99},
    {"BT_LOAD", "BT_LOAD1|BT_LOAD2|BT_LOAD3", 274, 131},
    {"BT_RESET", "BT_RESET1|BT_RESET2|BT_RESET3", 274, 163},
    {"BT_BARRELS", "BT_BARRELS1|BT_BARRELS2|BT_BARRELS3", 274, 208},
    {"BT_BOLTS", "BT_BOLTS1|BT_BOLTS2|BT_BOLTS3", 274, 240},
    {"BT_YAMAS", "BT_YAMA1|BT_YAMA2|BT_YAMA3", 274, 272},
    {"BT_RAZNOE", "BT_RAZNOE1|BT_RAZNOE2|BT_RAZNOE3", 274, 304},
    {"BT_CLOSE", "BT_CLOSE1|BT_CLOSE2|BT_CLOSE3", 358, 6},
}};

std::int32_t FieldValue(const TGameOptions& options, const TOptionField& field) {
  return std::visit([&options](auto member) { return static_cast<std::int32_t>(options.*member); }, field);
}

// The 8-bit fields take the low byte, the Boolean ones any non-zero value as true.
void SetField(TGameOptions& options, const TOptionField& field, std::int32_t value) {
  std::visit(
      [&options, value](auto member) {
        using TValue = std::remove_reference_t<decltype(options.*member)>;
        options.*member = static_cast<TValue>(value);
      },
      field);
}

TFileDialogRequest RuleSetRequest(bool save, const std::string& folder) {
  return {save, save ? "Запись настроек" : "Чтение настроек", "Файлы настроек", "st", folder};
}

}  // namespace

void TOptionsScreen::BuildOptionControls() {
  OptionControls->Clear();
  const int h = Letters.LineHeight("1");
  for (const TOptionControlSpec& place : kOptionControls) {
    const int top = place.TopLines * h + place.TopPixels;
    const std::string label = Cp1251(place.Label);
    std::unique_ptr<TSefraDXClass> control;
    if (place.Kind == CheckBox) {
      auto box = std::make_unique<TSefraCheckBox>(place.Left, top, place.Width, h);
      box->Caption = label;
      box->Letters = &Letters;
      control = std::move(box);
    } else if (place.Kind == UpDown) {
      auto upDown = std::make_unique<TSefraUpDown>(place.Left, top, place.Width, h);
      upDown->Caption = label;
      upDown->Letters = &Letters;
      upDown->SetButtonImages("UP1", "UP2", "UP3", "UPM", "DOWN1", "DOWN2", "DOWN3", "DOWNM");
      upDown->SetMin(place.Min);
      upDown->SetMax(place.Max);
      upDown->Step = place.Step;
      control = std::move(upDown);
    } else {
      auto selector = std::make_unique<TSefraSelector>(place.Left, top);
      selector->Caption = label;
      selector->Items = {Cp1251("БЕЗ БОЧКИ"), Cp1251("\"ОЧКОВАЯ\""), Cp1251("ОТКРЫТАЯ")};
      selector->Letters = &Letters;
      selector->SetHeight(h);
      selector->SetWidth(Letters.TextWidth(selector->GetText()));
      control = std::move(selector);
    }
    control->SetImages(&Sprites);
    OptionControls->AddControl(place.Key, std::move(control));
  }
}

void TOptionsScreen::WriteOptionControls(const TGameOptions& options) {
  for (const TOptionControlSpec& place : kOptionControls) {
    TSefraDXClass* control = OptionControls->GetControl(OptionControls->IndexOfName(place.Key));
    if (control == nullptr) continue;
    const std::int32_t value = FieldValue(options, place.Field);
    if (place.Kind == CheckBox) static_cast<TSefraCheckBox*>(control)->Checked = value != 0;
    if (place.Kind == UpDown) static_cast<TSefraUpDown*>(control)->SetValue(value);
    if (place.Kind == Selector) static_cast<TSefraSelector*>(control)->ItemIndex = value;
  }
}

TGameOptions TOptionsScreen::ReadOptionControls() const {
  TGameOptions options;
  for (const TOptionControlSpec& place : kOptionControls) {
    const TSefraDXClass* control = OptionControls->GetControl(OptionControls->IndexOfName(place.Key));
    if (control == nullptr) continue;
    std::int32_t value = 0;
    if (place.Kind == CheckBox) value = static_cast<const TSefraCheckBox*>(control)->Checked ? 1 : 0;
    if (place.Kind == UpDown) value = static_cast<const TSefraUpDown*>(control)->Value();
    if (place.Kind == Selector) value = static_cast<const TSefraSelector*>(control)->ItemIndex;
    SetField(options, place.Field, value);
  }
  return options;
}

TOptionsScreen::TOptionsScreen(const TScreenContext& context)
    : TScreenContext(context), OptionControls(std::make_unique<TSefraControlCollection>()) {}

void TOptionsScreen::ShowOptionsPage(int page) {
  if (page < 0 || page >= static_cast<int>(kOptionsPages.size())) return;
  OptionsPage = static_cast<std::uint8_t>(page);
  for (const TOptionsPage& each : kOptionsPages)
    if (TSefraDXButton* button = Buttons.FindButton(each.Button)) button->SetState(TWidgetState::wsNormal);
  if (TSefraDXButton* button = Buttons.FindButton(kOptionsPages[page].Button))
    button->SetState(TWidgetState::wsDisabled);
  for (int i = 0; i < OptionControls->Count(); ++i) OptionControls->GetControl(i)->SetVisible(false);
  for (const char* key : kOptionsPages[page].Controls)
    if (key != nullptr)
      if (TSefraDXClass* control = OptionControls->GetControl(OptionControls->IndexOfName(key)))
        control->SetVisible(true);
}

void TOptionsScreen::Open() {
  BuildMenuButtons(Buttons, kOptionsButtons, &Sprites);
  BuildOptionControls();
  WriteOptionControls(Game.Options);
  Refresh();
  ShowOptionsPage(0);
}

void TOptionsScreen::Refresh() {
  // Only the machine that runs a network game, between games, changes its rules.
  if (!Game.FNetGame) return;
  const bool mayChange = Game.RulesEditable();
  for (const char* name : {"BT_OK", "BT_LOAD", "BT_RESET"})
    if (TSefraDXButton* button = Buttons.FindButton(name))
      button->SetState(mayChange ? TWidgetState::wsNormal : TWidgetState::wsDisabled);
}

void TOptionsScreen::Step() {
  bool leave = false;
  if (Buttons.Tick()) {
    for (int i = 0; i < Buttons.Count(); ++i) {
      if (!Buttons.GetButton(i)->Clicked()) continue;
      const std::string& name = Buttons.GetName(i);
      if (name == "BT_OK") {
        Game.Options = ReadOptionControls();
        // The rules travel to the others only when they join: a host that changes them between
        // games tells every machine, or they would score the next game by the old ones.
        if (Game.FNetGame && Game.FNetHost)
          Host.TableLoop().SendGameMessage(gmRules, Game.OptionsToString(), ISession::ToAll);
        leave = true;
      }
      if (name == "BT_CANCEL" || name == "BT_CLOSE") leave = true;
      if (name == "BT_RESET") WriteOptionControls(Game.Options);
      if (name == "BT_SAVE") SaveOptions();
      if (name == "BT_LOAD") LoadOptions();
      for (int page = 0; page < static_cast<int>(kOptionsPages.size()); ++page)
        if (name == kOptionsPages[page].Button) ShowOptionsPage(page);
    }
  }
  OptionControls->Update();
  if (leave) {
    OptionControls->Clear();
    Host.SetScreen(TScreenKind::skMainMenu);
  }
}

void TOptionsScreen::SaveOptions() {
  const std::string file = Host.RunFileDialog(RuleSetRequest(true, DialogFolder));
  if (file.empty()) return;
  // The shown values go to the file; the game's rules stay as they were.
  const TGameOptions kept = Game.Options;
  Game.Options = ReadOptionControls();
  Game.SaveOptions(file);
  Game.Options = kept;
}

void TOptionsScreen::LoadOptions() {
  const std::string file = Host.RunFileDialog(RuleSetRequest(false, DialogFolder));
  if (file.empty()) return;
  const TGameOptions kept = Game.Options;
  Game.LoadOptions(file);
  WriteOptionControls(Game.Options);
  Game.Options = kept;
}

void TOptionsScreen::MouseDown(int x, int y) {
  if (PressButtonAt(Buttons, x, y)) return;
  if (Game.RulesEditable()) OptionControls->MouseDown(x, y, 0, 0);
}

void TOptionsScreen::Paint(TSurface& overlay) {
  if (const TSurface* back = Sprites.FindSurface("OPTIONS")) overlay.Draw(0, 0, *back, false);
  if (OptionsPage < kOptionsPages.size()) {
    const TOptionsPage& page = kOptionsPages[OptionsPage];
    const TPlace icon = TOptionsZones::PageIcon;
    const TPlace title = TOptionsZones::PageTitle;
    if (const TSurface* picture = Sprites.FindSurface(page.Icon)) overlay.Draw(icon.X, icon.Y, *picture, true);
    Letters.DrawLine(overlay, title.X, title.Y, Cp1251(page.Title), TLetterAlign::laLeft, TLetterAlign::laCenter);
  }
  OptionControls->Draw(overlay, 0, 0);
  Buttons.Draw(overlay, 0, 0);
}
