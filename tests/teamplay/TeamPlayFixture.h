// The scripted world of the field players' decision pass in play: the
// referee has called play on, and a row places one team-mate and one
// opponent.

#pragma once

#include "../brain/BrainWorldFixture.h"

class TeamPlayTest : public BrainWorldTest
{
protected:
  void SetUp() override
  {
    BrainWorldTest::SetUp();
    Referee("play_on");
  }

  // A row's team-mate and opponent, each left out with x 999.
  void Others(Placed mate, Placed foe = {999, 0})
  {
    if (mate.x < 999)
      Mate(0, mate.x, mate.y, 7);
    if (foe.x < 999)
      Foe(0, foe.x, foe.y, 7);
  }

  void Stamina(float stamina)
  {
    sensebody sb = memory().GetSB();
    sb.stamina = stamina;
    memory().SetSB(sb);
  }

  // The kick's direction on the pitch.
  float KickDir(const ACTIONQUEUE &q) { return memory().GetBFacing() + q.angle; }

  // After a pass, the long ball up the pitch is the play, kicked between
  // these directions on the pitch.
  void ExpectLongBallBetween(float lowDir, float highDir, const char *name)
  {
    Pass();
    brain().SendAllActions(-1);
    ASSERT_EQ(1, brain().BallChoices().LongBallUpfield()) << name;
    const ACTIONQUEUE q = brain().GetQueue();
    ASSERT_EQ(CMD_KICK, q.command) << name;
    EXPECT_GE(brain().NormaliseAngle(KickDir(q)), lowDir) << name;
    EXPECT_LE(brain().NormaliseAngle(KickDir(q)), highDir) << name;
  }
};
