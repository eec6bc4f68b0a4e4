#pragma once

#include <array>
#include <cstdint>
#include <span>

// How many steps a die falls, bouncing, before its bounces die out: the count of the step
// on which a bounce would rise at less than 0.15 units per step. Single precision, as the
// die's own motion.
int FallStepCount(float accel, float speed, float height);

// One die ("зарник"). A throw is scripted backwards from the face drawn in advance: the die
// tumbles about X at a whole number of degrees per step and its start angle is wound back so
// that it stands exactly upright on that face at the step its bounces end. Angles are in
// degrees, positions in scene units (a die is 2 wide), speeds per step.
class TZarnik {
public:
  using TColor = std::array<float, 4>;

  TZarnik();

  bool Moving = false;
  std::uint8_t Face = 1;
  float AngleZ = 180;
  float Height = 1.5f;
  float AngleY = 0;  // a random whole number from -180 to 179 at creation
  float AngleX = 90;
  float SpinX = 0;
  float SpinZ = 0;
  float SpinY = 0;
  float PosX = 0;
  float PosZ = 0;
  std::uint8_t FallSteps = 0;
  float FallSpeed = 0;  // each falling step lowers Height by this (negative: rising)
  std::uint8_t SettleSteps = 0;
  float DriftZ = 0;
  float DriftX = 0;
  bool HasBounced = false;
  bool LandingEvent = false;  // the first touch of this throw, until taken
  TColor LightPosition{0, 0, 1, 1};
  TColor LightAmbient{0, 0, 0, 1};
  TColor BodyColor{0, 0, 1, 1};
  TColor FloorColor{0.5f, 0.5f, 0, 0.4f};
  TColor EdgeColor{0, 0.2f, 1, 1};
  TColor PipColor{0.8f, 0.8f, 1, 1};
  bool Kept = false;   // row dice: set aside as scored in this turn
  bool Shown = true;   // row dice: present in the row

  // Stands the die upright on `face`, turned 30, 120 or 210 degrees about the vertical.
  // A face outside 1..6 is stored and nothing else changes.
  void SetPose(int face);
  void SetSpin(float sx, float sy, float sz);
  // Spins the die about its vertical axis so that SpinAngle grows by `speed` per Turn.
  void SetVerticalSpin(float speed);
  // One turn of a row die by its spins, each angle kept within -180..180.
  void Turn();
  // The angle about the vertical axis in whole degrees 0..359 (0 for a face outside 1..6).
  int SpinAngle() const;

  // Starts a throw that will end with `face` on top. PosX and PosZ are left to the caller.
  void Throw(int face);
  // One step of a throwing die: falling, then settling, then at rest.
  void Step();

  // A throw settled without its motion (the rules lab): the step of the first touch-down,
  // on which Land makes the throw's last draws (0: no touch-down left), the steps Step would
  // take until the die rests, and the rest itself, upright on its face where it fell.
  int FirstLandingStep() const;
  void Land();
  int StepsToRest() const;
  void ComeToRest();

  static bool ValidFace(int face) { return face >= 1 && face <= 6; }
  // Faces 1 and 6 lie on the Z axis and turn about Z when upright; 2..5 turn about Y.
  bool SpinsAboutZ() const { return Face == 1 || Face == 6; }

private:
  float& VerticalSpin() { return SpinsAboutZ() ? SpinZ : SpinY; }
  void SetUprightAngles();
  // Upright on a valid face, turned by freeAngle about its vertical axis.
  void StandUpright(float freeAngle);
};

// One step of every die of a throw that still moves, in order.
void StepMovingDice(std::span<TZarnik> dice);
