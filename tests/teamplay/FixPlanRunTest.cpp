#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "BrainRig.h"
#include "Defaults.h"
#include "CFixPlanRunner.h"
#include "FixPlanCodes.h"

namespace
{
// The built-in plans on a scripted world: each Step is one decision pass.
class FixPlanRun : public BrainRig
{
protected:
  void Configure(MCDictIniSafe &config) override { primeini(config); }
  void SetUp() override
  {
    BrainRig::SetUp();
    brain->SetFormationID(0);
  }

  // The plan running after the pass at cycle t ("" for none); the plans'
  // start and end lines are kept in `said`.
  std::string Step(int t)
  {
    agent->SetTime(t);
    testing::internal::CaptureStdout();
    brain->ExecuteFixPlan();
    said += testing::internal::GetCapturedStdout();
    return Running();
  }
  std::string Running()
  {
    return brain->InFixPlan() ? std::string(brain->m_FixPlans[brain->m_CurrentFixPlan].name) : "";
  }
  void Call(int t, const char *call)
  {
    agent->SetTime(t);
    Referee(call);
  }
  // A fresh look by player unum, as if it were its own process.
  std::string FreshLook(int unum, int t)
  {
    agent->SetUNum(unum);
    brain->CheckFixPlans();
    brain->m_CurrentFixPlan = -1;
    return Step(t);
  }
  CPlayer *MateNo(int unum, CVector pos)
  {
    CPlayer *p = Mate(pos);
    p->SetUNum(unum);
    return p;
  }
  // Our goalkeeper's catch at cycle 100 and the free kick after it: the
  // first of us whose fresh look starts the runner's plan (12 if none).
  int RunnerAfterOurCatch()
  {
    Ball(CVector(-48, 0));
    Call(100, "goalie_catch_ball_l");
    Call(100, "free_kick_l");
    int unum = 2;
    while (unum <= 11 && FreshLook(unum, 100) != "GoToOAGCPos5")
      unum++;
    return unum;
  }
  int Command() { return Queue().time == agent->GetTime() ? Queue().command : CMD_NONE; }

  std::string said;
};
}

TEST_F(FixPlanRun, EveryBuiltInPlanUsesKnownCodesAndTheTwoWithoutSectionNeverRun)
{
  std::vector<std::string> empty;
  for (int i = 1; i <= brain->m_NumFixPlans; i++)
    if (brain->m_FixPlans[i].actions[1].type == FPA_NONE)
      empty.push_back(std::string(brain->m_FixPlans[i].name));
  EXPECT_EQ(empty, (std::vector<std::string>{"GoToATGCPos9", "GoToATGCPos11"}));

  // The built-in plans pass the check on their codes silently; a code no
  // table knows keeps its plan from running, with one line.
  int &trigger = brain->m_FixPlans[1].actions[2].triggers[1].type;
  for (int code : {trigger, 99})
  {
    trigger = code;
    testing::internal::CaptureStderr();
    brain->CheckFixPlans();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(code == 99, said.find("TakeGoalKickUp has the unknown trigger 99") != std::string::npos);
    EXPECT_EQ(code == 99, !said.empty());
  }
}

// The action table is what the run and the start-up check read: a code
// without a row is refused, and a row is complete for the one who runs it.
TEST_F(FixPlanRun, EveryActionCodeHasACompleteRowAndAnUnknownOneIsRefused)
{
  struct Row
  {
    int code;
    CFixPlanRunner::Runner runner;
    bool touches;
  };
  const Row rows[] = {
      {FPA_KICK, CFixPlanRunner::RUNNER_ANYONE, true},
      {FPA_GO_TO_POINT, CFixPlanRunner::RUNNER_POINT, false},
      {FPA_WAIT, CFixPlanRunner::RUNNER_ANYONE, false},
      {FPA_GO_TO_BALL, CFixPlanRunner::RUNNER_TAKER, false},
      {FPA_GO_TO_POSITIONER, CFixPlanRunner::RUNNER_POINT, false},
      {FPA_HOLD_BALL, CFixPlanRunner::RUNNER_ANYONE, true},
      {FPA_DRIBBLE, CFixPlanRunner::RUNNER_ANYONE, true},
  };
  for (const Row &r : rows)
  {
    const CFixPlanRunner::ACTIONROW *row = CFixPlanRunner::ActionRow(r.code);
    ASSERT_NE(row, nullptr) << r.code;
    EXPECT_EQ(row->runner, r.runner) << r.code;
    EXPECT_EQ(row->touches, r.touches) << r.code;
    EXPECT_NE(row->run, nullptr) << r.code;
    EXPECT_NE(row->outcome, nullptr) << r.code;
    EXPECT_EQ(row->point != nullptr, r.runner == CFixPlanRunner::RUNNER_POINT) << r.code;
  }
  // Only the kick goes without its triggers when the call grows old.
  EXPECT_TRUE(CFixPlanRunner::ActionRow(FPA_KICK)->goes_when_late);
  EXPECT_FALSE(CFixPlanRunner::ActionRow(FPA_GO_TO_BALL)->goes_when_late);
  // "No action" ends a plan: known, but nothing to run.
  ASSERT_NE(CFixPlanRunner::ActionRow(FPA_NONE), nullptr);
  EXPECT_EQ(CFixPlanRunner::ActionRow(FPA_NONE)->run, nullptr);

  int &action = brain->m_FixPlans[1].actions[2].type;
  for (int code : {3, 99})
  {
    EXPECT_EQ(CFixPlanRunner::ActionRow(code), nullptr) << code;
    action = code;
    testing::internal::CaptureStderr();
    brain->CheckFixPlans();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("TakeGoalKickUp has the unknown action " + std::to_string(code)),
              std::string::npos);
  }
}

TEST_F(FixPlanRun, OurGoalKickGoesToTheBallWaitsForTheReceiversAndPasses)
{
  Ball(CVector(-47, -9.16f));
  Place(CVector(-40, -9), 180);
  agent->SetUNum(1);
  Call(100, "goal_kick_l");
  // The goalkeeper's action state hands the pass to the plan.
  brain->SetRole();
  brain->DetermineEnvState(PM_PLAY_ON, PM_GOAL_KICK);
  brain->DetermineActionState();
  EXPECT_EQ(brain->GetActionState(), AS_FIX_PLAN);
  EXPECT_EQ(Step(100), "TakeGoalKickUp");
  // Out of sight for a moment, the ball is where it was last seen.
  agent->M2BReadNonConstBall()->SetConf(0.01f);
  EXPECT_EQ(Step(101), "TakeGoalKickUp");
  Ball(CVector(-47, -9.16f));

  Place(CVector(-46.4f, -9.16f), 180);
  EXPECT_EQ(Step(102), "TakeGoalKickUp");
  EXPECT_NE(Command(), CMD_KICK) << "waiting for the receivers";
  EXPECT_NE(Command(), CMD_NONE);

  MateNo(2, CVector(-45, -25));
  MateNo(3, CVector(-30, -30));
  Step(103);
  ASSERT_EQ(Command(), CMD_KICK);

  Ball(CVector(-46.5f, -11), CVector(0, -2));
  EXPECT_EQ(Step(104), "");
  EXPECT_NE(said.find("Set play TakeGoalKickUp ends: done"), std::string::npos);
  EXPECT_EQ(Step(105), "") << "not again before the next call";
}

// The plans' kicks went to the team-mate in the plan's box whoever stood at
// his side, and were lost: outside their third he gets the ball only when
// the pass is safe, else a free team-mate the one chooser names does.
TEST_F(FixPlanRun, OurGoalKickGoesToTheBoxsTeamMateOnlyWhenHeIsFree)
{
  const struct
  {
    const char *name;
    bool marked;
    int receiver;
  } rows[] = {
      {"the box's team-mate free", false, 2},
      {"the box's team-mate marked", true, 4},
  };
  for (const auto &row : rows)
  {
    SCOPED_TRACE(row.name);
    TearDown();
    SetUp();
    Ball(CVector(-47, -9.16f));
    agent->SetUNum(1);
    Place(CVector(-46.4f, -9.16f), 180);
    Call(100, "goal_kick_l");
    EXPECT_EQ(Step(100), "TakeGoalKickUp");
    MateNo(2, CVector(-45, -25));
    MateNo(3, CVector(-30, -30));
    MateNo(4, CVector(-32, -4));
    if (row.marked)
      Foe(CVector(-44, -24));
    int t = 101;
    for (; t < 120 && Command() != CMD_KICK; t++)
      Step(t);
    ASSERT_EQ(Command(), CMD_KICK);
    EXPECT_EQ(row.receiver, brain->m_Passing.receiver);
  }
}

TEST_F(FixPlanRun, AKickOfOursGoesWhenTheWaitRunsOut)
{
  Ball(CVector(-47, 9.16f));
  agent->SetUNum(1);
  Place(CVector(-46.4f, 9.16f), 0);
  Call(100, "goal_kick_l");
  EXPECT_EQ(Step(100), "TakeGoalKickDown");
  int t = 101;
  for (; t < 200 && Command() != CMD_KICK; t++)
    Step(t);
  EXPECT_EQ(t - 1, 150) << "kicked fixed_plan_max_wait_time cycles after the call";
}

// The plans that name no player share their points and the kick out by home
// position: every player works out the same sharing, so none gets two.
TEST_F(FixPlanRun, TheFieldPlayersShareTheSetPlayPointsOut)
{
  struct Row
  {
    const char *calls[2];
    CVector ball;
    const char *prefix;
    std::size_t points;
  } rows[] = {{{"goal_kick_r", nullptr}, CVector(47, 9.16f), "GoToDGKPos", 6},
              {{"goalie_catch_ball_l", "free_kick_l"}, CVector(-48, 0), "GoToOAGCPos", 9},
              {{"goalie_catch_ball_r", "free_kick_r"}, CVector(48, 0), "GoToATGCPos", 6},
              // The taker and the three runners.
              {{"kick_in_l", nullptr}, CVector(20, -34), "", 4}};
  int t = 100;
  for (const Row &row : rows)
  {
    Ball(row.ball);
    t += 100;
    for (const char *call : row.calls)
      if (call)
        Call(t, call);
    std::set<std::string> plans;
    for (int unum = 1; unum <= 11; unum++)
    {
      const std::string plan = FreshLook(unum, t);
      EXPECT_TRUE(unum != 1 || plan.empty()) << "the goalkeeper keeps his goal";
      if (!plan.empty())
      {
        EXPECT_EQ(plan.rfind(row.prefix, 0), 0u) << plan;
        EXPECT_TRUE(plans.insert(plan).second) << plan << " twice";
      }
    }
    EXPECT_EQ(plans.size(), row.points) << row.prefix;
  }
}

TEST_F(FixPlanRun, AfterOurGoalkeepersCatchTheRunnerWaitsOutThePlanThenEnds)
{
  const int unum = RunnerAfterOurCatch();
  ASSERT_LE(unum, 11);
  EXPECT_NE(Command(), CMD_NONE);

  Place(CVector(-30, -30), 0);
  Call(110, "play_on");
  Ball(CVector(-40, -10), CVector(1, -1));
  EXPECT_EQ(Step(110), "GoToOAGCPos5");
  EXPECT_EQ(brain->m_FixPlanProgress, 2);
  int t = 111;
  for (; t < 200 && Running() != ""; t++)
    Step(t);
  EXPECT_EQ(t - 1, 135) << "action 2 waits its 25 cycles";

  // With the ball already out of our end, action 2's moment has passed.
  Ball(CVector(-48, 0));
  Call(300, "goalie_catch_ball_l");
  Call(300, "free_kick_l");
  EXPECT_EQ(FreshLook(unum, 300), "GoToOAGCPos5");
  Call(310, "play_on");
  Ball(CVector(-10, -10), CVector(1, -1));
  EXPECT_EQ(Step(310), "");
  EXPECT_NE(said.find("GoToOAGCPos5 ends: passed by"), std::string::npos);
}

TEST_F(FixPlanRun, InPlayARunnerDefendsWhileTheBallIsTheirs)
{
  // Seen in matches: after our goal kick the runners stood at their points,
  // turning on the spot, for 30 cycles and more while the opponents took
  // the ball and scored.
  const int unum = RunnerAfterOurCatch();
  ASSERT_LE(unum, 11);
  brain->SetRole();
  Place(CVector(-30, -30), 0);
  Call(110, "play_on");
  const struct
  {
    const char *name;
    EnvState env;
    bool runs;
  } rows[] = {{"the ball ours", ENV_OUR_BALL, true}, {"the ball theirs", ENV_THEIR_BALL, false}};
  for (const auto &row : rows)
  {
    brain->SetEnvState(row.env);
    brain->DetermineActionState();
    EXPECT_EQ(row.runs, brain->GetActionState() == AS_FIX_PLAN) << row.name;
  }
}

TEST_F(FixPlanRun, OurCornerOnBothSidesIsTakenToTheNearPostRunner)
{
  const struct
  {
    float side;
    int taker;
    const char *take;
  } rows[] = {{-1, 6, "TakeCornerKickUP"}, {1, 8, "TakeCornerKickDOWN"}};
  int t = 100;
  for (const auto &row : rows)
  {
    t += 100;
    Ball(CVector(51.5f, 33 * row.side));
    Call(t, "corner_kick_l");
    Place(CVector(51, 33 * row.side), 0);
    EXPECT_EQ(FreshLook(row.taker, t), row.take);
    EXPECT_NE(Command(), CMD_KICK) << "waiting for the runners";
    MateNo(9, CVector(43.5f, 30 * row.side));
    MateNo(10, CVector(39.5f, 14 * row.side));
    MateNo(11, CVector(39.5f, -9 * row.side));
    Step(t + 1);
    EXPECT_EQ(Command(), CMD_KICK);
    brain->mates.clear();
  }
}

TEST_F(FixPlanRun, AWingerDribblesToTheCrossSpotHoldsTheBallAndCrosses)
{
  agent->SetUNum(9);
  Call(100, "play_on");
  Place(CVector(44, -22), 0);
  Ball(CVector(44.5f, -22));
  CPlayer *near = MateNo(10, CVector(38, -5));
  EXPECT_EQ(Step(101), "DribbleToCrossUp");

  Place(CVector(50, -25), 0);
  Ball(CVector(50.5f, -25));
  EXPECT_EQ(Step(102), "HoldBallUp");

  near->SetGPos(CVector(39.5f, -14));
  MateNo(11, CVector(39.5f, 9));
  EXPECT_EQ(Step(103), "CrossStage1Up");
  EXPECT_EQ(Command(), CMD_KICK);
  Ball(CVector(49, -23), CVector(-1.5f, 1.5f));
  EXPECT_EQ(Step(104), "");
  EXPECT_NE(said.find("CrossStage1Up ends: done"), std::string::npos);
}

// A plan's abort conditions, each on the winger's run to the cross spot: an
// opponent at the ball, any new call of the referee, or a set play of
// theirs ends it at once; without its condition the run goes on.
TEST_F(FixPlanRun, AnAbortConditionEndsThePlanOnlyWhenItHolds)
{
  const struct
  {
    const char *name;
    int abort;
    const char *call;  // "" for none
    bool foeOnBall;
    bool aborted;
  } rows[] = {
      {"their free kick", FPX_THEIR_SET_PLAY, "free_kick_r", false, true},
      {"our kick-in", FPX_THEIR_SET_PLAY, "kick_in_l", false, false},
      {"a new call", FPX_PLAY_MODE_CHANGED, "kick_in_l", false, true},
      {"play goes on", FPX_PLAY_MODE_CHANGED, "", false, false},
      {"an opponent on the ball", FPX_FOE_HAS_BALL, "", true, true},
      {"nobody else on the ball", FPX_FOE_HAS_BALL, "", false, false},
      {"their free kick, no condition", FPX_NONE, "free_kick_r", false, false},
  };
  int t = 100;
  for (const auto &row : rows)
  {
    t += 100;
    config.insert("DribbleToCrossUp", "action_1_abort_1", row.abort);
    NewBrain();
    brain->SetFormationID(0);
    agent->memory->InitPlayerArrays('l', config);
    agent->SetUNum(9);
    Call(t, "play_on");
    Place(CVector(44, -22), 0);
    Ball(CVector(44.5f, -22));
    brain->mates.clear();
    MateNo(10, CVector(38, -5));
    ASSERT_EQ(Step(t + 1), "DribbleToCrossUp") << row.name;
    said.clear();
    if (row.call[0] != '\0')
      Call(t + 2, row.call);
    if (row.foeOnBall)
    {
      CPlayer *foe = agent->memory->GetAFoe(0);
      foe->SetGPos(CVector(45, -22));
      foe->SetTime(t + 2);
      foe->SetConf(1);
      foe->SetUNum(4);
      foe->SetSide('r');
    }
    Step(t + 2);
    EXPECT_EQ(row.aborted, said.find("DribbleToCrossUp ends: aborted") != std::string::npos)
        << row.name << ": " << said;
    // Aborted, the run is over (another plan may start for a new call);
    // with play going on and nothing holding, it goes on.
    if (row.aborted || row.call[0] == '\0')
    {
      EXPECT_EQ(row.aborted, Running() != "DribbleToCrossUp") << row.name;
    }
  }
}

// The first plan made to hang on one trigger: it is chosen exactly when
// that trigger holds, whether the trigger is a call of the referee (read
// from the plans' short list) or anything else.
TEST_F(FixPlanRun, APlanHangingOnOneTriggerIsChosenExactlyWhenItHolds)
{
  Ball(CVector(10, 10));
  Place(CVector(0, 0), 0);
  const struct
  {
    int trigger;
    const char *calls[2];
    int lookAfter;
    bool chosen;
    int second;
  } rows[] = {{FPT_PLAY_ON, {"play_on", nullptr}, 0, true, FPT_NONE},
              {FPT_PLAY_ON, {"kick_in_l", nullptr}, 0, false, FPT_NONE},
              {FPT_OUR_KICK_IN, {"kick_in_l", nullptr}, 0, true, FPT_NONE},
              {FPT_OUR_KICK_IN, {"kick_in_r", nullptr}, 0, false, FPT_NONE},
              {FPT_AFTER_OUR_KICK_IN, {"kick_in_l", "play_on"}, 50, true, FPT_NONE},
              {FPT_AFTER_OUR_KICK_IN, {"kick_in_l", "play_on"}, 51, false, FPT_NONE},
              {FPT_AFTER_OUR_KICK_IN, {"kick_in_r", "play_on"}, 5, false, FPT_NONE},
              {FPT_THEIR_GOALIE_CATCH, {"goalie_catch_ball_r", "free_kick_r"}, 0, true, FPT_NONE},
              {FPT_THEIR_GOALIE_CATCH, {"free_kick_r", nullptr}, 0, false, FPT_NONE},
              {FPT_ME_IN_AREA, {"kick_in_r", nullptr}, 0, true, FPT_NONE},
              {FPT_ME_NOT_IN_AREA, {"play_on", nullptr}, 0, false, FPT_NONE},
              // A call after a trigger of another kind, in the fourth place.
              {FPT_ME_IN_AREA, {"kick_in_l", nullptr}, 0, true, FPT_OUR_KICK_IN},
              {FPT_ME_IN_AREA, {"kick_in_r", nullptr}, 0, false, FPT_OUR_KICK_IN},
              {FPT_PLAY_ON, {"play_on", nullptr}, 0, false, FPT_ME_NOT_IN_AREA}};
  int t = 100;
  for (const auto &row : rows)
  {
    FIXPLAN &plan = brain->m_FixPlans[1];
    plan.player = 7;
    for (FIXPLANTRIGGER &trigger : plan.actions[1].triggers)
      trigger = FIXPLANTRIGGER();
    plan.actions[1].triggers[1].type = row.trigger;
    plan.actions[1].triggers[1].area = FIXPLANAREA{CVector(0, 0), CVector(10, 10)};
    plan.actions[1].triggers[4].type = row.second;
    plan.actions[1].triggers[4].area = FIXPLANAREA{CVector(0, 0), CVector(10, 10)};
    t += 200;
    for (const char *call : row.calls)
      if (call)
        Call(t, call);
    const std::string chosen = FreshLook(7, t + row.lookAfter);
    EXPECT_EQ(chosen == std::string(plan.name), row.chosen) << row.trigger << " " << row.calls[0] << " " << chosen;
  }
}

// Triggers that read the pitch, in play: the box about the ball or fixed,
// the point, a team-mate named or anyone; a box a positioner gives is read
// from the plan itself.
TEST_F(FixPlanRun, APlanHangingOnATriggerOfThePitchIsChosenExactlyWhenItHolds)
{
  Ball(CVector(10, 10));
  Place(CVector(0, 0), 0);
  MateNo(4, CVector(3, 3));
  const struct
  {
    int trigger;
    int coord;
    CVector centre, size, pos;
    int player;
    const char *positioner;
    bool chosen;
  } rows[] = {{FPT_BALL_IN_AREA, FPC_BALL, CVector(0, 0), CVector(2, 2), CVector(), 0, "", true},
              {FPT_BALL_IN_AREA, FPC_BALL, CVector(5, 5), CVector(2, 2), CVector(), 0, "", false},
              {FPT_BALL_IN_AREA, 0, CVector(10, 10), CVector(2, 2), CVector(), 0, "", true},
              {FPT_MATE_IN_AREA, 0, CVector(0, 0), CVector(10, 10), CVector(), 0, "", true},
              {FPT_MATE_IN_AREA, 0, CVector(0, 0), CVector(10, 10), CVector(), 5, "", false},
              {FPT_NO_MATE_IN_AREA, 0, CVector(0, 0), CVector(10, 10), CVector(), 4, "", false},
              {FPT_NO_MATE_IN_AREA, 0, CVector(-20, 0), CVector(10, 10), CVector(), 0, "", true},
              {FPT_NOT_AT_POINT, 0, CVector(), CVector(), CVector(20, 0), 0, "", true},
              {FPT_NOT_AT_POINT, 0, CVector(), CVector(), CVector(0, 0), 0, "", false},
              {FPT_NOT_AT_POINT, FPC_BALL, CVector(), CVector(), CVector(-10, -10), 0, "", false},
              {FPT_ME_IN_AREA, 0, CVector(), CVector(), CVector(), 0, "BALL", true},
              {FPT_ME_NOT_IN_AREA, 0, CVector(), CVector(), CVector(), 0, "BALL", false}};
  int t = 100;
  for (const auto &row : rows)
  {
    FIXPLAN &plan = brain->m_FixPlans[1];
    plan.player = 7;
    for (FIXPLANTRIGGER &trigger : plan.actions[1].triggers)
      trigger = FIXPLANTRIGGER();
    FIXPLANTRIGGER &trigger = plan.actions[1].triggers[2];
    trigger.type = row.trigger;
    trigger.coord_type = row.coord;
    trigger.area = FIXPLANAREA{row.centre, row.size};
    trigger.pos = row.pos;
    trigger.player = row.player;
    if (row.positioner[0] != '\0')
    {
      trigger.mcarea.name = row.positioner;
      trigger.mcarea.positioner = FindPositioner(row.positioner);
      trigger.mcarea.a = 30;
      trigger.mcarea.b = 30;
    }
    t += 200;
    Call(t, "play_on");
    const std::string chosen = FreshLook(7, t);
    EXPECT_EQ(chosen == std::string(plan.name), row.chosen) << row.trigger << " " << chosen;
  }
}

// In play a runner of our plan with the ball at his feet 16 m out and
// their goal open held it for the plan's next step: a shot that is on goes
// first. With both corners shut before the ball the plan goes on.
TEST_F(FixPlanRun, InPlayAShotThatIsOnBeatsThePlan)
{
  const struct
  {
    const char *name;
    bool shut;
  } rows[] = {{"the goal open", false}, {"both corners shut at his feet", true}};
  for (const auto &row : rows)
  {
    NewBrain();
    brain->SetFormationID(0);
    const int unum = RunnerAfterOurCatch();
    ASSERT_LE(unum, 11) << row.name;
    brain->SetRole();
    Call(110, "play_on");
    brain->DetermineEnvState(PM_PLAY_ON, PM_PLAY_ON);
    Place(CVector(36.5f, 2), 0);
    Ball(CVector(37, 2));
    agent->M2BReadNonConstBall()->SetTime(110);
    brain->goalie = Foe(CVector(51, 4));
    if (row.shut)
    {
      Foe(CVector(38.2f, 1.6f));
      Foe(CVector(38.2f, 3));
    }
    brain->SetActionState(AS_FIX_PLAN);
    ASSERT_EQ(Running(), "GoToOAGCPos5") << row.name;
    brain->m_FieldRules.RunMyFixPlan();
    EXPECT_EQ(!row.shut, brain->GetBallPlay() == BP_SHOOT && Command() == CMD_KICK) << row.name;
  }
}
