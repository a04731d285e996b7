#ifndef LANDMARKTABLE_H
#define LANDMARKTABLE_H

// Where the 53 flags stand, as sums of a signed pitch measure and a fixed
// offset, so that the positions follow the configured pitch. Coordinates are
// those of an agent on the left side: x towards the right goal, y towards the
// bottom touch line.

enum class PitchMeasure
{
  None,              // 0
  HalfLength,        // L / 2
  PenaltyLine,       // L / 2 - penalty area length
  OuterLength,       // L / 2 + margin
  HalfWidth,         // W / 2
  PenaltyHalfWidth,  // penalty area width / 2
  GoalHalfWidth,     // goal width / 2
  OuterWidth         // W / 2 + margin
};

struct FlagSpot
{
  const char *name;  // as the memory dump names it
  int xSign;
  PitchMeasure xMeasure;
  float xOffset;
  int ySign;
  PitchMeasure yMeasure;
  float yOffset;
};

// Row k - 1 is flag k.
extern const FlagSpot kFlagSpots[53];

#endif
