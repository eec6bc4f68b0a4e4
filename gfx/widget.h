#pragma once

#include <cstdint>

class TSurface;
class TSurfaceSortCollection;

// The state also picks which of a widget's three images or fonts is used.
enum class TWidgetState : std::uint8_t { wsNormal = 0, wsPressed = 1, wsDisabled = 2 };
constexpr int WidgetStateCount = 3;

enum class TWidgetKind : std::uint8_t { wkButton = 0, wkUpDown = 1, wkCheckBox = 2, wkSelector = 3 };

// The base of the drawn widgets. Only a mouse press (in the coordinates of the surface that
// shows the widget) and the tick reach a widget; there is no hover, release or focus.
class TSefraDXClass {
public:
  virtual ~TSefraDXClass() = default;
  TSefraDXClass(const TSefraDXClass&) = delete;
  TSefraDXClass& operator=(const TSefraDXClass&) = delete;

  // Where image and mask names are looked up; not owned.
  virtual void SetImages(const TSurfaceSortCollection* images) { FImages = images; }
  virtual void SetState(TWidgetState state) { FState = state; }
  virtual void SetHeight(int value) { FHeight = value; }
  virtual void SetWidth(int value) { FWidth = value; }
  virtual void SetLeft(int value) { FLeft = value; }
  virtual void SetTop(int value) { FTop = value; }
  // True when the widget is visible, in wsNormal and the point lies in its box.
  virtual bool MouseDown(int x, int y);
  virtual void Draw(TSurface& target, int offsetX, int offsetY) const = 0;
  // Once per tick, from the control list.
  virtual void Update() {}

  TWidgetState State() const { return FState; }
  const TSurfaceSortCollection* Images() const { return FImages; }
  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool value) { FVisible = value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value) { FEnabled = value; }
  TWidgetKind Kind() const { return FKind; }

protected:
  explicit TSefraDXClass(TWidgetKind kind) : FKind(kind) {}
  // x from Left up to but excluding Left + Width, y likewise.
  bool InBox(int x, int y) const;

  TWidgetState FState = TWidgetState::wsNormal;
  const TSurfaceSortCollection* FImages = nullptr;
  int FLeft = 0;
  int FTop = 0;
  int FHeight = 0;
  int FWidth = 0;
  bool FVisible = true;
  bool FEnabled = true;
  TWidgetKind FKind;
};
