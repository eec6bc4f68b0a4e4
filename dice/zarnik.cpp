#include "dice/zarnik.h"

#include <cmath>

#include "dice/drop_steps.h"
#include "game/random.h"

namespace {

constexpr float kRestHeight = 1.5f;
constexpr float kGravity = 0.02f;
constexpr float kStartSpeed = -0.25f;  // a thrown die first rises
constexpr float kBounceEnd = 0.15f;
// A throw starts its die this high, plus up to this much.
constexpr float kThrowHeight = 5.5f;
constexpr float kThrowHeightRange = 4;

// The fall of a thrown die, counted without stepping: a throw, and every throw the rules lab
// settles, would otherwise step it twice.
const TDropSteps& ThrowFall() {
  static const TDropSteps table(kGravity, kStartSpeed, 0, kBounceEnd, kThrowHeight - kRestHeight,
                                kThrowHeight + kThrowHeightRange - kRestHeight);
  return table;
}
const TDropSteps& ThrowLanding() {
  static const TDropSteps table(kGravity, kStartSpeed, kRestHeight, kBounceEnd, kThrowHeight,
                                kThrowHeight + kThrowHeightRange);
  return table;
}

// A die upright on a face: AngleX, and the angle about the other axis that is not its
// vertical one (AngleY for faces 1 and 6, which turn about Z; AngleZ for the others).
struct TUpright {
  float X;
  float Other;
};
constexpr TUpright kUpright[7] = {{0, 0}, {90, 180}, {0, 90}, {0, 0}, {0, 180}, {180, 90}, {90, 0}};

float WrapOnce(float angle) {
  if (angle > 180) angle -= 360;
  if (angle < -180) angle += 360;
  return angle;
}

}  // namespace

int FallStepCount(float accel, float speed, float height) {
  if (height < 0) return 0;
  const TTouch touch = SteppedTouch(accel, speed, 0, height);
  return touch.Step + SteppedBounces(accel, touch.Speed, kBounceEnd);
}

TZarnik::TZarnik() : AngleY(static_cast<float>(Rng().Random(360) - 180)) {}

void TZarnik::StandUpright(float freeAngle) {
  const TUpright& upright = kUpright[Face];
  AngleX = upright.X;
  // Chosen without branching: the face is random, so a branch would be guessed wrong often.
  const bool aboutZ = SpinsAboutZ();
  AngleY = aboutZ ? upright.Other : freeAngle;
  AngleZ = aboutZ ? freeAngle : upright.Other;
}

void TZarnik::SetUprightAngles() {
  if (ValidFace(Face)) StandUpright(SpinsAboutZ() ? AngleZ : AngleY);
}

void TZarnik::SetPose(int face) {
  Face = static_cast<std::uint8_t>(face);
  if (!ValidFace(face)) return;
  const float turn = static_cast<float>(30 + 90 * Rng().Random(3));
  StandUpright(face <= 4 ? -turn : turn);
}

void TZarnik::SetSpin(float sx, float sy, float sz) {
  SpinX = sx;
  SpinY = sy;
  SpinZ = sz;
}

void TZarnik::SetVerticalSpin(float speed) {
  SetSpin(0, 0, 0);
  switch (Face) {
    case 1: SpinZ = -speed; break;
    case 2: case 3: case 4: SpinY = -speed; break;
    case 5: SpinY = speed; break;
    case 6: SpinZ = speed; break;
    default: break;
  }
}

void TZarnik::Turn() {
  AngleX = WrapOnce(AngleX + SpinX);
  AngleY = WrapOnce(AngleY + SpinY);
  AngleZ = WrapOnce(AngleZ + SpinZ);
}

int TZarnik::SpinAngle() const {
  float reading = 0;
  switch (Face) {
    case 1: reading = -AngleZ; break;
    case 2: case 3: case 4: reading = -AngleY; break;
    case 5: reading = AngleY; break;
    case 6: reading = AngleZ; break;
    default: return 0;
  }
  long value = std::lrint(reading);  // halves to even in the default rounding mode
  if (value < 0) value += 360 * (-value / 360 + 1);
  return static_cast<int>(value - 360 * (value / 360));
}

void TZarnik::Throw(int face) {
  LandingEvent = false;
  Kept = false;
  Face = static_cast<std::uint8_t>(face);
  Moving = true;
  HasBounced = false;
  FallSpeed = kStartSpeed;
  Height = kThrowHeight + kThrowHeightRange * static_cast<float>(Rng().RandomReal());
  FallSteps = static_cast<std::uint8_t>(ThrowFall().UntilRest(Height - kRestHeight));
  SettleSteps = static_cast<std::uint8_t>(5 + Rng().Random(10));
  DriftX = 0;
  DriftZ = 0;
  if (!ValidFace(face)) return;
  SpinX = -static_cast<float>(5 + Rng().Random(15));
  // The spin about the die's other upright axis stops; the vertical one keeps its speed.
  (SpinsAboutZ() ? SpinY : SpinZ) = 0;
  StandUpright(static_cast<float>(Rng().Random(360)));
  // Wound back so that the tumble ends upright with the fall.
  const float windBack = static_cast<float>(FallSteps) * SpinX;
  AngleX -= windBack;
}

void TZarnik::Step() {
  if (!Moving) return;
  PosX += DriftX;
  PosZ += DriftZ;
  if (!ValidFace(Face)) return;

  if (FallSteps > 0) {
    --FallSteps;
    AngleX += SpinX;
    // The vertical spin runs at half rate in the air.
    if (SpinsAboutZ()) {
      AngleY += SpinY;
      AngleZ += SpinZ / 2;
    } else {
      AngleY += SpinY / 2;
      AngleZ += SpinZ;
    }
    Height -= FallSpeed;
    FallSpeed += kGravity;
    if (Height >= kRestHeight) return;
    if (!HasBounced) Land();
    Height = kRestHeight;
    FallSpeed = -FallSpeed / 2;
    return;
  }

  if (SettleSteps > 0) {
    SetUprightAngles();
    float& spin = VerticalSpin();
    if (std::fabs(spin) > 0.5f) spin += spin > 0 ? -0.5f : 0.5f;
    Height = kRestHeight;
    --SettleSteps;
    if (SpinsAboutZ()) {
      AngleZ += spin;
    } else {
      AngleY += spin;
    }
    return;
  }

  Moving = false;
}

void TZarnik::Land() {
  LandingEvent = true;
  VerticalSpin() = static_cast<float>(Rng().Random(15) - 7);
  HasBounced = true;
  DriftZ = -(std::fabs(SpinX / 150) + 0.02f);
  DriftX = 0.06f * static_cast<float>(Rng().RandomReal()) - 0.03f;
}

int TZarnik::FirstLandingStep() const {
  if (!Moving || !ValidFace(Face) || HasBounced) return 0;
  // A die not yet stepped falls as every throw does; the same single-precision sums as Step.
  const int step = FallSpeed == kStartSpeed ? ThrowLanding().FirstTouch(Height)
                                            : SteppedTouch(kGravity, FallSpeed, kRestHeight, Height).Step;
  return step <= FallSteps ? step : 0;
}

int TZarnik::StepsToRest() const {
  if (!Moving || !ValidFace(Face)) return 0;
  return FallSteps + SettleSteps + 1;
}

void TZarnik::ComeToRest() {
  if (!Moving || !ValidFace(Face)) return;
  FallSteps = 0;
  SettleSteps = 0;
  FallSpeed = 0;
  Height = kRestHeight;
  SetUprightAngles();
  Moving = false;
}

void StepMovingDice(std::span<TZarnik> dice) {
  for (TZarnik& die : dice) die.Step();
}
