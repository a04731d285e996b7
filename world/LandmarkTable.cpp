#include "LandmarkTable.h"

namespace
{
using M = PitchMeasure;
}

const FlagSpot kFlagSpots[53] = {
  {"C", 0, M::None, 0, 0, M::None, 0},  // 1
  {"PLB", -1, M::PenaltyLine, 0, 1, M::PenaltyHalfWidth, 0},  // 2
  {"PLC", -1, M::PenaltyLine, 0, 0, M::None, 0},  // 3
  {"PLT", -1, M::PenaltyLine, 0, -1, M::PenaltyHalfWidth, 0},  // 4
  {"PRT", 1, M::PenaltyLine, 0, -1, M::PenaltyHalfWidth, 0},  // 5
  {"PRC", 1, M::PenaltyLine, 0, 0, M::None, 0},  // 6
  {"PRB", 1, M::PenaltyLine, 0, 1, M::PenaltyHalfWidth, 0},  // 7
  {"LB", -1, M::HalfLength, 0, 1, M::HalfWidth, 0},  // 8
  {"GLB", -1, M::HalfLength, 0, 1, M::GoalHalfWidth, 0},  // 9
  {"GLT", -1, M::HalfLength, 0, -1, M::GoalHalfWidth, 0},  // 10
  {"LT", -1, M::HalfLength, 0, -1, M::HalfWidth, 0},  // 11
  {"CT", 0, M::None, 0, -1, M::HalfWidth, 0},  // 12
  {"RT", 1, M::HalfLength, 0, -1, M::HalfWidth, 0},  // 13
  {"GRT", 1, M::HalfLength, 0, -1, M::GoalHalfWidth, 0},  // 14
  {"GRB", 1, M::HalfLength, 0, 1, M::GoalHalfWidth, 0},  // 15
  {"RB", 1, M::HalfLength, 0, 1, M::HalfWidth, 0},  // 16
  {"CB", 0, M::None, 0, 1, M::HalfWidth, 0},  // 17
  {"LB30", -1, M::OuterLength, 0, 0, M::None, 30},  // 18
  {"LB20", -1, M::OuterLength, 0, 0, M::None, 20},  // 19
  {"LB10", -1, M::OuterLength, 0, 0, M::None, 10},  // 20
  {"L0", -1, M::OuterLength, 0, 0, M::None, 0},  // 21
  {"LT10", -1, M::OuterLength, 0, 0, M::None, -10},  // 22
  {"LT20", -1, M::OuterLength, 0, 0, M::None, -20},  // 23
  {"LT30", -1, M::OuterLength, 0, 0, M::None, -30},  // 24
  {"TL50", 0, M::None, -50, -1, M::OuterWidth, 0},  // 25
  {"TL40", 0, M::None, -40, -1, M::OuterWidth, 0},  // 26
  {"TL30", 0, M::None, -30, -1, M::OuterWidth, 0},  // 27
  {"TL20", 0, M::None, -20, -1, M::OuterWidth, 0},  // 28
  {"TL10", 0, M::None, -10, -1, M::OuterWidth, 0},  // 29
  {"T0", 0, M::None, 0, -1, M::OuterWidth, 0},  // 30
  {"TR10", 0, M::None, 10, -1, M::OuterWidth, 0},  // 31
  {"TR20", 0, M::None, 20, -1, M::OuterWidth, 0},  // 32
  {"TR30", 0, M::None, 30, -1, M::OuterWidth, 0},  // 33
  {"TR40", 0, M::None, 40, -1, M::OuterWidth, 0},  // 34
  {"TR50", 0, M::None, 50, -1, M::OuterWidth, 0},  // 35
  {"RT30", 1, M::OuterLength, 0, 0, M::None, -30},  // 36
  {"RT20", 1, M::OuterLength, 0, 0, M::None, -20},  // 37
  {"RT10", 1, M::OuterLength, 0, 0, M::None, -10},  // 38
  {"R0", 1, M::OuterLength, 0, 0, M::None, 0},  // 39
  {"RB10", 1, M::OuterLength, 0, 0, M::None, 10},  // 40
  {"RB20", 1, M::OuterLength, 0, 0, M::None, 20},  // 41
  {"RB30", 1, M::OuterLength, 0, 0, M::None, 30},  // 42
  {"BR50", 0, M::None, 50, 1, M::OuterWidth, 0},  // 43
  {"BR40", 0, M::None, 40, 1, M::OuterWidth, 0},  // 44
  {"BR30", 0, M::None, 30, 1, M::OuterWidth, 0},  // 45
  {"BR20", 0, M::None, 20, 1, M::OuterWidth, 0},  // 46
  {"BR10", 0, M::None, 10, 1, M::OuterWidth, 0},  // 47
  {"B0", 0, M::None, 0, 1, M::OuterWidth, 0},  // 48
  {"BL10", 0, M::None, -10, 1, M::OuterWidth, 0},  // 49
  {"BL20", 0, M::None, -20, 1, M::OuterWidth, 0},  // 50
  {"BL30", 0, M::None, -30, 1, M::OuterWidth, 0},  // 51
  {"BL40", 0, M::None, -40, 1, M::OuterWidth, 0},  // 52
  {"BL50", 0, M::None, -50, 1, M::OuterWidth, 0},  // 53
};
