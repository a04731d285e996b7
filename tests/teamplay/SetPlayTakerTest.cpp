// Who takes our set play, asked at every site that asks it (the field
// player's state, the plans' choice, the goalkeeper's kick, the rule
// itself), and the taker's one kick, however it was seen, barring him once.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "../brain/BrainWorldFixture.h"
#include "Defaults.h"

namespace
{
struct Numbered
{
  int unum;
  float x, y;
};

class SetPlayTakerTest : public BrainWorldTest
{
protected:
  void Configure(MCDictIniSafe &config) override
  {
    primeini(config);
    config.insert("InitialiseFixPlans", "use_fix_plans", m_Plans ? 1 : 0);
  }

  // Player unum's own look at the set play, as its own process would have
  // it: whether it goes to take it, by each site's answer.
  struct Answers
  {
    bool rule, decided;
  };
  Answers Look(const char *call, CVector ball, const std::vector<Numbered> &players, int unum,
               int elapsed)
  {
    TearDown();
    SetUp();
    agent->SetUNum(unum);
    memory().SetTime(100);
    Referee(call);
    memory().SetTime(100 + elapsed);
    memory().SetLastVisualTime(100 + elapsed);
    RollBall(ball.GetX(), ball.GetY());
    int i = 0;
    for (const Numbered &p : players)
      if (p.unum == unum)
        memory().SetGPos(CVector(p.x, p.y));
      else
        Mate(i++, p.x, p.y, p.unum);
    const PlayMode previous = agent->playmode->GetPlayMode(false);
    const PlayMode current = agent->playmode->GetPlayMode(true);
    testing::internal::CaptureStdout();
    agent->Decide(previous, current);
    const std::string said = testing::internal::GetCapturedStdout();
    Answers a;
    // The plans that start at the ball are the Take... ones.
    const bool planAtBall = said.find("Set play Take") != std::string::npos;
    const ActionState state = brain().GetActionState();
    a.decided = state == AS_TAKE_SET_PLAY || (state == AS_FIX_PLAN && planAtBall) ||
                (unum == 1 && (planAtBall || brain().GetQueue().command == CMD_KICK));
    a.rule = brain().AmISetPlayTaker();
    return a;
  }

  bool m_Plans = false;
};

// The kick-in at (20, -34): number 9's home (27, -25) lies nearest, but 6
// and 7 stand nearer the ball. The plan's wait is 50 cycles, the patience
// of the rule 15.
TEST_F(SetPlayTakerTest, EverySiteNamesTheSameTaker)
{
  const std::vector<Numbered> kickIn = {{6, 18, -30}, {7, 10, -25}, {9, 27, -20}};
  const std::vector<Numbered> goalKick = {{1, -47.5f, -9.16f}, {2, -45, -12}, {3, -30, -8}};
  // Outside the area the goalkeeper, though nearer than 3, is no taker.
  const std::vector<Numbered> freeKick = {{1, -40, -20}, {2, -28, -28}, {3, -20, -12}};
  const struct
  {
    const char *name;
    bool plans;
    const char *call;
    CVector ball;
    const std::vector<Numbered> &players;
    int elapsed;
    std::set<int> takers;
  } rows[] = {
      {"plan: its taker by home, however far", true, "kick_in_l", {20, -34}, kickIn, 0, {9}},
      {"plan: still his while the plan waits", true, "kick_in_l", {20, -34}, kickIn, 50, {9}},
      {"plan waited out: the nearest", true, "kick_in_l", {20, -34}, kickIn, 51, {6}},
      {"plan waited out, untaken: the second too", true, "kick_in_l", {20, -34}, kickIn, 66, {6, 7}},
      {"no plan: the nearest", false, "kick_in_l", {20, -34}, kickIn, 0, {6}},
      {"no plan, untaken: the second too", false, "kick_in_l", {20, -34}, kickIn, 15, {6, 7}},
      {"no plan, untaken longer: the third too", false, "kick_in_l", {20, -34}, kickIn, 30, {6, 7, 9}},
      {"goal kick plan: the goalkeeper", true, "goal_kick_l", {-47, -9.16f}, goalKick, 6, {1}},
      {"goal kick, no plan: the nearest", false, "goal_kick_l", {-47, -9.16f}, goalKick, 6, {1}},
      {"goal kick, no plan, untaken", false, "goal_kick_l", {-47, -9.16f}, goalKick, 21, {1, 2}},
      {"free kick outside the area", false, "free_kick_l", {-30, -20}, freeKick, 0, {2}},
      {"outside the area, untaken", false, "free_kick_l", {-30, -20}, freeKick, 15, {2, 3}},
  };
  for (const auto &row : rows)
  {
    m_Plans = row.plans;
    for (const Numbered &p : row.players)
    {
      const Answers a = Look(row.call, row.ball, row.players, p.unum, row.elapsed);
      const bool expected = row.takers.count(p.unum) > 0;
      EXPECT_EQ(expected, a.rule) << row.name << ": number " << p.unum;
      EXPECT_EQ(expected, a.decided) << row.name << ": number " << p.unum;
    }
  }
}

// The taker's kick is seen by the gate that let it through and by the bundle
// that went, a pass later: either road alone bars him, and both together
// bar him once, from the kick's cycle. A touch that freed him is not undone
// by the other road's late word.
TEST_F(SetPlayTakerTest, TheTakersKickBarsHimOnceWhicheverRoadSawIt)
{
  const struct
  {
    const char *name;
    bool gate, bundle;
  } roads[] = {{"the gate only", true, false}, {"the bundle only", false, true}, {"both", true, true}};
  for (const auto &road : roads)
    for (bool freed : {true, false})
    {
      TearDown();
      SetUp();
      agent->SetUNum(6);
      memory().SetTime(10);
      memory().SetLastVisualTime(10);
      Referee("free_kick_l");
      RollBall(0.5f, 0);
      memory().GetNonConstBall()->SetTime(10);
      // The pass that notes the call is the one whose bundle is read back.
      if (road.bundle)
        brain().NoteSetPlayTouches();
      if (road.gate)
        brain().TouchGate(CMD_KICK, 50, 0);
      else
        brain().Kick(50, 0);
      ASSERT_EQ(CMD_KICK, brain().GetQueue().command) << road.name;
      brain().SendAllActions(-1);

      memory().SetTime(11);
      Referee("play_on");
      RollBall(2, 0, CVector(1.5f, 0));
      memory().GetNonConstBall()->SetTime(11);
      brain().NoteSetPlayTouches();
      EXPECT_TRUE(brain().TouchedLastInSetPlay()) << road.name;
      if (freed)
      {
        // A team-mate plays it, and the call's lag is not yet over.
        memory().SetTime(12);
        RollBall(3, 0);
        Mate(0, 3.3f, 0, 7);
        brain().NoteSetPlayTouches();
        EXPECT_FALSE(brain().TouchedLastInSetPlay()) << road.name;
        memory().SetTime(13);
        Mate(0, 30, 0, 7);
        brain().NoteSetPlayTouches();
        EXPECT_FALSE(brain().TouchedLastInSetPlay()) << road.name << ": barred again";
      }
      else
      {
        // Unseen touches aside, the bar lapses a hundred cycles from the kick.
        memory().SetTime(109);
        brain().NoteSetPlayTouches();
        EXPECT_TRUE(brain().TouchedLastInSetPlay()) << road.name;
        memory().SetTime(110);
        brain().NoteSetPlayTouches();
        EXPECT_FALSE(brain().TouchedLastInSetPlay()) << road.name;
      }
    }
}
}  // namespace
