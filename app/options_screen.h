#pragma once

#include <cstdint>
#include <memory>

#include "app/menu_screen.h"
#include "app/screen_zone.h"
#include "game/options.h"
#include "gfx/control_collection.h"

// The options editor's places, in the overlay's pixels (its controls keep theirs in their table).
struct TOptionsZones {
  static constexpr TRect Overlay{109, 30, 382, 345};  // in the window
  static constexpr TPlace PageIcon{89, 35};
  static constexpr TPlace PageTitle{129, 52};
};

// The rule options editor: the house rules on four pages of drawn controls, applied to the
// game only on OK; rule-set files are saved from and loaded into the controls alone.
class TOptionsScreen final : public IMenuScreen, private TScreenContext {
public:
  explicit TOptionsScreen(const TScreenContext& context);

  TScreenKind Kind() const override { return TScreenKind::skOptions; }
  TRect Bounds() const override { return TOptionsZones::Overlay; }
  void Open() override;
  void Step() override;
  void Paint(TSurface& overlay) override;
  void MouseDown(int x, int y) override;
  // The shown page's controls from the top (an up-down's two arrows apart), the buttons, the
  // close box.
  std::vector<TFocusStop> FocusStops() const override;

  void BuildOptionControls();
  void WriteOptionControls(const TGameOptions& options);
  TGameOptions ReadOptionControls() const;
  void ShowOptionsPage(int page);

  std::unique_ptr<TSefraControlCollection> OptionControls;
  std::uint8_t OptionsPage = 0;

private:
  void Refresh();
  void SaveRuleSet();
  void LoadRuleSet();
};
