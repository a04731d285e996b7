// Play from the wing into their area with the shipped settings, on
// scripted worlds: the ball crossed to where a team-mate is first to it,
// and the forwards in their area to meet it.

#include <gtest/gtest.h>

#include <cmath>

#include "../brain/BrainWorldFixture.h"
#include "CAttackingPlace.h"
#include "Defaults.h"
#include "MessageCoder.h"

namespace
{
class WingPlayTest : public ShippedSettingsTest
{
protected:
  // The agent, number 9, on the ball at me, facing their goal line; their
  // goalkeeper in his goal and a defender 3 m goal-side of the agent along
  // the wing, who makes the offside line.
  void OnTheBall(CVector me)
  {
    StrikerOnTheBall(me);
    Foe(0, 51, 0, 1);
    Foe(1, me.GetX() + 3, me.GetY(), 2);
  }

  // The pass this agent's next message announces (receiver 0: none).
  TeamMessagePass Announced()
  {
    char text[CMessageCoder::MESSAGE_LENGTH + 1];
    TeamMessage m;
    if (!brain().ConstructOriginalMessage(text, sizeof text) ||
        !CMessageCoder(TeamMessageSettings{"Tarroks00", 'l', 61}).Decode(text, m))
      return TeamMessagePass();
    return m.pass;
  }

  float KickDir(const ACTIONQUEUE &q) { return brain().NormaliseAngle(memory().GetBFacing() + q.angle); }
};

// Out wide in their third the ball went into their area towards a fixed
// point, or along the line to their corner, and their keeper or a defender
// had it first in three of four. It goes where a team-mate is first to it,
// near enough their goal for a shot, and he is told where.
TEST_F(WingPlayTest, FromTheWingTheBallGoesWhereATeamMateIsFirstToIt)
{
  const CVector goal(52.5f, 0);
  const struct
  {
    const char *name;
    CVector me;
    Placed mate;      // number 10
    Placed defender;  // kNobody: none
    bool crossed;
  } rows[] = {
      {"mate before their goal, nobody near him", {42, -24}, {40, 2}, kNobody, true},
      {"mate at the far post", {44, 22}, {45, -6}, kNobody, true},
      // Beyond their defenders the winger has our forwards behind him.
      {"mate trailing him at the edge of their area: pulled back", {44, -26}, {32, -3}, kNobody, true},
      {"a defender beyond him at the far post", {42, -24}, {40, 2}, {46, 8}, true},
      {"a defender across the ball's whole way in", {42, -24}, {40, 2}, {41, -6}, false},
      // Level with him, their man nearer their goal is first wherever the
      // ball goes near him.
      {"a defender at him, goal-side", {42, -24}, {40, 2}, {41.5f, 1}, false},
      {"mate beyond their line: offside", {42, -24}, {46, 2}, kNobody, false},
      {"mate far out of their area", {42, -24}, {26, 2}, kNobody, false},
      {"ball in the middle, not out wide", {36, -8}, {40, 6}, kNobody, false},
  };
  for (const auto &row : rows)
  {
    OnTheBall(row.me);
    Mate(0, row.mate.x, row.mate.y, 10);
    if (row.defender.x < 999)
      Foe(2, row.defender.x, row.defender.y, 3);
    const ACTIONQUEUE q = Pass();
    const TeamMessagePass told = Announced();
    const bool crossed = q.command == CMD_KICK && brain().GetBallPlay() == BP_CROSS && told.receiver == 10;
    EXPECT_EQ(row.crossed, crossed) << row.name << " play " << brain().GetBallPlay() << " told "
                                    << told.receiver;
    if (!crossed)
      continue;
    // Met before their goal within a shot's reach, where he can get to.
    EXPECT_LT(told.target.dist(goal), 20.5f) << row.name;
    EXPECT_LT(told.target.dist(CVector(row.mate.x, row.mate.y)), 12) << row.name;
    // Kicked towards their area, not along the wing.
    const CVector ball = memory().GetBall()->GetGPos();
    EXPECT_LT(std::fabs(brain().NormaliseAngle(KickDir(q) - (told.target - ball).GetDir())), 15) << row.name;
  }
}

// A loose ball out wide in their third that our winger was nearer to than
// any of theirs counted as their ball: our forwards waited out wide at
// their line and nobody was in their area when he played it in. With one
// of ours nearer they go into it; with theirs nearer, or the ball in the
// middle or in midfield, they wait at their line.
TEST_F(WingPlayTest, ALooseBallOutWideThatOursIsNearerSendsTheForwardsIntoTheirArea)
{
  const struct
  {
    const char *name;
    Placed ball, mate, foe;
    bool inTheArea;
  } rows[] = {
      {"our winger 3 m from it, their man 5 m", {38, -24}, {36, -22}, {42, -27}, true},
      {"the other wing", {40, 26}, {38, 24}, {44, 29}, true},
      {"their man nearer", {38, -24}, {36, -22}, {39, -25}, false},
      {"in the middle of their third", {34, 4}, {32, 2}, {38, 7}, false},
      {"out wide in midfield", {5, -24}, {3, -22}, {9, -27}, false},
  };
  for (const auto &row : rows)
  {
    Fresh();
    Referee("play_on");
    agent->SetUNum(10);
    memory().SetUNum(10);
    memory().SetGPos(CVector(30, -5));
    RollBall(row.ball.x, row.ball.y);
    Mate(3, row.mate.x, row.mate.y, 9);
    Foe(2, row.foe.x, row.foe.y, 5);
    // Their goalkeeper and last defender make the offside line at 45.
    Foe(0, 51, 0, 1);
    Foe(1, 45, 12, 2);
    Pass();
    const CVector place = brain().UpAtTheirLine(CVector(4, -10));
    const bool inTheArea = place.GetX() > 52.5f - 16.5f && std::fabs(place.GetY()) < 10;
    EXPECT_EQ(row.inTheArea, inTheArea) << row.name << " at " << place.GetX() << ", " << place.GetY();
    EXPECT_LE(place.GetX(), 45) << row.name;
  }
}
}  // namespace
