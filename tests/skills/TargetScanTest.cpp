// The target scanners on the built-in settings and with one setting
// changed: each setting moves the chosen direction the way its name says.

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "Defaults.h"
#include "MCCSOffensiveTarget.h"
#include "MCCSTarget.h"
#include "MCDictIniSafe.h"

namespace
{
const float CONE = std::atan(0.5f) * 180 / 3.14159265f;

enum Ask
{
  CLEAR,
  SEND,
  SHOOT
};

struct Case
{
  const char *what;
  const char *key;  // changed in section ClearSend, or null
  const char *value;
  Ask ask;
  CVector from;
  std::vector<CVector> foes;
  float lo, hi;  // the direction must lie here
  bool either = false;  // or its mirror image: the sides are equal
};

TEST(TargetScanTest, EachSettingMovesTheChosenDirection)
{
  const Case cases[] = {
      {"nobody about: the zero point", nullptr, nullptr, CLEAR, CVector(0, 0), {}, 0, 0},
      {"zero point off the middle", nullptr, nullptr, CLEAR, CVector(-40, 25), {}, -52, -50},
      {"other style: the window's middle", "Style", "MID", CLEAR, CVector(-40, 25), {}, 0, 0},
      {"one ahead: out of his cone", nullptr, nullptr, CLEAR, CVector(0, 0), {CVector(10, 0)},
       CONE, 60, true},
      {"beyond the safe distance he is ignored", "SafeBallDist", "8", CLEAR, CVector(0, 0),
       {CVector(10, 0)}, 0, 0},
      {"a tighter cone lets the ball by closer", "Tightness", "4", CLEAR, CVector(0, 0),
       {CVector(10, 0)}, 7, 16, true},
      {"not over the touch line", nullptr, nullptr, CLEAR, CVector(-40, 25),
       {CVector(-30, 17), CVector(-30, 25), CVector(-30, 10)}, -90, 15.6f},
      {"forced through the least blocked", nullptr, nullptr, CLEAR, CVector(0, 0),
       {CVector(3, -3), CVector(3, 0), CVector(3, 3), CVector(0, 3), CVector(0, -3)}, -90, 90},
      {"not forced: the preferred", "Force", "0", CLEAR, CVector(0, 0),
       {CVector(3, -3), CVector(3, 0), CVector(3, 3), CVector(0, 3), CVector(0, -3)}, 0, 0},
      {"send blocked within its angle widens", nullptr, nullptr, SEND, CVector(0, 0),
       {CVector(10, -10), CVector(10, -4), CVector(10, 2), CVector(10, 8), CVector(10, 15)},
       60, 90, true},
      {"send not widened", "Send:AutoAngle", "0", SEND, CVector(0, 0),
       {CVector(10, -10), CVector(10, -4), CVector(10, 2), CVector(10, 8), CVector(10, 15)},
       -60, 60},
      {"send ignores the box's outsiders", "Send:MinYDist", "1", SEND, CVector(0, 0),
       {CVector(10, 3)}, 0, 0},
      {"a shallow shot goes for the far half", nullptr, nullptr, SHOOT, CVector(50, 20), {},
       -180, (CVector(52.5f, 0) - CVector(50, 20)).GetDir()},
      {"or the whole mouth", "Shoot:ShallowFar", "0", SHOOT, CVector(50, 20), {},
       (CVector(52.5f, -6.37f) - CVector(50, 20)).GetDir(),
       (CVector(52.5f, 6.37f) - CVector(50, 20)).GetDir()},
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
    const float dir = c.ask == CLEAR  ? scanner.ClearAngle(c.from, c.foes)
                      : c.ask == SEND ? scanner.SendAngle(c.from, c.foes)
                                      : scanner.ShootAngle(c.from, c.foes, CVector(52.5f, 0), 0, 0);
    const float seen = c.either ? std::fabs(dir) : dir;
    EXPECT_GE(seen, c.lo - 1e-3f) << dir;
    EXPECT_LE(seen, c.hi + 1e-3f) << dir;
  }
}

TEST(TargetScanTest, SendPointsKeepOffTheLinesAndReachByTheScaleFactor)
{
  MCDictIniSafe dict;
  dict.setsafe(0);
  primeini(dict);
  MCCSOffensiveTarget offensive;
  offensive.ImportConfig(dict, "OffensiveClearSend");
  // Send:Yoffset 25 keeps an offensive send within 9 m of the middle.
  EXPECT_NEAR(9, offensive.SendPoint(CVector(0, 0), 80).GetY(), 1e-3);
  EXPECT_NEAR(20, offensive.SendPoint(CVector(0, 0), 0).GetX(), 1e-3);
  // Never past five metres short of their goal line.
  EXPECT_NEAR(47.5f, offensive.SendPoint(CVector(40, 0), 0).GetX(), 1e-3);
  dict.insert("OffensiveClearSend", "OffSend:ScaleFactor", "0.5");
  offensive.ImportConfig(dict, "OffensiveClearSend");
  EXPECT_NEAR(20 + 0.5f * 47.5f, offensive.SendPoint(CVector(0, 0), 0).GetX(), 1e-3);
}
}  // namespace
