#ifndef BRAINRIG_H
#define BRAINRIG_H

// A brain wired to a recording agent whose players the test places itself:
// the player queries the brain asks through the mediator are answered here
// from the test's own lists, so the brain's decisions can be checked on
// exact situations.

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "AgentHarness.h"
#include "CBall.h"
#include "CBehaviours.h"
#include "CPlayer.h"
#include "PlayerInterface.h"

class RigBrain : public CBehaviours
{
public:
  explicit RigBrain(CMediator *mediator) : CBehaviours(mediator) {}

  CPlayer *GetClosestValidFoe2Me(int n) const override
  {
    const std::vector<CPlayer *> sorted = ByDistance(foes, GetGPos());
    return n >= 0 && n < static_cast<int>(sorted.size()) ? sorted[static_cast<size_t>(n)] : nullptr;
  }

  void SortValidFoes2Me(sorted_players &list) override { Fill(ByDistance(foes, GetGPos()), list); }
  void SortValidFriends2Me(sorted_players &list) override
  {
    Fill(ByDistance(mates, GetGPos()), list);
  }

  // Their offside line as a test sets it; unset, the world model's.
  float GetOffsideLine() const override
  {
    return std::isnan(offsideLine) ? CBehaviours::GetOffsideLine() : offsideLine;
  }

  // The first opponent, then team-mate, nearest first, inside the window of
  // distance and body-relative direction.
  CPlayer *GetPlayerWithin(float distTol, float dirTol, float dist, float dir) const override
  {
    for (const std::vector<CPlayer *> *group : {&foes, &mates})
      for (CPlayer *p : ByDistance(*group, GetGPos()))
      {
        const CVector rel = p->GetGPos() - GetGPos();
        const float rdir = NormaliseAngle(rel.GetDir() - GetBFacing());
        if (std::fabs(rel.GetMag() - dist) <= distTol + 0.001f &&
            std::fabs(NormaliseAngle(rdir - dir)) <= dirTol + 0.001f)
          return p;
      }
    return nullptr;
  }

  void DoSortyThing(int mask, BasePlayerCompare &compare, sorted_players &list) override
  {
    std::vector<CPlayer *> all;
    if (mask & 1)
      all.insert(all.end(), mates.begin(), mates.end());
    if (mask & 2)
      all.insert(all.end(), foes.begin(), foes.end());
    for (size_t i = 0; i + 1 < all.size(); i++)
      for (size_t j = i + 1; j < all.size(); j++)
        if (compare.Compare(*all[i], *all[j]) > 0)
          std::swap(all[i], all[j]);
    Fill(all, list);
  }

  CPlayer *TheirGoalie() override { return goalie; }

  std::vector<CPlayer *> foes;
  std::vector<CPlayer *> mates;
  CPlayer *goalie = nullptr;
  float offsideLine = NAN;

  using CBehaviours::m_BlockFoeTime;
  using CBehaviours::m_Kicking;
  using CBehaviours::m_OverrunBlocking;
  using CBehaviours::m_OffensiveTarget;
  using CBehaviours::m_Target;
  using CBehaviours::m_CurrentFixPlan;
  using CBehaviours::m_FixPlanProgress;
  using CBehaviours::m_FixPlans;
  using CBehaviours::m_NumFixPlans;
  using CBehaviours::m_SetPlayTouch;
  using CBehaviours::m_Passing;
  using CBehaviours::m_FieldRules;
  using CBehaviours::KickAccelAt;
  using CBehaviours::OneKickSpeedTowards;

private:
  static std::vector<CPlayer *> ByDistance(std::vector<CPlayer *> group, CVector from)
  {
    std::vector<CPlayer *> valid;
    for (CPlayer *p : group)
      if (p->GetPositionValid())
        valid.push_back(p);
    std::stable_sort(valid.begin(), valid.end(), [&](CPlayer *a, CPlayer *b) {
      return a->GetGPos().dist(from) < b->GetGPos().dist(from);
    });
    return valid;
  }

  static void Fill(const std::vector<CPlayer *> &players, sorted_players &list)
  {
    list.count = 0;
    for (CPlayer *p : players)
      if (list.count < sorted_players::MAX_ENTRIES)
        list.players[list.count++] = p;
  }
};

// Cycle 42, side 'l', play on, full stamina, view normal; the agent at the
// origin facing along x with the ball unknown.
class BrainRig : public AgentFixture
{
protected:
  void SetUp() override
  {
    AgentFixture::SetUp();
    agent->SetTime(42);
    agent->SetSide('l');
    agent->SetUNum(9);
    agent->SetSB(RestedBody());
    NewBrain();
    Referee("play_on");
    Place(CVector(0, 0), 0);
  }

  void TearDown() override
  {
    brain.reset();
    AgentFixture::TearDown();
  }

  // A new brain on the agent, its start-up lines kept quiet.
  template <typename B = RigBrain> B *NewBrain()
  {
    brain.reset();
    testing::internal::CaptureStdout();
    B *fresh = new B(agent.get());
    brain.reset(fresh);
    brain->Init(config);
    testing::internal::GetCapturedStdout();
    return fresh;
  }

  void Referee(const char *call)
  {
    char text[64];
    std::strncpy(text, call, sizeof text - 1);
    text[sizeof text - 1] = '\0';
    agent->S2PWritePlayMode(text);
  }

  void Place(CVector pos, float facing, CVector velocity = CVector())
  {
    agent->SetGPos(pos);
    agent->SetBFacing(facing);
    agent->SetFacing(facing);
    agent->SetVelocity(velocity);
  }

  void Ball(CVector pos, CVector velocity = CVector(), bool velocityKnown = true)
  {
    CBall *ball = agent->M2BReadNonConstBall();
    ball->SetGPos(pos);
    ball->SetConf(1);
    ball->SetVelocity(velocity);
    ball->SetVelConf(velocityKnown ? 1 : 0);
  }

  CPlayer *Player(CVector pos, char side, float conf = 1)
  {
    players.emplace_back(new CPlayer());
    CPlayer *p = players.back().get();
    p->Init(static_cast<int>(players.size()), side, 0.3f, 0.4f, 1.0f, 0.4f);
    p->SetGPos(pos);
    p->SetConf(conf);
    p->SetTime(42);
    return p;
  }

  CPlayer *Foe(CVector pos, float conf = 1)
  {
    CPlayer *p = Player(pos, 'r', conf);
    brain->foes.push_back(p);
    return p;
  }

  CPlayer *Mate(CVector pos)
  {
    CPlayer *p = Player(pos, 'l');
    brain->mates.push_back(p);
    return p;
  }

  ACTIONQUEUE Queue() { return brain->GetQueue(); }

  std::unique_ptr<RigBrain> brain;
  std::vector<std::unique_ptr<CPlayer>> players;
};

#endif
