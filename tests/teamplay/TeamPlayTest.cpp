// The field players' decision pass on scripted worlds: the strategy, the
// action states, who runs for the ball, which play with the ball fires,
// who takes a set play, and that every pass in play fills its main command.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "MessageCoder.h"
#include "TeamPlayFixture.h"

namespace
{
TEST_F(TeamPlayTest, TheRestAfterASetPlayFollowsTheScoreAndLateInTheHalfTheFormationToo)
{
  const struct
  {
    int diff, cycles, lateFormation;
  } rows[] = {{-1, 0, -1}, {0, 60, 0}, {1, 80, 1}};
  for (const auto &row : rows)
    for (int time : {10, 2900})
    {
      memory().SetTime(time);
      memory().SetLastVisualTime(time);
      brain().SetScoreDiff(row.diff);
      brain().AdjustStrategy();
      EXPECT_EQ(row.cycles, brain().GetRechargeCycles()) << row.diff;
      EXPECT_EQ(time < 2900 ? 0 : row.lateFormation, brain().GetFormationID()) << row.diff;
    }
}

TEST_F(TeamPlayTest, TheActionStateReadsTheSituation)
{
  const struct
  {
    const char *name, *call;
    Placed ball;
    Placed mate;  // x 999: none
    Placed foe;
    ActionState expected;
    CVector velocity = CVector();
  } rows[] = {
      {"ball at my feet", "play_on", {0.5f, 0}, {999, 0}, {999, 0}, AS_WITH_BALL},
      {"loose ball, nobody nearer", "play_on", {8, 3}, {20, 20}, {999, 0}, AS_CHASE_BALL},
      {"a mate at the ball", "play_on", {8, 3}, {8.5f, 3}, {999, 0}, AS_OFFENSE_SUPPORT},
      {"our ball far away", "play_on", {40, 3}, {40.5f, 3}, {999, 0}, AS_OFFENSE_POSITION},
      {"their ball, mine to press", "play_on", {6, 0}, {30, 20}, {6.6f, 0}, AS_DEFENSE_ACTIVE},
      {"their ball far away", "play_on", {40, 0}, {30, 0}, {40.6f, 0}, AS_DEFENSE_POSITION},
      {"their kick-in next to me", "kick_in_r", {3, 0}, {999, 0}, {3, 1}, AS_KEEP_CLEAR},
      {"our kick-in, I am nearest", "kick_in_l", {10, 34}, {-30, -20}, {999, 0}, AS_TAKE_SET_PLAY},
      {"our kick-in, a mate is nearer", "kick_in_l", {10, 34}, {12, 30}, {999, 0}, AS_OFFENSE_POSITION},
      {"before kick-off", "before_kick_off", {0, 0}, {999, 0}, {999, 0}, AS_NONE},
      // Who runs for a rolling ball: the fastest of us, not the nearest.
      {"rolling to me", "play_on", {8, 0}, {20, 10}, {999, 0}, AS_CHASE_BALL, CVector(-1, 0)},
      {"rolling to the mate", "play_on", {8, 0}, {20, 0}, {999, 0}, AS_OFFENSE_SUPPORT, CVector(1.5f, 0)},
  };
  for (const auto &row : rows)
  {
    Fresh();
    Referee(row.call);
    RollBall(row.ball.x, row.ball.y, row.velocity);
    Others(row.mate, row.foe);
    Pass();
    EXPECT_EQ(row.expected, brain().GetActionState()) << row.name;
  }
}

TEST_F(TeamPlayTest, ATiredPlayerOffTheBallRests)
{
  RollBall(40, 0);
  Foe(0, 40.6f, 0);
  Mate(0, 30, 0);
  Stamina(1500);
  Pass();
  EXPECT_EQ(AS_RECHARGE, brain().GetActionState());
  // The rest goes on above low stamina, ends at high stamina, and its end
  // bars the next one for no_recharge_period (150) cycles.
  const struct
  {
    int time;
    float stamina;
    bool rests;
  } rows[] = {{11, 2500, true}, {12, 3000, false}, {13, 1500, false}, {161, 1500, false},
              {162, 1500, true}};
  for (const auto &row : rows)
  {
    memory().SetTime(row.time);
    Stamina(row.stamina);
    Pass();
    EXPECT_EQ(row.rests, brain().GetActionState() == AS_RECHARGE) << row.time;
    EXPECT_EQ(!row.rests && row.time < 162, !brain().CanIRecharge()) << row.time;
  }
}

TEST_F(TeamPlayTest, WithTheBallTheZoneDecidesThePlay)
{
  const struct
  {
    const char *name;
    Placed me, mate, foe;
    BallPlay play;
  } rows[] = {
      {"alone, beyond the shot distance", {26, 0}, {999, 0}, {999, 0}, BP_BREAKAWAY},
      {"shot from close in", {40, 0}, {999, 0}, {43, 1}, BP_SHOOT},
      {"cross from by their line", {48, 25}, {40, -5}, {50, 20}, BP_CROSS},
      {"pass to a free mate ahead", {0, 0}, {15, 8}, {8, -10}, BP_PASS},
      {"cleared from our area under pressure", {-45, 5}, {999, 0}, {-43, 4}, BP_CLEAR},
      {"room to run in midfield", {5, 0}, {999, 0}, {999, 0}, BP_DRIBBLE},
  };
  for (const auto &row : rows)
  {
    Fresh();
    memory().SetGPos(CVector(row.me.x, row.me.y));
    RollBall(row.me.x + 0.5f, row.me.y);
    Others(row.mate, row.foe);
    // Their goalkeeper and last defender make the offside line.
    Foe(1, 51, 0, 1);
    Foe(2, 35, -20, 2);
    const ACTIONQUEUE q = Pass();
    EXPECT_EQ(AS_WITH_BALL, brain().GetActionState()) << row.name;
    EXPECT_EQ(row.play, brain().GetBallPlay()) << row.name;
    EXPECT_TRUE(q.command == CMD_KICK || q.command == CMD_DASH || q.command == CMD_TURN) << row.name;
  }
}

// Each row a fault seen in matches: no shot taken from within the shot
// distance, a "breakaway" from the halfway line lost to defenders coming
// back, a ball behind their line that their defenders reached first, and a
// ball sent square to the opponents when nothing was on.
TEST_F(TeamPlayTest, TheAttackGoesForwardAndEndsInAShot)
{
  const struct
  {
    const char *name;
    Placed me, mates[2], foes[2];
    BallPlay play;
    float lowDir, highDir;  // of a kick
  } rows[] = {
      {"a shot from 16 m, their goalkeeper in goal",
       {37, 4}, {{999, 0}, {999, 0}}, {{999, 0}, {999, 0}}, BP_SHOOT, -30, 40},
      // Free there, the ball is first run closer; with one of theirs
      // coming it is shot.
      {"a shot from 21 m with a defender coming, their goalkeeper in goal",
       {32, 4}, {{999, 0}, {999, 0}}, {{28.5f, 6}, {999, 0}}, BP_SHOOT, -30, 40},
      {"no breakaway from the halfway line",
       {2, 10}, {{999, 0}, {999, 0}}, {{999, 0}, {999, 0}}, BP_DRIBBLE, -180, 180},
      {"nothing on: long into their half, not square",
       {0, 5}, {{999, 0}, {999, 0}}, {{2, 6.5f}, {3, 3}}, BP_SEND, -60, 60},
  };
  for (const auto &row : rows)
  {
    Fresh();
    memory().SetGPos(CVector(row.me.x, row.me.y));
    RollBall(row.me.x + 0.5f, row.me.y);
    for (int i = 0; i < 2; i++)
    {
      if (row.mates[i].x < 999)
        Mate(i, row.mates[i].x, row.mates[i].y, 7 + i);
      if (row.foes[i].x < 999)
        Foe(2 + i, row.foes[i].x, row.foes[i].y, 7 + i);
    }
    // Their goalkeeper and last defender make the offside line.
    Foe(0, 51, 0, 1);
    Foe(1, 20, -25, 2);
    const ACTIONQUEUE q = Pass();
    EXPECT_EQ(AS_WITH_BALL, brain().GetActionState()) << row.name;
    EXPECT_EQ(row.play, brain().GetBallPlay()) << row.name;
    if (q.command == CMD_KICK)
    {
      EXPECT_GE(brain().NormaliseAngle(KickDir(q)), row.lowDir) << row.name;
      EXPECT_LE(brain().NormaliseAngle(KickDir(q)), row.highDir) << row.name;
    }
  }
}

TEST_F(TeamPlayTest, ABallBehindTheirLineGoesOnlyWhereTheRunnerIsFirst)
{
  const struct
  {
    const char *name;
    Placed runner, foe;
    bool kicked;
  } rows[] = {
      {"room behind their line", {19, 8}, {999, 0}, true},
      {"a defender waits there", {19, 8}, {27, 9}, false},
      {"the runner is offside", {22, 8}, {999, 0}, false},
      {"the runner is too far back", {10, 8}, {999, 0}, false},
  };
  for (const auto &row : rows)
  {
    Fresh();
    RollBall(0.5f, 0);
    Mate(0, row.runner.x, row.runner.y, 9);
    if (row.foe.x < 999)
      Foe(2, row.foe.x, row.foe.y, 4);
    // Their goalkeeper and last defender make the offside line at 20.
    Foe(0, 51, 0, 1);
    Foe(1, 20, -25, 2);
    Pass();
    brain().SendAllActions(-1);
    EXPECT_EQ(row.kicked, brain().BallChoices().BeatTheOffsideLine() == 1) << row.name;
  }
}

// In matches a ball behind their line fired in none of 170 decisions in
// their half: aimed only straight along the runner's line, its way crossed
// their line at the defender nearest him. Through the gap beside him, the
// runner meets it beyond their line; a gap their man closes first, or a
// ball that stops where their keeper is first, is no ball for him.
TEST_F(TeamPlayTest, AThroughBallGoesThroughTheGapBesideTheRunner)
{
  const struct
  {
    const char *name;
    Placed runner, defender, keeper;
    bool kicked;
    float lowY, highY;  // where he is to meet it, behind their line
    Placed atTheBall = {999, 0};  // one of theirs by the ball
  } rows[] = {
      {"a defender before the ball, the gap on the left", {19, 12}, {20, 0}, {51, 0}, true, 6, 31},
      {"a defender before the ball, the gap on the right", {19, -12}, {20, 0}, {51, 0}, true, -31,
       -6},
      {"a defender level with the runner, the gap inside him", {19, 12}, {20, 16}, {51, 0}, true,
       -10, 13},
      {"the gap closed by their men behind the line", {19, 12}, {20, 0}, {51, 0}, false, 0, 0},
      {"their keeper out at the room behind the line", {19, 12}, {20, 0}, {24, 7}, false, 0, 0},
      // He kicks it in the same cycle: the ball goes nowhere it was meant.
      {"one of theirs at the ball", {19, 12}, {20, 0}, {51, 0}, false, 0, 0, {14.5f, -1}},
  };
  for (const auto &row : rows)
  {
    Fresh();
    memory().SetGPos(CVector(14, 0));
    RollBall(14.5f, 0);
    Mate(0, row.runner.x, row.runner.y, 9);
    // Their goalkeeper, and defenders that make their line at 20.
    Foe(0, row.keeper.x, row.keeper.y, 1);
    Foe(1, 20, -25, 2);
    if (row.defender.x < 999)
      Foe(2, row.defender.x, row.defender.y, 4);
    if (row.atTheBall.x < 999)
      Foe(8, row.atTheBall.x, row.atTheBall.y, 10);
    else if (!row.kicked && row.keeper.x > 50)
      for (int i = 0; i < 5; i++)
        Foe(3 + i, 25, 5.0f * static_cast<float>(i) - 4, 5 + i);
    brain().AssessReceivers();
    const int done = brain().BallChoices().BeatTheOffsideLine();
    EXPECT_EQ(row.kicked, done == 1) << row.name;
    if (!done || !row.kicked)
      continue;
    // A kick goes, and he is named to meet the ball behind their line.
    EXPECT_EQ(CMD_KICK, brain().GetQueue().command) << row.name;
    char text[CMessageCoder::MESSAGE_LENGTH + 1];
    TeamMessage said;
    ASSERT_TRUE(brain().ConstructOriginalMessage(text, sizeof text) &&
                CMessageCoder(TeamMessageSettings{"Tarroks00", 'l', 61}).Decode(text, said))
        << row.name;
    EXPECT_EQ(9, said.pass.receiver) << row.name;
    const CVector meet = said.pass.target;
    EXPECT_GT(meet.GetX(), 19) << row.name;
    EXPECT_GE(meet.GetY(), row.lowY) << row.name;
    EXPECT_LE(meet.GetY(), row.highY) << row.name;
  }
}

// From farther back one kick sends the ball too softly: their man before
// it gets across its way. With none of theirs near, the ball is readied
// over several kicks and goes as hard as it can, the runner told at the
// first; with one of theirs near, the kicks readying it are not taken.
TEST_F(TeamPlayTest, WithRoomTheBallBehindTheirLineIsReadiedForAHarderKick)
{
  const struct
  {
    const char *name;
    Placed near;  // x 999: none
    bool kicked;
  } rows[] = {
      {"none of theirs near the ball", {999, 0}, true},
      {"one of theirs 4 m off", {6, -3}, false},
  };
  for (const auto &row : rows)
  {
    Fresh();
    memory().SetGPos(CVector(9, 0));
    RollBall(9.5f, 0);
    Mate(0, 19, 16, 9);
    Foe(0, 51, 0, 1);
    Foe(1, 20, -25, 2);
    Foe(2, 20, 0, 4);
    if (row.near.x < 999)
      Foe(3, row.near.x, row.near.y, 5);
    brain().AssessReceivers();
    EXPECT_EQ(row.kicked, brain().BallChoices().BeatTheOffsideLine() == 1) << row.name;
  }
}

// In midfield a pass to a team-mate's feet in front of their line went
// before the ball behind it, and the runner beyond their defenders was
// never found: with both on, the ball goes behind their line.
TEST_F(TeamPlayTest, InMidfieldTheBallBehindTheirLineGoesBeforeAPassToFeet)
{
  const struct
  {
    const char *name;
    Placed runner;  // x 999: none
    BallPlay play;
  } rows[] = {
      {"a runner with room behind their line", {19, 12}, BP_THROUGH},
      {"nobody to run behind it: the pass forward", {999, 0}, BP_PASS},
  };
  for (const auto &row : rows)
  {
    Fresh();
    memory().SetGPos(CVector(6, 0));
    RollBall(6.5f, 0);
    Mate(0, 12.5f, -6, 8);
    // Our back line well behind: midfield play, not our own third's.
    Mate(2, -30, -10, 2);
    Mate(3, -30, 10, 3);
    if (row.runner.x < 999)
      Mate(1, row.runner.x, row.runner.y, 9);
    // Their goalkeeper and last defender make their line at 20.
    Foe(0, 51, 0, 1);
    Foe(1, 20, -25, 2);
    Pass();
    EXPECT_EQ(AS_WITH_BALL, brain().GetActionState()) << row.name;
    EXPECT_EQ(row.play, brain().GetBallPlay()) << row.name;
  }
}

// In matches our forwards stood marking at the halfway line while we had
// the ball deep in our half, and a pass forward found nobody free.
TEST_F(TeamPlayTest, WithOurBallMidfieldersAndForwardsGoAheadOfItIntoRoom)
{
  const struct
  {
    const char *name;
    int unum;     // 7 in midfield, 10 up front
    Placed ball;  // a team-mate has it
    Placed foe;   // x 999: none
    float lowX, highX;
    bool laneOpen = true;  // with an opponent: the way from the ball to him is open
  } rows[] = {
      // A forward 30 m ahead of the ball stood 5 m behind their line, and
      // every ball behind their defenders was theirs first.
      {"forward, ball deep in our half: at their line", 10, {-20, 0}, {999, 0}, 17, 19},
      {"midfielder, ball deep in our half", 7, {-20, 0}, {999, 0}, -14, -6},
      {"forward, their line close ahead of the ball", 10, {10, 0}, {999, 0}, 0, 19},
      // Far up, the way from the ball is long and closed by anyone near
      // it; room from the opponent counts.
      {"forward, an opponent where he would stand", 10, {-20, 0}, {19, 0}, 0, 19, false},
      {"midfielder, an opponent on the way from the ball", 7, {-20, 0}, {-15, 0}, -18, -2},
  };
  for (const auto &row : rows)
  {
    Fresh();
    agent->SetUNum(row.unum);
    memory().SetUNum(row.unum);
    memory().SetGPos(CVector(5, 20));
    RollBall(row.ball.x, row.ball.y);
    Mate(0, row.ball.x - 0.5f, row.ball.y, 4);
    if (row.foe.x < 999)
      Foe(2, row.foe.x, row.foe.y, 7);
    // Their goalkeeper and last defender make the offside line at 20.
    Foe(0, 51, 0, 1);
    Foe(1, 21, -25, 2);
    Pass();
    const CVector place = CAttackingPlace(brain()).AttackingPlace();
    EXPECT_GE(place.GetX(), row.lowX) << row.name;
    EXPECT_LE(place.GetX(), row.highX) << row.name;
    EXPECT_LE(place.GetX(), 20) << row.name;
    if (row.foe.x < 999)
    {
      EXPECT_GE(place.dist(CVector(row.foe.x, row.foe.y)), 4) << row.name;
      if (row.laneOpen)
      {
        EXPECT_TRUE(CAttackingPlace(brain()).LaneOpen(CVector(row.ball.x, row.ball.y), place,
                                     {CVector(row.foe.x, row.foe.y), CVector(51, 0), CVector(21, -25)})) << row.name;
      }
    }
  }
}

// A ball played in from the wing found our forwards out wide or level with
// it 20 m out: nobody of ours was in their area to meet it.
TEST_F(TeamPlayTest, WithOurBallOnTheWingTheForwardsRunIntoTheirArea)
{
  const struct
  {
    const char *name;
    int unum;  // 9 left, 10 middle, 11 right (y > 0)
    Placed ball;
    float lowX, highX, lowY, highY;
  } rows[] = {
      {"middle forward to the near post", 10, {40, 25}, 40, 45, 0, 7},
      {"far forward to the far post", 9, {40, 25}, 40, 45, -9, -1},
      {"near forward to the edge of the area", 11, {40, 25}, 34, 42, 2, 14},
      {"other wing: the far post is on the other side", 11, {40, -25}, 40, 45, 1, 9},
      {"ball still in midfield: the forward waits at their line", 10, {10, 25}, 40, 45, -12, 20},
  };
  for (const auto &row : rows)
  {
    Fresh();
    agent->SetUNum(row.unum);
    memory().SetUNum(row.unum);
    memory().SetGPos(CVector(30, 0));
    RollBall(row.ball.x, row.ball.y);
    Mate(0, row.ball.x - 0.5f, row.ball.y, 7);
    // Their goalkeeper, and the last defender in their area.
    Foe(0, 51, 0, 1);
    Foe(1, 46, -12, 2);
    Pass();
    const CVector place = CAttackingPlace(brain()).AttackingPlace();
    EXPECT_GE(place.GetX(), row.lowX) << row.name;
    EXPECT_LE(place.GetX(), row.highX) << row.name;
    EXPECT_GE(place.GetY(), row.lowY) << row.name;
    EXPECT_LE(place.GetY(), row.highY) << row.name;
    // Onside.
    EXPECT_LE(place.GetX(), std::fmax(45.0f, row.ball.x)) << row.name;
  }
}

// While they had the ball in midfield our forwards stood 10-15 m behind
// their line: every ball won and played forward was theirs again first.
TEST_F(TeamPlayTest, WithTheirBallForwardsWaitNearTheirLine)
{
  const struct
  {
    const char *name;
    int unum;
    Placed ball;
    float expectedX;  // of the place (4, -10) given
  } rows[] = {
      {"forward, their ball in midfield: up to their line", 10, {5, 0}, 19},
      {"forward, their ball in our half: 25 m ahead of it", 10, {-10, 0}, 15},
      {"forward, their ball deep in our half: his own place", 10, {-35, 0}, 4},
      {"midfielder: his own place", 7, {-10, 0}, 4},
  };
  for (const auto &row : rows)
  {
    Fresh();
    agent->SetUNum(row.unum);
    memory().SetUNum(row.unum);
    memory().SetGPos(CVector(0, -10));
    RollBall(row.ball.x, row.ball.y);
    Foe(2, row.ball.x + 0.5f, row.ball.y, 7);
    // Their goalkeeper and last defender make the offside line at 20.
    Foe(0, 51, 0, 1);
    Foe(1, 21, -25, 2);
    Pass();
    const CVector place = brain().UpAtTheirLine(CVector(4, -10));
    EXPECT_NEAR(row.expectedX, place.GetX(), 0.01f) << row.name;
    EXPECT_NEAR(-10, place.GetY(), 0.01f) << row.name;
  }
}

// Our winger beating his man down the line in their third counted as their
// ball: our forwards stood 15 m out and wide, none in their area, while he
// got past. With one of ours at the ball there they go into it; with none,
// or in midfield, they wait at their line as before.
TEST_F(TeamPlayTest, WithOurManFightingForTheBallInTheirThirdForwardsGoIntoTheirArea)
{
  const struct
  {
    const char *name;
    Placed ball, mate;
    bool inTheArea;
  } rows[] = {
      {"our winger and their defender at the ball out wide", {38, -22}, {37.6f, -21.2f}, true},
      {"our man at the ball before their area", {34, 5}, {33.4f, 4.6f}, true},
      {"their defender alone at it", {38, -22}, {20, -22}, false},
      {"our man fighting for it in midfield", {5, -10}, {4.6f, -10.5f}, false},
  };
  for (const auto &row : rows)
  {
    Fresh();
    agent->SetUNum(10);
    memory().SetUNum(10);
    memory().SetGPos(CVector(30, -5));
    RollBall(row.ball.x, row.ball.y);
    Mate(3, row.mate.x, row.mate.y, 9);
    Foe(2, row.ball.x + 0.5f, row.ball.y + 0.5f, 5);
    // Their goalkeeper and last defender make the offside line at 44.
    Foe(0, 51, 0, 1);
    Foe(1, 45, 12, 2);
    Pass();
    const CVector place = brain().UpAtTheirLine(CVector(4, -10));
    // Before their goal, not at his own place's 10 m out to the side.
    const bool inTheArea = place.GetX() > 52.5f - 16.5f && std::fabs(place.GetY()) < 8;
    EXPECT_EQ(row.inTheArea, inTheArea) << row.name << " at " << place.GetX() << ", " << place.GetY();
    // Always onside.
    EXPECT_LE(place.GetX(), 44) << row.name;
  }
}

// The kick-off to the midfielder beside the taker was lost within three
// touches six times in seven, their forwards on him from the centre
// circle's edge; back to a defender with room it was kept.
TEST_F(TeamPlayTest, TheKickOffGoesToATeamMateWithRoom)
{
  const struct
  {
    const char *name;
    std::vector<Placed> foes;  // on the centre circle's edge
    float lowDir, highDir;     // the kick's way, on the pitch
  } rows[] = {
      {"nobody of theirs near the midfielder: to him", {{9.5f, 0}, {1, 9.5f}}, -160, -140},
      {"one of theirs 8 m from him: back to the defender", {{9.5f, 0}, {1, -9.5f}}, 140, 170},
  };
  for (const auto &row : rows)
  {
    Fresh();
    Referee("kick_off_l");
    RollBall(0.5f, 0);
    Mate(0, -7, -4, 7);
    Mate(1, -14, 6, 3);
    int unum = 9;
    for (const Placed &f : row.foes)
    {
      Foe(unum - 9, f.x, f.y, unum);
      unum++;
    }
    const ACTIONQUEUE q = Pass();
    ASSERT_EQ(CMD_KICK, q.command) << row.name;
    const float dir = brain().NormaliseAngle(KickDir(q));
    EXPECT_GE(dir, row.lowDir) << row.name;
    EXPECT_LE(dir, row.highDir) << row.name;
  }
}

TEST_F(TeamPlayTest, OurSetPlaysAreTakenByTheNearestInOneKick)
{
  const struct
  {
    const char *name, *call;
    Placed ball, mate;
    float lowDir, highDir;
  } rows[] = {
      {"kick-off to a mate", "kick_off_l", {0.5f, 0}, {-9, -5}, -180, -90},
      {"corner into the middle", "corner_kick_l", {0.5f, 0}, {999, 0}, -180, 180},
      {"free kick up the pitch", "free_kick_l", {0.5f, 0}, {999, 0}, -45, 45},
  };
  for (const auto &row : rows)
  {
    Fresh();
    Referee(row.call);
    RollBall(row.ball.x, row.ball.y);
    Others(row.mate);
    const ACTIONQUEUE q = Pass();
    EXPECT_EQ(AS_TAKE_SET_PLAY, brain().GetActionState()) << row.name;
    ASSERT_EQ(CMD_KICK, q.command) << row.name;
    EXPECT_GE(KickDir(q), row.lowDir) << row.name;
    EXPECT_LE(KickDir(q), row.highDir) << row.name;
  }
  // Nobody took it: after a while the second nearest goes as well.
  Referee("kick_in_l");
  RollBall(10, 34);
  Mate(0, 12, 30, 7);
  Pass();
  EXPECT_EQ(AS_OFFENSE_POSITION, brain().GetActionState());
  memory().SetTime(40);
  Pass();
  EXPECT_EQ(AS_TAKE_SET_PLAY, brain().GetActionState());
}

TEST_F(TeamPlayTest, EveryPassInPlayFillsTheMainCommandAndTheHalfsEndSaysBye)
{
  // Roles by number: 3 defends, 7 is in midfield, 10 up front.
  const int numbers[] = {3, 7, 10};
  const Placed balls[] = {{0.5f, 0}, {5, 5}, {30, -20}, {-40, 10}, {0, 0}};
  for (int unum : numbers)
    for (const Placed &b : balls)
      for (float stamina : {3500.0f, 1200.0f})
      {
        Fresh();
        agent->SetUNum(unum);
        RollBall(b.x, b.y);
        Mate(0, b.x + 3, b.y + 1, 2);
        Foe(0, b.x - 2, b.y, 4);
        Stamina(stamina);
        const ACTIONQUEUE q = Pass();
        EXPECT_EQ(10, q.time);
        EXPECT_NE(CMD_NONE, q.command) << unum << " ball " << b.x << "," << b.y << " stamina "
                                       << stamina << " state " << brain().GetActionState();
      }
  // The referee stops the clock: the cycle's bundle went, and another pass
  // in the same cycle sends nothing more.
  Fresh();
  RollBall(5, 5);
  EXPECT_NE(CMD_NONE, Pass().command);
  EXPECT_FALSE(brain().ClockStandsAfterBundle(PM_PLAY_ON, PM_PLAY_ON));
  brain().SendAllActions(10);
  EXPECT_TRUE(brain().ClockStandsAfterBundle(PM_PLAY_ON, PM_PLAY_ON));
  EXPECT_FALSE(brain().ClockStandsAfterBundle(PM_PLAY_ON, PM_HALF_TIME));
  Referee("half_time");
  EXPECT_EQ(CMD_BYE, Pass().command);
}

TEST_F(TeamPlayTest, BeforeKickOffThePlaceIsTakenOutsideTheirCentreCircle)
{
  // Number 10 kicks off from beside the ball, but not at their kick-off.
  TearDown();
  BrainWorldTest::SetUp();
  agent->SetUNum(10);
  ACTIONQUEUE q = Pass();
  ASSERT_EQ(CMD_MOVE, q.command);
  EXPECT_EQ(-1, q.move_x);
  EXPECT_EQ(1, q.move_y);
  agent->SetSide('r');
  brain().SendAllActions(0);
  q = Pass();
  ASSERT_EQ(CMD_MOVE, q.command);
  EXPECT_GE(q.move_x * q.move_x + q.move_y * q.move_y, 9.15 * 9.15);
}
}

TEST_F(TeamPlayTest, TheKickOffTakerLeavesTheBallUntilAnotherPlaysIt)
{
  // The ball's velocity one and two cycles after the kick; the call and the
  // opponent (x 999: none) come with the second.
  const struct
  {
    const char *name, *call;
    float x;
    CVector vel[2];
    Placed foe;
    bool barred;
  } rows[] = {
      {"still at my feet", "play_on", 0.5f, {}, {999, 0}, true},
      {"rolling on", "play_on", 3, {CVector(1, 0), CVector(0.94f, 0)}, {999, 0}, true},
      {"an opponent at it", "play_on", 3, {}, {3.5f, 0}, false},
      {"turned by somebody", "play_on", 3, {CVector(1, 0), CVector(-1, 0)}, {999, 0}, false},
      {"a new call", "kick_in_l", 0.5f, {}, {999, 0}, false},
  };
  for (const auto &row : rows)
  {
    Fresh();
    Referee("kick_off_l");
    RollBall(0.5f, 0);
    Others({-9, -5});
    ACTIONQUEUE q = Pass();
    ASSERT_EQ(CMD_KICK, q.command) << row.name;
    for (int t = 11; t <= 12; t++)
    {
      brain().SendAllActions(-1);
      memory().SetTime(t);
      Referee(t == 11 ? "play_on" : row.call);
      RollBall(row.x, 0, row.vel[t - 11]);
      memory().GetNonConstBall()->SetTime(t);
      Others({-9, -5}, t == 12 ? row.foe : Placed{999, 0});
      q = Pass();
    }
    EXPECT_EQ(row.barred, brain().TouchedLastInSetPlay()) << row.name;
    EXPECT_TRUE(!row.barred || q.command != CMD_KICK) << row.name;
    // Running into the ball would touch it too.
    brain().TouchGate(CMD_DASH, 100);
    EXPECT_TRUE(!row.barred || brain().GetQueue().power == (row.x < 1 ? 0 : 100)) << row.name;
  }
}

// The kick-off's taker runs up facing away and sees the ball again only
// cycles later: a ball coming back to him then was played by somebody, and
// he may play it; one that rolled on as his kick sent it, only decayed,
// was not. Seen in matches: the return pass rolled by him, to their forward.
TEST_F(TeamPlayTest, TheKickOffTakerSeeingTheBallAgainAfterCyclesUnseenKnowsWhetherItWasPlayed)
{
  const struct
  {
    const char *name;
    bool seenAfterKick;  // seen rolling away the cycle after his kick
    int unseen;
    CVector velAgain;
    bool barred;
  } rows[] = {
      {"rolled on, six cycles unseen", true, 6, CVector(1.5f * 0.6485f, 0), true},
      {"rolled on, twenty cycles unseen", true, 20, CVector(1.5f * 0.2727f, 0), true},
      {"played back, six cycles unseen", true, 6, CVector(-1.2f, 0.3f), false},
      {"played across, twenty cycles unseen", true, 20, CVector(0.2f, 1.1f), false},
      {"played back, a cycle unseen", true, 1, CVector(-1.2f, 0.3f), false},
      // Only the ball lying for the kick was seen before: his own kick is no
      // one else's touch.
      {"rolled on, not seen since it lay for the kick", false, 6, CVector(1.5f * 0.6485f, 0), true},
  };
  for (const auto &row : rows)
  {
    Fresh();
    Referee("kick_off_l");
    RollBall(0.5f, 0);
    memory().GetNonConstBall()->SetTime(memory().GetTime());
    Others({-9, -5});
    ACTIONQUEUE q = Pass();
    ASSERT_EQ(CMD_KICK, q.command) << row.name;
    brain().SendAllActions(-1);
    // Seen rolling away once, or not, then not while he runs up facing away.
    memory().SetTime(11);
    Referee("play_on");
    if (row.seenAfterKick)
    {
      RollBall(2, 0, CVector(1.5f, 0));
      memory().GetNonConstBall()->SetTime(11);
    }
    Pass();
    for (int t = 12; t <= 11 + row.unseen; t++)
    {
      brain().SendAllActions(-1);
      memory().SetTime(t);
      Pass();
    }
    brain().SendAllActions(-1);
    const int again = 12 + row.unseen;
    memory().SetTime(again);
    RollBall(12, 0, row.velAgain);
    memory().GetNonConstBall()->SetTime(again);
    Pass();
    EXPECT_EQ(row.barred, brain().TouchedLastInSetPlay()) << row.name;
  }
}

// The narrow view of a chase or of the ball at his feet sees too little of
// the field once the ball is another's: off the ball the view widens again,
// and only then.
TEST_F(TeamPlayTest, OffTheBallTheNarrowViewOfAChaseWidensAgain)
{
  const struct
  {
    const char *name;
    Placed ball, mate;
    ActionState state;
    bool widened;
  } rows[] = {
      {"our ball far away", {40, 3}, {40.5f, 3}, AS_OFFENSE_POSITION, true},
      {"a mate at the ball", {8, 3}, {8.5f, 3}, AS_OFFENSE_SUPPORT, true},
      {"the ball at my feet", {0.5f, 0}, {999, 0}, AS_WITH_BALL, false},
  };
  for (const auto &row : rows)
  {
    Fresh();
    Body(0, 0, "narrow");
    RollBall(row.ball.x, row.ball.y);
    Others(row.mate);
    const ACTIONQUEUE q = Pass();
    ASSERT_EQ(row.state, brain().GetActionState()) << row.name;
    EXPECT_EQ(row.widened, q.change_view && std::string(q.view_width) == "normal") << row.name;
    EXPECT_EQ(row.widened ? "normal" : "narrow", std::string(memory().GetSB().view_width)) << row.name;
  }
}

// Who of two team-mates presses an opponent on the ball: the nearer; at the
// same distance both go, rather than both holding back for the other.
TEST_F(TeamPlayTest, AtEqualDistanceFromTheirBallNeitherHoldsBackForTheOther)
{
  const struct
  {
    const char *name;
    Placed mate;  // x 999: none
    bool press;
  } rows[] = {
      {"alone", {999, 0}, true},
      {"the mate as far as I am", {12, 0}, true},
      {"the mate as far, on the other side", {6, 6}, true},
      // A step nearer on my side of him; one behind him must catch him up
      // first, and I go.
      {"the mate a step nearer", {1, 0}, false},
      {"the mate a step nearer, behind him", {11, 0}, true},
      {"the mate a step further", {13, 0}, true},
  };
  for (const auto &row : rows)
  {
    Fresh();
    RollBall(6, 0);
    Others(row.mate, {6.6f, 0});
    EXPECT_EQ(row.press, brain().AmIPressingTheirBall()) << row.name;
  }
  // Too far to press at all.
  Fresh();
  RollBall(30, 0);
  Others({999, 0}, {30.6f, 0});
  EXPECT_FALSE(brain().AmIPressingTheirBall());
}
