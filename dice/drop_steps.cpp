#include "dice/drop_steps.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

TTouch SteppedTouch(float pull, float speed, float floor, float height) {
  int step = 0;
  do {
    ++step;
    height -= speed;
    speed += pull;
  } while (height >= floor);
  return {step, speed};
}

int SteppedBounces(float pull, float speed, float bounceEnd) {
  int steps = 0;
  for (;;) {
    speed = -speed / 2;
    if (std::fabs(speed) < bounceEnd) return steps;
    const TTouch touch = SteppedTouch(pull, speed, 0, 0);
    steps += touch.Step;
    speed = touch.Speed;
  }
}

TDropSteps::TDropSteps(float pull, float startSpeed, float floor, float bounceEnd, float low, float high)
    : FPull(pull), FStartSpeed(startSpeed), FFloor(floor), FBounceEnd(bounceEnd), FLow(low), FHigh(high) {
  const auto touch = [&](float height) { return SteppedTouch(pull, startSpeed, floor, height); };
  FFirstStep = touch(low).Step;
  const int lastStep = touch(high).Step;
  // Positive floats order as their bit patterns do, so the search runs over the patterns.
  std::uint32_t from = std::bit_cast<std::uint32_t>(low);
  const std::uint32_t to = std::bit_cast<std::uint32_t>(high);
  for (int step = FFirstStep; step < lastStep; ++step) {
    std::uint32_t first = from;
    std::uint32_t last = to;  // touches later than `step`
    while (first < last) {
      const std::uint32_t middle = first + (last - first) / 2;
      if (touch(std::bit_cast<float>(middle)).Step > step) {
        last = middle;
      } else {
        first = middle + 1;
      }
    }
    FBreakpoints.push_back(std::bit_cast<float>(last));
    from = last;
  }
  for (int step = FFirstStep; step <= lastStep; ++step) {
    // The least height touching on this step tells the speed of every drop that does; a step
    // no height touches on is never looked up.
    const TTouch least = touch(step == FFirstStep ? low : FBreakpoints[step - FFirstStep - 1]);
    FRestSteps.push_back(least.Step == step ? step + SteppedBounces(pull, least.Speed, bounceEnd) : 0);
  }
  FBucketScale = high > low ? BucketCount / (high - low) : 0;
  FBreakpointsBelow.assign(BucketCount + 1, 0);
  for (const float breakpoint : FBreakpoints) ++FBreakpointsBelow[Bucket(breakpoint) + 1];
  for (int bucket = 0; bucket < BucketCount; ++bucket) {
    FMostInABucket = std::max(FMostInABucket, FBreakpointsBelow[bucket + 1]);
    FBreakpointsBelow[bucket + 1] += FBreakpointsBelow[bucket];
  }
  // Padding no height reaches, so that the last bucket's comparisons stay within the list.
  FBreakpoints.insert(FBreakpoints.end(), FMostInABucket, std::numeric_limits<float>::infinity());
}

int TDropSteps::Bucket(float height) const {
  return std::min(static_cast<int>((height - FLow) * FBucketScale), BucketCount - 1);
}

int TDropSteps::FirstTouch(float height) const {
  if (!InRange(height)) return SteppedTouch(FPull, FStartSpeed, FFloor, height).Step;
  // As many comparisons for every height, counted without branches: the heights are random,
  // so a branch would be guessed wrong often. Those past the bucket's own breakpoints compare
  // with higher ones, which the height does not reach.
  const int below = FBreakpointsBelow[Bucket(height)];
  int passed = below;
  for (int i = 0; i < FMostInABucket; ++i) passed += FBreakpoints[below + i] <= height ? 1 : 0;
  return FFirstStep + passed;
}

int TDropSteps::UntilRest(float height) const {
  if (InRange(height)) return FRestSteps[FirstTouch(height) - FFirstStep];
  const TTouch touch = SteppedTouch(FPull, FStartSpeed, FFloor, height);
  return touch.Step + SteppedBounces(FPull, touch.Speed, FBounceEnd);
}
