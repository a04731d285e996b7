// The target scanners on the built-in settings and with one setting
// changed: each moves the chosen direction the way its name says.

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "Defaults.h"
#include "MCCSTarget.h"
#include "MCDictIniSafe.h"

namespace
{
const float CONE = std::atan(0.5f) * 180 / 3.14159265f;
const std::vector<CVector> WALL = {CVector(10, -10), CVector(10, -4), CVector(10, 2),
                                   CVector(10, 8), CVector(10, 15)};

TEST(TargetScanTest, EachSettingMovesTheChosenDirection)
{
  struct Case
  {
    const char *what, *key, *value;  // a ClearSend setting changed, or none
    char ask;                        // 'c'lear, 's'end, s'h'oot
    CVector from;
    std::vector<CVector> foes;
    float lo, hi;  // the direction, or its size when either side will do
    bool either;
  } cases[] = {
      {"towards the zero point", nullptr, nullptr, 'c', CVector(-40, 25), {}, -52, -50, false},
      {"other style: the middle", "Style", "MID", 'c', CVector(-40, 25), {}, 0, 0, false},
      {"out of an opponent's cone", nullptr, nullptr, 'c', CVector(0, 0), {CVector(10, 0)}, CONE, 60, true},
      {"a tighter cone", "Tightness", "4", 'c', CVector(0, 0), {CVector(10, 0)}, 7, 16, true},
      {"not over the touch line", nullptr, nullptr, 'c', CVector(-40, 25),
       {CVector(-30, 17), CVector(-30, 25), CVector(-30, 10)}, -90, 15.6f, false},
      {"a blocked send widens", nullptr, nullptr, 's', CVector(0, 0), WALL, 60, 90, true},
      {"outside the send's box", "Send:MinYDist", "1", 's', CVector(0, 0), {CVector(10, 3)}, 0, 0, false},
      {"a shallow shot: the far half", nullptr, nullptr, 'h', CVector(50, 20), {}, -90,
       (CVector(52.5f, 0) - CVector(50, 20)).GetDir(), false},
  };
  for (const Case &c : cases)
  {
    SCOPED_TRACE(c.what);
    MCDictIniSafe dict;
    dict.setsafe(0);
    primeini(dict);
    if (c.key)
      dict.insert("ClearSend", c.key, c.value);
    MCCSTarget scanner;
    scanner.ImportConfig(dict, "ClearSend");
    const float dir = c.ask == 'c'   ? scanner.ClearAngle(c.from, c.foes)
                      : c.ask == 's' ? scanner.SendAngle(c.from, c.foes)
                                     : scanner.ShootAngle(c.from, c.foes, CVector(52.5f, 0), 0, 0);
    const float seen = c.either ? std::fabs(dir) : dir;
    EXPECT_GE(seen, c.lo - 1e-3f) << dir;
    EXPECT_LE(seen, c.hi + 1e-3f) << dir;
  }
}
}  // namespace
