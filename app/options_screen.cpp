#include "app/options_screen.h"

#include <array>
#include <memory>
#include <optional>
#include <span>

#include "app/menu_buttons.h"
#include "base/cp1251.h"
#include "game/game.h"
#include "game/option_table.h"
#include "gfx/check_box.h"
#include "gfx/letters.h"
#include "gfx/selector.h"
#include "gfx/surface_collection.h"
#include "gfx/up_down.h"
#include "net/net_table_loop.h"
#include "platform/file_dialog.h"

namespace {

// Where a rule's control stands and what it says; its kind and range come from the rule.
struct TOptionControlPlace {
  const TOptionRule* Rule;
  const char* Label;
  int Page;
  int Left;
  int TopLines;  // top = TopLines * h + TopPixels, h being the font's line height
  int TopPixels;
  int Width;                                  // a selector's comes from its text
  std::span<const char* const> Choices = {};  // a choice's names, by value from its minimum
  const char* Name = nullptr;                 // the control's name where it is not the rule's key
};

constexpr std::array kBarrelTypes{"БЕЗ БОЧКИ", "\"ОЧКОВАЯ\"", "ОТКРЫТАЯ"};

// In creation order, which is also the order presses are offered and controls drawn.
constexpr std::array<TOptionControlPlace, OptionCount> kOptionControls{{
    // rule, label, page, left, top lines and pixels, width
    {FindOptionRule("ISHOLE1"),               "Есть ли 1-я яма",         2,   14,  0,    72,    210},
    {FindOptionRule("HOLE1SCORE1"),           "Нижняя граница",          2,   29,  1,    77,    225},
    {FindOptionRule("HOLE1SCORE2"),           "Верхняя граница",         2,   29,  2,    82,    225},
    {FindOptionRule("ISHOLE2"),               "Есть ли 2-я яма",         2,   14,  3,    102,   210},
    {FindOptionRule("HOLE2SCORE1"),           "Нижняя граница",          2,   29,  4,    107,   225},
    {FindOptionRule("HOLE2SCORE2"),           "Верхняя граница",         2,   29,  5,    112,   225},
    {FindOptionRule("BARRELSTYPE"),           "Тип бочки:",              0,   14,  0,    74,    0, kBarrelTypes},
    {FindOptionRule("BARRELSSCORE"),          "Начало бочки",            0,   14,  1,    72,    245},
    {FindOptionRule("BARRELSATTEMPT"),        "К-во попыток (точек)",    0,   14,  2,    92,    245},
    {FindOptionRule("BARRELSCOUNT"),          "К-во бочек",              0,   14,  3,    97,    245},
    {FindOptionRule("BARRELSDOWNSCORE"),      "Сумма списания",          0,   14,  4,    102,   245},
    {FindOptionRule("ISONLYONEONBARREL"),     "Только 1 игрок на бочке", 0,   14,  5,    122,   245},
    {FindOptionRule("OPENBARRELLIMIT"),       "К-во точек ограничено",   0,   14,  6,    127,   245},
    {FindOptionRule("IS_BOLTS"),              "Болты включены",          1,   14,  0,    72,    210, {}, "ISBOLTS"},
    {FindOptionRule("BOLTSTOGODOWN"),         "К-во болтов",             1,   14,  1,    77,    245},
    {FindOptionRule("BOLTSDOWNSCORE"),        "Сумма списания",          1,   14,  2,    82,    245},
    {FindOptionRule("ISBOLTSINHOLES"),        "Болты в ямах",            1,   14,  3,    102,   245},
    {FindOptionRule("ISBOLTSBEFOREENTER"),    "Болты до открытия игры",  1,   14,  4,    107,   245},
    {FindOptionRule("ISBOLTSONBARREL"),       "Болты на бочке",          1,   14,  5,    112,   245},
    {FindOptionRule("NEEDENTERGAME"),         "Нужно открывать игру",    3,   14,  0,    72,    245},
    {FindOptionRule("ENTERSCORE"),            "Сумма открытия",          3,   29,  1,    77,    230},
    {FindOptionRule("DUMPTRUCKSCORE"),        "Самосвал",                3,   14,  2,    97,    245},
    {FindOptionRule("ISMORE1000"),            "Надо больше 1000 очков",  3,   14,  3,    102,   245},
    {FindOptionRule("OVERTAKINGSCORE"),       "Списание при обгоне",     3,   14,  4,    107,   245},
    {FindOptionRule("NEEDDICEFORALLZARNIKS"), "5 кубиков обяз. бросать", 3,   14,  5,    112,   245},
}};

// Every rule has one control, and every choice a name for each of its values.
static_assert([] {
  for (const TOptionRule& rule : OptionRules) {
    int places = 0;
    for (const TOptionControlPlace& place : kOptionControls) places += place.Rule == &rule ? 1 : 0;
    if (places != 1) return false;
  }
  for (const TOptionControlPlace& place : kOptionControls) {
    const bool isChoice = place.Rule->Special == TOptionSpecial::Choice;
    if (isChoice != !place.Choices.empty()) return false;
    if (isChoice && place.Choices.size() != static_cast<std::size_t>(place.Rule->Max - place.Rule->Min + 1)) return false;
  }
  return true;
}());

enum class TControlKind { CheckBox, UpDown, Selector };
using enum TControlKind;

TControlKind KindOf(const TOptionRule& rule) {
  if (rule.IsFlag()) return CheckBox;
  return rule.Special == TOptionSpecial::Choice ? Selector : UpDown;
}

std::string ControlName(const TOptionControlPlace& place) {
  return place.Name != nullptr ? place.Name : std::string(place.Rule->Key);
}

TSefraDXClass* PlacedControl(const TSefraControlCollection& controls, const TOptionControlPlace& place) {
  return controls.GetControl(controls.IndexOfName(ControlName(place)));
}

// A control's stops: an up-down's two arrows, or the whole of another control (a selector as
// far as its text goes). Those of a hidden control are there, empty, so the count never changes.
void AddControlStops(std::vector<TFocusStop>& stops, const TSefraDXClass* control, TControlKind kind, bool editable,
                     const TLettersCollection& letters) {
  const bool shown = control != nullptr && control->Visible();
  const bool pressable = shown && editable && control->State() == TWidgetState::wsNormal;
  if (kind == UpDown) {
    const auto* upDown = static_cast<const TSefraUpDown*>(control);
    for (const TSefraDXButton* arrow : {shown ? &upDown->UpButton() : nullptr, shown ? &upDown->DownButton() : nullptr})
      stops.push_back({arrow ? ButtonBox(*arrow) : TRect{}, pressable && arrow->State() != TWidgetState::wsDisabled});
    return;
  }
  if (!shown) {
    stops.push_back({{}, false});
    return;
  }
  TRect box{control->Left(), control->Top(), control->Width(), control->Height()};
  if (kind == Selector) box.Width = letters.TextWidth(static_cast<const TSefraSelector*>(control)->GetText());
  stops.push_back({box, pressable});
}

struct TOptionsPage {
  const char* Button;
  const char* Icon;
  const char* Title;
};

const std::array<TOptionsPage, 4> kOptionsPages{{
    {"BT_BARRELS", "BARREL", "&2БОЧКИ"},
    {"BT_BOLTS", "BOLT", "&2БОЛТЫ"},
    {"BT_YAMAS", "SPADE", "&2ЯМЫ"},
    {"BT_RAZNOE", "SCORE", "&2РАЗНОЕ"},
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

TFileDialogRequest RuleSetRequest(bool save, const std::string& folder) {
  return {save, save ? "Запись настроек" : "Чтение настроек", "Файлы настроек", "st", folder};
}

}  // namespace

void TOptionsScreen::BuildOptionControls() {
  OptionControls->Clear();
  const int h = Letters.LineHeight("1");
  for (const TOptionControlPlace& place : kOptionControls) {
    const TOptionRule& rule = *place.Rule;
    const int top = place.TopLines * h + place.TopPixels;
    const std::string label = Cp1251(place.Label);
    std::unique_ptr<TSefraDXClass> control;
    if (KindOf(rule) == CheckBox) {
      auto box = std::make_unique<TSefraCheckBox>(place.Left, top, place.Width, h);
      box->Caption = label;
      box->Letters = &Letters;
      control = std::move(box);
    } else if (KindOf(rule) == UpDown) {
      auto upDown = std::make_unique<TSefraUpDown>(place.Left, top, place.Width, h);
      upDown->Caption = label;
      upDown->Letters = &Letters;
      upDown->SetButtonImages("UP1", "UP2", "UP3", "UPM", "DOWN1", "DOWN2", "DOWN3", "DOWNM");
      upDown->SetMin(rule.Min);
      upDown->SetMax(rule.Max);
      upDown->Step = rule.Step;
      control = std::move(upDown);
    } else {
      auto selector = std::make_unique<TSefraSelector>(place.Left, top);
      selector->Caption = label;
      for (const char* choice : place.Choices) selector->Items.push_back(Cp1251(choice));
      selector->Letters = &Letters;
      selector->SetHeight(h);
      selector->SetWidth(Letters.TextWidth(selector->GetText()));
      control = std::move(selector);
    }
    control->SetImages(&Sprites);
    OptionControls->AddControl(ControlName(place), std::move(control));
  }
}

void TOptionsScreen::WriteOptionControls(const TGameOptions& options) {
  for (const TOptionControlPlace& place : kOptionControls) {
    TSefraDXClass* control = PlacedControl(*OptionControls, place);
    if (control == nullptr) continue;
    const TOptionRule& rule = *place.Rule;
    const std::int32_t value = rule.Get(options);
    if (KindOf(rule) == CheckBox) static_cast<TSefraCheckBox*>(control)->Checked = value != 0;
    if (KindOf(rule) == UpDown) static_cast<TSefraUpDown*>(control)->SetValue(value);
    if (KindOf(rule) == Selector) static_cast<TSefraSelector*>(control)->ItemIndex = value - rule.Min;
  }
}

TGameOptions TOptionsScreen::ReadOptionControls() const {
  TGameOptions options;
  for (const TOptionControlPlace& place : kOptionControls) {
    const TSefraDXClass* control = PlacedControl(*OptionControls, place);
    if (control == nullptr) continue;
    const TOptionRule& rule = *place.Rule;
    std::int32_t value = 0;
    if (KindOf(rule) == CheckBox) value = static_cast<const TSefraCheckBox*>(control)->Checked ? 1 : 0;
    if (KindOf(rule) == UpDown) value = static_cast<const TSefraUpDown*>(control)->Value();
    if (KindOf(rule) == Selector) value = static_cast<const TSefraSelector*>(control)->ItemIndex + rule.Min;
    rule.Set(options, value);
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
  for (const TOptionControlPlace& place : kOptionControls)
    if (place.Page == page)
      if (TSefraDXClass* control = PlacedControl(*OptionControls, place))
        control->SetVisible(true);
}

void TOptionsScreen::Open() {
  BuildMenuButtons(Buttons, kOptionsButtons, &Sprites);
  BuildOptionControls();
  WriteOptionControls(Game.Options());
  Refresh();
  ShowOptionsPage(0);
}

void TOptionsScreen::Refresh() {
  // Only the machine that runs a network game, between games, changes its rules.
  if (!Game.NetGame()) return;
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
        Game.SetOptions(ReadOptionControls());
        // The rules travel to the others only when they join: a host that changes them between
        // games tells every machine, or they would score the next game by the old ones.
        if (Game.NetGame() && Game.NetHost())
          Host.TableLoop().SendGameMessage(gmRules, Game.OptionsToString(), ISession::ToAll);
        leave = true;
      }
      if (name == "BT_CANCEL" || name == "BT_CLOSE") leave = true;
      if (name == "BT_RESET") WriteOptionControls(Game.Options());
      if (name == "BT_SAVE") SaveRuleSet();
      if (name == "BT_LOAD") LoadRuleSet();
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

void TOptionsScreen::SaveRuleSet() {
  const std::string file = Host.RunFileDialog(RuleSetRequest(true, DialogFolder));
  if (file.empty()) return;
  // The shown values go to the file; the game's rules stay as they were.
  SaveOptions(file, ReadOptionControls());
}

void TOptionsScreen::LoadRuleSet() {
  const std::string file = Host.RunFileDialog(RuleSetRequest(false, DialogFolder));
  if (file.empty()) return;
  // Only the controls show the file; the game's rules stay as they were.
  TGameOptions shown = Game.Options();
  LoadOptions(file, shown);
  WriteOptionControls(shown);
}

void TOptionsScreen::MouseDown(int x, int y) {
  if (PressButtonAt(Buttons, x, y)) return;
  if (Game.RulesEditable()) OptionControls->MouseDown(x, y, 0, 0);
}

std::vector<TFocusStop> TOptionsScreen::FocusStops() const {
  std::vector<TFocusStop> stops;
  for (const TOptionControlPlace& place : kOptionControls)
    AddControlStops(stops, PlacedControl(*OptionControls, place), KindOf(*place.Rule), Game.RulesEditable(), Letters);
  AddButtonStops(stops, Buttons, kOptionsButtons);
  return stops;
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
