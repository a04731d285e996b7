// Our men off the ball while one of ours has it: where they offer
// themselves, and that they stay there ready for the pass.

#include <gtest/gtest.h>

#include <cmath>

#include "TeamPlayFixture.h"
// After the fixture: the rule list names the world's players.
#include "CFieldRules.h"

namespace
{
class AheadOfTheBallTest : public TeamPlayTest
{
protected:
  // Number 7 (a midfielder) near our ball at the centre spot, held by
  // number 6; their presser at it, one man ahead, their keeper and last
  // defender making the line at 25.
  void OurBallInMidfield(Placed me, float facing)
  {
    Fresh();
    agent->SetUNum(7);
    memory().SetUNum(7);
    brain().SetRole();
    memory().SetGPos(CVector(me.x, me.y));
    memory().SetBFacing(facing);
    RollBall(0, 0);
    Mate(0, -0.6f, 0, 6);
    Foe(0, 1.5f, 0.8f, 9);
    Foe(1, 9, -4, 7);
    Foe(2, 51, 0, 1);
    Foe(3, 26, 3, 2);
  }
};

TEST_F(AheadOfTheBallTest, ASupporterOnHisPlaceStaysThereFacingTheBall)
{
  // The place is worked out from a start a few metres off; then he stands
  // on it (or within its slack), facing the ball or not yet.
  const struct
  {
    const char *name;
    float offX, offY;  // from the place
    bool facingBall;
  } rows[] = {
      {"on the place, facing the ball", 0, 0, true},
      {"within its slack, facing the ball", 0.4f, -0.3f, true},
      {"on the place, facing away", 0, 0, false},
  };
  for (const auto &row : rows)
  {
    OurBallInMidfield({6, 10}, 0);
    const CVector place = CFieldRules(brain()).OffenseSupportPlace();
    const CVector me = place + CVector(row.offX, row.offY);
    const float toBall = (CVector(0, 0) - me).GetDir();
    OurBallInMidfield({me.GetX(), me.GetY()}, row.facingBall ? toBall : toBall + 150);
    const ACTIONQUEUE q = PassFromPlaces();
    ASSERT_EQ(AS_OFFENSE_SUPPORT, brain().GetActionState()) << row.name;
    // No step off the place, and a turn only to the ball.
    if (q.command == CMD_DASH)
    {
      EXPECT_NEAR(0, q.power, 0.01f) << row.name;
    }
    else
    {
      ASSERT_EQ(CMD_TURN, q.command) << row.name;
      const float heading = memory().GetBFacing() + q.angle;
      EXPECT_LT(std::fabs(std::remainder(heading - toBall, 360.0f)), 5) << row.name;
    }
  }
}
}  // namespace
