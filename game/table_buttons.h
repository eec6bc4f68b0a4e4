#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

// The looks of a table button; the numbers are those of the drawn widgets' states.
enum class TButtonState : std::uint8_t { Normal = 0, Pressed = 1, Disabled = 2 };

// Ticks a pressed button shows its pressed look before its action runs.
inline constexpr int ButtonPressTicks = 5;

// A table button as the rules and the table step see it. The drawn widget of the window
// implements the same few calls, so swapping it in changes no rule.
class ITableButton {
public:
  virtual ~ITableButton() = default;
  virtual TButtonState State() const = 0;
  // Remembers the state it leaves, so that Clicked can tell a press that ran out.
  virtual void SetState(TButtonState state) = 0;
  virtual void SetPressTicks(int ticks) = 0;
  // Runs the pressed look down; true in the tick in which it ends (the button is then normal).
  virtual bool Tick() = 0;
  // True once after a press has run out.
  virtual bool Clicked() = 0;
};

// Enabling leaves a normal or pressed button as it is and makes a disabled one normal;
// disabling makes any button disabled.
void SetButtonEnabled(ITableButton& button, bool enabled);

// Shows the pressed look for ButtonPressTicks, whatever the state was.
void PressTableButton(ITableButton& button);

// The plain state holder used until (and wherever) no drawn widget stands in.
class TButtonStateHolder final : public ITableButton {
public:
  explicit TButtonStateHolder(TButtonState initial) : FState(initial), FPrevState(initial) {}
  TButtonState State() const override { return FState; }
  void SetState(TButtonState state) override;
  void SetPressTicks(int ticks) override { FPressTicks = ticks; }
  bool Tick() override;
  bool Clicked() override;

private:
  TButtonState FState;
  TButtonState FPrevState;
  int FPressTicks = 0;
};

// The four table buttons by name, in the order the table step asks them for clicks.
class TTableButtons {
public:
  static constexpr int Count = 4;
  static constexpr std::array<std::string_view, Count> Names{"BT_DO", "BT_CANCEL", "BT_START",
                                                             "BT_MENU"};
  enum TIndex { Do = 0, Cancel = 1, Start = 2, Menu = 3 };

  TTableButtons();

  ITableButton& operator[](TIndex index) { return *FButtons[index]; }
  const ITableButton& operator[](TIndex index) const { return *FButtons[index]; }
  // The button of a name (letter case ignored), or nullptr.
  ITableButton* Find(std::string_view name);

  // Puts another implementation in place of a button; it takes over the current state.
  void Replace(TIndex index, std::unique_ptr<ITableButton> button);

  // Ticks every button; true when at least one pressed look ended.
  bool Tick();

private:
  std::array<std::unique_ptr<ITableButton>, Count> FButtons;
};
