// The ball just after our kick-off, on scripted worlds: the man who got
// the kick-off's pass, their forwards coming out of the centre circle.

#include <gtest/gtest.h>

#include <cmath>

#include "../brain/BrainWorldFixture.h"

namespace
{
// With the settings the team plays with: the kick's power is the server's.
class KickOffPlayOnTest : public ShippedSettingsTest
{
protected:
  float KickDir(const ACTIONQUEUE &q) { return memory().GetBFacing() + q.angle; }

  // Number 7 on the ball 7 m back of the spot, `since` cycles after the
  // kick-off (whose) went in; the taker beside their forwards, the wide
  // midfielder out on the wing and the centre-backs well back, with room
  // unless `crowded`.
  void KickOffReceived(const char *whose, int since, bool crowded)
  {
    Fresh();
    agent->SetUNum(7);
    memory().SetUNum(7);
    memory().SetTime(100);
    Referee(whose);
    memory().SetTime(103);
    Referee("play_on");
    memory().SetTime(103 + since);
    memory().SetGPos(CVector(-7, -4));
    RollBall(-6.5f, -4);
    memory().GetNonConstBall()->SetTime(memory().GetTime());
    Mate(0, -50, 0, 1);
    Mate(1, 0, 0, 10);
    Mate(2, 2, -25, 9);
    Mate(3, -28, -7, 3);
    Mate(4, -28, 7, 4);
    Mate(5, 0, 17, 8);
    Foe(0, 51, 0, 1);
    Foe(1, 3, 2, 11);
    Foe(2, 4, -3, 10);
    Foe(3, 5, 6, 9);
    Foe(4, 10, -14, 7);
    Foe(5, 14, -27, 2);
    Foe(6, 6, 14, 6);
    if (crowded)
    {
      Foe(7, 5, -24, 3);
      Foe(8, -22, -5, 8);
      Foe(9, -22, 6, 4);
    }
  }
};

// The ball on to a man with room, wide or back, rather than a run into
// their forwards or back to the taker among them; only in the cycles after
// our own kick-off, and only to a man with room.
TEST_F(KickOffPlayOnTest, TheKickOffsReceiverPlaysItOnToAManWithRoom)
{
  KickOffReceived("kick_off_l", 6, false);
  const ACTIONQUEUE q = Pass();
  ASSERT_EQ(CMD_KICK, q.command);
  EXPECT_EQ(BP_PASS, brain().GetBallPlay());
  const CVector ball(-6.5f, -4);
  bool toRoom = false;
  for (const CVector mate : {CVector(2, -25), CVector(-28, -7), CVector(-28, 7)})
    toRoom = toRoom || std::fabs(brain().NormaliseAngle(KickDir(q) - (mate - ball).GetDir())) < 10;
  EXPECT_TRUE(toRoom) << KickDir(q);

  const struct
  {
    const char *name;
    const char *call;
    int since;
    bool crowded;
  } notNow[] = {
      {"their kick-off", "kick_off_r", 6, false},
      {"long after the kick-off", "kick_off_l", 30, false},
      {"nobody with room", "kick_off_l", 6, true},
  };
  for (const auto &row : notNow)
  {
    KickOffReceived(row.call, row.since, row.crowded);
    Pass();
    brain().SendAllActions(-1);
    EXPECT_EQ(0, brain().BallChoices().PlayOnFromTheKickOff()) << row.name;
  }
}
}  // namespace
