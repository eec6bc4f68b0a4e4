#pragma once

#include <vector>

// Counting a falling die's steps. A die drops by the same single-precision sums every step:
// height -= speed, speed += pull; on touching the floor it bounces back at half its speed.

struct TTouch {
  int Step;     // the step on which the height first goes below the floor (at least 1)
  float Speed;  // the speed after that step, before the bounce turns it
};
TTouch SteppedTouch(float pull, float speed, float floor, float height);
// The steps of the bounces after a touch at `speed`, until one would rise at less than
// `bounceEnd` a step.
int SteppedBounces(float pull, float speed, float bounceEnd);

// The same counts for one start speed without stepping. Rounding is monotone, so every step's
// height grows with the start height, and so does the step of the first touch: within a range
// of start heights a handful of breakpoints, searched once, give that step for any height,
// and the bounces after it depend on nothing but that step.
class TDropSteps {
public:
  // Start heights from `low` to `high` are looked up; others are stepped.
  TDropSteps(float pull, float startSpeed, float floor, float bounceEnd, float low, float high);

  int FirstTouch(float height) const;
  // FirstTouch and the bounces after it.
  int UntilRest(float height) const;

private:
  // The range is cut into this many equal buckets, found by one multiply: a height lies past
  // every breakpoint of the buckets below its own and short of those above (the bucket grows
  // with the height), so only its own bucket's few are compared.
  static constexpr int BucketCount = 128;

  bool InRange(float height) const { return height >= FLow && height <= FHigh; }
  int Bucket(float height) const;

  float FPull;
  float FStartSpeed;
  float FFloor;
  float FBounceEnd;
  float FLow;
  float FHigh;
  int FFirstStep = 0;               // FirstTouch(FLow)
  // The least height touching a step later than the one before; then FMostInABucket that no
  // height reaches.
  std::vector<float> FBreakpoints;
  std::vector<int> FRestSteps;      // UntilRest by FirstTouch - FFirstStep
  float FBucketScale = 0;
  std::vector<int> FBreakpointsBelow;  // by bucket, one more at the end: those of lower buckets
  int FMostInABucket = 0;
};
