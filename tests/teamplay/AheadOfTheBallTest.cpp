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

namespace
{
TEST_F(AheadOfTheBallTest, AWalkToAPlaceRunsOnAHeadingThatPassesWithinItsSlack)
{
  // Our ball 20 m behind: the place's slack is 2.6 m, and a place 12 m
  // ahead is passed within it by a heading up to some 12 degrees off.
  const struct
  {
    const char *name;
    float facing;
    Placed place;
    bool dash;
    bool theirBall = false;
  } rows[] = {
      {"10 degrees off a place 12 m ahead", 10, {12, 0}, true},
      {"on the other side", -10, {12, 0}, true},
      {"20 degrees off", 20, {12, 0}, false},
      // Near the place a heading off it is not run on: the way that passes
      // it is too short to tell.
      {"10 degrees off a place 4 m ahead", 10, {4, 0}, false},
      // Defending, a place is gone for exactly.
      {"their ball, 10 degrees off a place 12 m ahead", 10, {12, 0}, false, true},
  };
  for (const auto &row : rows)
  {
    OurBallInMidfield({0, 0}, row.facing);
    RollBall(-20, 0);
    Mate(0, row.theirBall ? -30.0f : -20.6f, 0, 6);
    Foe(0, row.theirBall ? -20.6f : -19, row.theirBall ? 0 : 1, 9);
    Foe(1, -10, -4, 7);
    PassFromPlaces();
    ASSERT_EQ(row.theirBall, brain().GetActionState() == AS_DEFENSE_POSITION ||
                                 brain().GetActionState() == AS_DEFENSE_SUPPORT)
        << row.name;
    ASSERT_EQ(1, brain().GoToPlace(CVector(row.place.x, row.place.y), 100)) << row.name;
    const ACTIONQUEUE q = brain().GetQueue();
    EXPECT_EQ(row.dash ? CMD_DASH : CMD_TURN, q.command) << row.name;
    brain().SendAllActions(-1);
  }
}

TEST_F(AheadOfTheBallTest, TheAttackingPlaceGoneForIsKeptUntilAnotherIsClearlyBetter)
{
  // Their man stands on the midfielder's first choice: the places 8 m off
  // it on either side are worth nearly the same, the side he is nearer
  // to a little less. Nobody presses the ball: every way from it is open.
  OurBallInMidfield({-5, 0}, 0);
  Foe(0, -30, 30, 9);
  Foe(1, -30, -30, 7);
  PassFromPlaces();
  // Nobody near it: the first choice itself.
  const CVector first = CAttackingPlace(brain()).AttackingPlace();
  const auto sideGoneFor = [&](CAttackingPlace &place, float foeOff) {
    Foe(1, first.GetX(), first.GetY() + foeOff, 7);
    return place.AttackingPlace().GetY() > first.GetY();
  };
  const struct
  {
    const char *name;
    float foeOff;  // their man off the first choice, after 0.3 m below it
    bool keeps;
  } rows[] = {
      {"their man steps 0.3 m the other way", 0.3f, true},
      {"their man 2 m the other way", 2, false},
  };
  for (const auto &row : rows)
  {
    CAttackingPlace held(brain());
    ASSERT_TRUE(sideGoneFor(held, -0.3f)) << row.name;
    // Left free, the place would go over to the other side.
    CAttackingPlace free(brain());
    EXPECT_FALSE(sideGoneFor(free, row.foeOff)) << row.name;
    EXPECT_EQ(row.keeps, sideGoneFor(held, row.foeOff)) << row.name;
  }
}
}  // namespace
