// The gate every kick and dash of the decision pass goes through, route by
// route; the bundle's own Dash and Kick queue what they are asked.

#include <gtest/gtest.h>

#include "BrainRig.h"
#include "CTouchGate.h"

namespace
{
using TouchGateTest = BrainRig;

// Each route through the gate: what it queues and what it answers (the
// stand-off is driven below).
TEST_F(TouchGateTest, EveryRouteThroughTheGate)
{
  const struct
  {
    const char *name;
    CMDType kind;
    CVector ball;      // where the ball lies (the agent is at 0,0 facing 0)
    int unseen;        // cycles since the ball was seen; -1: not known at all
    bool barred;       // the agent took our set play and nobody touched it since
    int answer;        // what the gate returns
    CMDType queued;    // the main command it leaves queued (CMD_NONE: none)
    float power;       // its power, for a dash or a kick
  } rows[] = {
      {"dash, nobody barred", CMD_DASH, CVector(0.7f, 0), 0, false, 1, CMD_DASH, 80},
      {"barred kicker's dash into the ball stops", CMD_DASH, CVector(0.7f, 0), 0, true, 1, CMD_DASH, 0},
      {"barred kicker's dash clear of the ball", CMD_DASH, CVector(0, 5), 0, true, 1, CMD_DASH, 80},
      {"kick, ball surely in reach", CMD_KICK, CVector(0.7f, 0), 0, false, 1, CMD_KICK, 80},
      {"kick, ball just out of reach: a step", CMD_KICK, CVector(1.4f, 0), 0, false, 1, CMD_DASH, -1},
      {"kick, ball not known", CMD_KICK, CVector(0.7f, 0), -1, false, 0, CMD_NONE, 0},
      {"neither kick nor dash", CMD_TURN, CVector(0.7f, 0), 0, false, 0, CMD_NONE, 0},
  };
  int t = 50;
  for (const auto &row : rows)
  {
    t += 10;
    agent->SetTime(t);
    Place(CVector(0, 0), 0);
    Ball(row.ball);
    CBall *ball = agent->M2BReadNonConstBall();
    ball->SetTime(row.unseen < 0 ? t - 20 : t - row.unseen);
    if (row.unseen < 0)
      ball->SetConf(0);
    brain->m_SetPlayTouch.took_kick = row.barred;
    brain->m_SetPlayTouch.kick_sent = t - 1;
    EXPECT_EQ(row.answer, brain->TouchGate(row.kind, 80, 0)) << row.name;
    const ACTIONQUEUE q = Queue();
    const CMDType queued = q.time == t ? q.command : CMD_NONE;
    EXPECT_EQ(row.queued, queued) << row.name;
    if (row.power >= 0 && queued != CMD_NONE)
    {
      EXPECT_FLOAT_EQ(row.power, q.power) << row.name;
    }
    brain->SendAllActions(-1);
  }

}

// A kick goes only for a ball the server surely has in reach; a ball only
// reckoned near is gone for instead.
TEST_F(TouchGateTest, AKickIsQueuedOnlyForABallSurelyInReach)
{
  struct Case
  {
    float dist;
    int unseen;      // cycles since the ball was seen
    bool collided;   // our motion went other than planned this cycle
    bool kicks;
    float foe = 0;   // an opponent this far beyond the ball, if any
    bool heard = false;  // placed by a team-mate's word
    bool velocityKnown = true;
    int collidedAgo = 0;  // cycles since the collision, when there was one
  } cases[] = {
      {1.04f, 0, false, true},  {1.06f, 0, false, false}, {0.9f, 1, false, true},
      {1.0f, 1, false, false},  {0.8f, 2, false, true},   {0.9f, 2, false, false},
      {0.7f, 1, true, false},   {0.7f, 0, true, true},    {0.7f, 0, false, false, 0, true},
      // One of theirs at it plays it next: kicked on the reckoning.
      {0.7f, 1, false, true, 1.1f}, {0.7f, 1, false, true, 1.3f}, {0.7f, 0, false, true, 0.5f},
      // One that ran past an opponent a cycle ago, who may have stopped it.
      {0.7f, 1, false, false, -2.5f},
      // Its motion not known: only a sighting in this cycle places it.
      {0.7f, 1, false, false, 0, false, false}, {0.7f, 0, false, true, 0, false, false},
      // A collision reckoned a cycle ago may have been none; two ago, the
      // sighting in between has placed the ball.
      {0.7f, 1, true, false, 0, false, true, 1}, {0.7f, 1, true, true, 0, false, true, 2},
  };
  for (const Case &c : cases)
  {
    brain->foes.clear();
    if (c.foe != 0)
      Foe(CVector(0, c.dist + c.foe));
    agent->SetTime(50);
    brain->SetLastCollisionTime(c.collided ? 50 - c.collidedAgo : -999);
    Ball(CVector(0, c.dist), CVector(0, c.foe < 0 ? 2 : 0), c.velocityKnown);
    CBall *ball = agent->M2BReadNonConstBall();
    ball->SetTime(50 - c.unseen);
    ball->SetHeardTime(c.heard ? 50 - c.unseen : -999);
    ball->SetConf(c.unseen == 0 ? 1.0f : 0.89f);
    brain->TouchGate(CMD_KICK, 50, 0);
    EXPECT_EQ(c.kicks, brain->GetQueue().command == CMD_KICK) << c.dist << " " << c.unseen;
    brain->SendAllActions(-1);
  }
  // A team-mate at a still ball who does not play it either: after a few
  // cycles the kick goes, or both wait till the referee drops the ball.
  brain->foes.clear();
  brain->mates.clear();
  Mate(CVector(0, 1.8f));
  for (int t = 60; t < 64; t++)
  {
    agent->SetTime(t);
    Ball(CVector(0, 0.7f));
    agent->M2BReadNonConstBall()->SetTime(t - 1);
    agent->M2BReadNonConstBall()->SetConf(0.89f);
    brain->TouchGate(CMD_KICK, 50, 0);
    EXPECT_EQ(t >= 60 + 3, brain->GetQueue().command == CMD_KICK) << t;
    brain->SendAllActions(-1);
  }
  brain->mates.clear();
}

// Seen in matches: with the ball at our man's feet and one of theirs at it,
// the gate turned our kick into a step in the doubt that he had played it,
// and he played it in the next cycle. Only the reckoning's drift holds a
// contested kick back; a team-mate at the ball still does.
TEST_F(TouchGateTest, ABallOneOfTheirsIsAtIsKickedOnTheReckoning)
{
  const struct
  {
    const char *name;
    float dist;      // the ball's distance, seen a cycle ago
    float other;     // another player this far beyond the ball
    bool mate;       // he is ours
    bool bumped;     // a bump reckoned this cycle
    bool kicks;
  } rows[] = {
      {"one of theirs within reach of it", 0.6f, 0.8f, false, false, true},
      {"one of theirs a dash from it", 0.6f, 1.4f, false, false, true},
      {"one of theirs at it, the ball at the edge of the drift", 0.9f, 0.8f, false, false, true},
      {"one of theirs at it, the ball beyond the drift", 1.0f, 0.8f, false, false, false},
      {"one of theirs at it, after a bump", 0.7f, 0.8f, false, true, true},
      {"a bump, nobody at it", 0.7f, 0, false, true, false},
      {"a team-mate at it", 0.6f, 0.8f, true, false, false},
  };
  int t = 200;
  for (const auto &row : rows)
  {
    t += 10;
    brain->foes.clear();
    brain->mates.clear();
    if (row.other > 0)
      row.mate ? Mate(CVector(0, row.dist + row.other)) : Foe(CVector(0, row.dist + row.other));
    agent->SetTime(t);
    Place(CVector(0, 0), 90);
    brain->SetLastCollisionTime(row.bumped ? t : -999);
    Ball(CVector(0, row.dist));
    CBall *ball = agent->M2BReadNonConstBall();
    ball->SetEGPos(CVector(0, row.dist));
    ball->SetEVelocity(CVector(0, 0));
    ball->SetTime(t - 1);
    ball->SetConf(0.89f);
    brain->TouchGate(CMD_KICK, 50, 0);
    EXPECT_EQ(row.kicks, Queue().time == t && Queue().command == CMD_KICK) << row.name;
    brain->SendAllActions(-1);
  }
  brain->foes.clear();
  brain->mates.clear();
}

// The server refuses a contested kick whenever his touch came first: the
// lost-command check tells such a kick, and only such, from a lost one.
TEST_F(TouchGateTest, AContestedKickSentIsToldApartFromOthers)
{
  const struct
  {
    const char *name;
    bool seenNow;    // the first decision's ball seen in this cycle
    bool sureAfter;  // a second decision of the cycle kicks a ball seen now
    bool sent;       // the bundle goes out
    bool contested;
  } rows[] = {
      {"kicked on the contested reckoning", false, false, true, true},
      {"kicked on a sighting", true, false, true, false},
      {"a later decision kicked on a sighting", false, true, true, false},
      {"the bundle never went", false, false, false, false},
  };
  int t = 400;
  for (const auto &row : rows)
  {
    t += 10;
    brain->foes.clear();
    Foe(CVector(0, 1.4f));
    agent->SetTime(t);
    Place(CVector(0, 0), 90);
    Ball(CVector(0, 0.6f));
    CBall *ball = agent->M2BReadNonConstBall();
    ball->SetTime(row.seenNow ? t : t - 1);
    ball->SetConf(row.seenNow ? 1.0f : 0.89f);
    brain->TouchGate(CMD_KICK, 50, 0);
    if (row.sureAfter)
    {
      ball->SetTime(t);
      ball->SetConf(1.0f);
      brain->TouchGate(CMD_KICK, 30, 0);
    }
    ASSERT_EQ(CMD_KICK, Queue().command) << row.name;
    brain->SendAllActions(row.sent ? t : -1);
    EXPECT_EQ(row.contested, brain->ContestedKickSent(t)) << row.name;
  }
  brain->foes.clear();
}

// A bump leaves a ball that came within our body at our feet, bounced or
// not: the carrier who took it for out of reach turned with the ball at his
// feet while one of theirs came in, in a third of the decisions with one of
// theirs at him. A ball at the edge of reach, one reckoned stopped by a
// bounce a cycle ago that came in fast, and one beside an opponent stay
// where a kick may be refused. One bounced now came from where the update
// last had it: one of theirs within reach of it there may have played it
// before it reached us, however far he is from our feet.
TEST_F(TouchGateTest, ABallWellInsideReachAfterABumpIsKickedAtOnce)
{
  const struct
  {
    const char *name;
    float dist;       // the ball's distance, seen a cycle ago
    int bumpedAgo;    // cycles since the bump
    float speed;      // the ball's speed as reckoned now (after a bounce)
    float foe;        // an opponent this far beyond the ball; 0: none
    bool kicks;
    float from = 0;   // how far off it came in from, straight at us; 0: it lay still
  } rows[] = {
      {"bumped now, at our feet", 0.4f, 0, 0, 0, true},
      {"bumped now, 0.55 m off", 0.55f, 0, 0.02f, 0, true},
      {"bumped now, at the edge of reach", 0.75f, 0, 0, 0, false},
      {"bumped a cycle ago, came in slowly", 0.4f, 1, 0.01f, 0, true},
      {"bumped a cycle ago, came in fast: it may have rolled on", 0.4f, 1, 0.12f, 0, false},
      {"bumped now, an opponent at the ball: he plays it next", 0.4f, 0, 0, 0.5f, true},
      {"bumped now, came in from beside an opponent", 0.4f, 0, 0.09f, 1.8f, false, 1.4f},
      {"bumped now, came in from well short of an opponent", 0.4f, 0, 0.09f, 2.6f, true, 1.4f},
  };
  int t = 300;
  for (const auto &row : rows)
  {
    t += 10;
    brain->foes.clear();
    if (row.foe != 0)
      Foe(CVector(0, row.dist + row.foe));
    agent->SetTime(t);
    Place(CVector(0, 0), 90);
    brain->SetLastCollisionTime(t - row.bumpedAgo);
    Ball(CVector(0, row.dist), CVector(0, row.speed));
    CBall *ball = agent->M2BReadNonConstBall();
    // What the update left before the bounce: the place it took the ball
    // to and the velocity it went on with.
    ball->SetEGPos(CVector(0, row.dist));
    ball->SetEVelocity(CVector(0, row.from > 0 ? row.dist - row.from : 0) * 0.94f);
    ball->SetTime(t - 1);
    ball->SetConf(0.89f);
    brain->TouchGate(CMD_KICK, 50, 0);
    EXPECT_EQ(row.kicks, Queue().time == t && Queue().command == CMD_KICK) << row.name;
    brain->SendAllActions(-1);
  }
  brain->foes.clear();
}

// A kick of ours leaves the ball where its replay says only up to the
// server's noise, and the sighting that measures it comes after the next
// decision: a match's R3 kicked at full power, reckoned the ball 0.83 m
// away a cycle later and kicked again, with the ball truly 1.02 m off.
TEST_F(TouchGateTest, TheNoiseOfOurOwnKickNotYetSeenKeepsTheNextKickBack)
{
  const struct
  {
    const char *name;
    float power;     // of our kick a cycle before
    int seenAfter;   // cycles the ball was seen after that kick went (0: not since)
    bool kicks;
  } rows[] = {
      {"full kick, not seen since: a step", 100, 0, false},
      {"soft touch, not seen since", 10, 0, true},
      {"full kick, seen since", 100, 1, true},
  };
  int t = 100;
  for (const auto &row : rows)
  {
    t += 10;
    agent->SetTime(t);
    Place(CVector(0, 0), 0);
    Ball(CVector(0.5f, 0));
    agent->M2BReadNonConstBall()->SetTime(t);
    brain->TouchGate(CMD_KICK, row.power, 0);
    ASSERT_EQ(CMD_KICK, Queue().command) << row.name;
    brain->SendAllActions(t);

    const int now = t + 1 + row.seenAfter;
    agent->SetTime(now);
    Ball(CVector(0.86f, 0), CVector(0.4f, 0));
    CBall *ball = agent->M2BReadNonConstBall();
    ball->SetTime(row.seenAfter > 0 ? now - 1 : t);
    ball->SetConf(0.89f);
    brain->TouchGate(CMD_KICK, 50, 0);
    EXPECT_EQ(row.kicks, Queue().time == now && Queue().command == CMD_KICK) << row.name;
    EXPECT_EQ(!row.kicks, Queue().time == now && Queue().command == CMD_DASH) << row.name;
    brain->SendAllActions(-1);
  }
}

// The noise's reach as the server draws it: kick_rand times the power
// share times a half each for the ball's spot and speed at their best,
// a whole each at their worst.
TEST(KickNoiseReachTest, FollowsTheServersDraw)
{
  const struct
  {
    float powerShare, rateShare, speedShare, reach;
  } rows[] = {
      {1, 1, 0, 0.1f},      {1, 0.5f, 1, 0.2f},   {0.5f, 1, 0, 0.05f},
      {1, 0.75f, 0.5f, 0.15f},  {-1, 1, 0, 0.1f},  {1, 0.2f, 3, 0.2f},
      {0, 0.5f, 1, 0},
  };
  for (const auto &row : rows)
    EXPECT_NEAR(row.reach, KickNoiseReach(0.1f, row.powerShare, row.rateShare, row.speedShare), 1e-6f)
        << row.powerShare << " " << row.rateShare << " " << row.speedShare;
}

// A still ball two of us stand at: after the wait only the one clearly
// nearer it kicks; the other kicked a cycle after him at a ball gone.
TEST_F(TouchGateTest, AStandOffBetweenTwoOfUsIsTheNearersToEnd)
{
  const struct
  {
    const char *name;
    float mate;  // the team-mate's distance from the ball (ours: 0.8)
    bool kicks;  // once the wait is over
  } rows[] = {
      {"team-mate clearly nearer", 0.45f, false},
      {"team-mate about as near", 0.7f, true},
      {"team-mate farther", 1.0f, true},
  };
  int t = 200;
  for (const auto &row : rows)
  {
    t += 20;
    brain->foes.clear();
    brain->mates.clear();
    Mate(CVector(row.mate, 0.8f));
    bool kicked = false;
    for (int i = 0; i < 6; i++)
    {
      agent->SetTime(t + i);
      Place(CVector(0, 0), 90);
      Ball(CVector(0, 0.8f));
      agent->M2BReadNonConstBall()->SetTime(t + i - 1);
      agent->M2BReadNonConstBall()->SetConf(0.89f);
      brain->TouchGate(CMD_KICK, 50, 0);
      kicked = kicked || (Queue().time == t + i && Queue().command == CMD_KICK);
      brain->SendAllActions(-1);
    }
    EXPECT_EQ(row.kicks, kicked) << row.name;
  }
  brain->mates.clear();
}

// The bundle's own operations apply none of the gate's rules.
TEST_F(TouchGateTest, TheBundlesDashAndKickQueueWhatTheyAreAsked)
{
  Place(CVector(0, 0), 0);
  Ball(CVector(0.7f, 0));
  brain->m_SetPlayTouch.took_kick = true;
  brain->m_SetPlayTouch.kick_sent = 41;
  EXPECT_EQ(1, brain->Dash(80));
  EXPECT_EQ(CMD_DASH, Queue().command);
  EXPECT_FLOAT_EQ(80, Queue().power);
  Ball(CVector(5, 0));
  EXPECT_EQ(1, brain->Kick(60, 30));
  EXPECT_EQ(CMD_KICK, Queue().command);
  EXPECT_FLOAT_EQ(60, Queue().power);
  EXPECT_FLOAT_EQ(30, Queue().angle);
}
}  // namespace
