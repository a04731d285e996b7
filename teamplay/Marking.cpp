// Marking: with the ball close to our goal, the opponents in front of it
// are taken goal-side, one marker each. Seen in matches: their striker
// stood free in front of our goal, level with or beyond a ball out on the
// wing, while our defenders kept their places in the back line, and the
// cross or the pass back from the goal line was a goal.
// With the ball in our half or just beyond it, their men in the middle of
// our half are taken as well by one of us near by. Seen in matches: most of their
// passes in our half were received there with none of us within 4 m, our
// nearest 6-10 m off on his place in the formation when the pass left, and
// a man who receives unpressed turns and plays on at leisure.

#include <algorithm>
#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"
#include "GoalMarking.h"

namespace
{
// The ball this near our goal has every opponent near it marked.
const float kMarkingBallDist = 40;
// The farthest a marker runs to take his man.
const float kMarkReach = 25;
// Closer to the spot than this, the marker runs straight to it: sidestepping
// the man he marks would keep him off it for good.
const float kStraightToSpot = 5;
// The marker takes his spot ahead of a running man by this many cycles of
// his pace: where the man is when the marker's dash takes effect. Seen in
// matches: their striker ran at our goal from 25 m with his marker a metre
// goal-side; the marker, on his spot, turned to the ball, the striker went
// past and shot from 10 m with the marker behind him. Three cycles ahead
// left the man a few metres to receive in (0-5 in six halves, 0-2 with one).
const int kMarkLeadCycles = 1;
// A marker still goal-side of a man seen running in at our goal takes his
// spot this many cycles of the run ahead: a step's lead is used up while he
// stands on the spot facing the ball, and the man is level before the
// marker has turned to go with him (seen in matches: goal-side markers
// stood in a third of the cycles of such runs, on the spot, and the man
// ran past). The man must be seen running, not reckoned to: a lead given
// to men seen standing sent markers metres deep and freed the shooter.
const int kRunWithLead = 3;
// Pace at our goal (metres a cycle) at which a man is taken to run in.
const float kRunningInPace = 0.3f;
// A man running in at our goal past his marker is met this many cycles of
// his run ahead at the most: about the pace a marker gains on him, from a
// couple of metres behind, before the man is at our goal.
const int kMostRunLead = 8;
// The pace of a run in at our goal (metres a cycle) a marker left behind
// reckons with when he saw less: watching the ball, he saw the man's pace
// in a few of the cycles of such runs (seen in matches: runs at 0.4-0.8 m a
// cycle that the marker held for a man standing).
const float kRunInPace = 0.6f;
// A pace from his change of place leads him this many cycles after the
// place it came from; a run may have turned since.
const int kPlacedPaceCycles = 3;
// A side's players: as many as either list holds.
const size_t kMostMarkers = 11;
// Their men short of this line (the half-way line) are marked while the
// ball is short of the next one: a quarter of their passes received in our
// half were played from just beyond the half-way line.
const float kMidfieldMarkX = 0;
const float kMidfieldMarkBallX = 10;
// The farthest one of us runs to take a man in the middle of our half: the
// man near him, not one across the pitch, whose leaving opens the room he
// stood in.
const float kMidfieldMarkReach = 10;

// Whether a man at `man` with this pace (metres a cycle) is running in at
// our goal.
bool RunsInAtOurGoal(CVector man, CVector pace, CVector goal)
{
  const CVector toGoal = goal - man;
  if (toGoal.GetMag() <= 0)
    return false;
  const CVector in = toGoal.SetLength(1);
  return pace.GetX() * in.GetX() + pace.GetY() * in.GetY() >= kRunningInPace;
}
}

const CPlayer *CBehaviours::OpponentIMark()
{
  const Role role = GetRole();
  if (role != ROLE_DEFENDER && role != ROLE_MIDFIELDER)
    return nullptr;
  const CBall *ball = M2BReadBall();
  const CVector goal(-m_PitchLength / 2, 0);
  if (!BallPositionValid())
    return nullptr;
  const bool nearGoal = ball->GetGPos().dist(goal) <= kMarkingBallDist;
  const bool midfieldMarked = ball->GetGX() < kMidfieldMarkBallX;
  if (!nearGoal && !midfieldMarked)
    return nullptr;
  const CPlayer *carrier = TheirBallCarrier();
  // Those of us free to mark: the defenders and midfielders but the one who
  // presses the carrier.
  // Grown once: the decision pass asks for the mark every cycle near our goal.
  std::vector<MarkerAt> markers;
  markers.reserve(kMostMarkers);
  markers.push_back({GetUNum(), GetGPos()});
  for (int i = 0; i < 11; i++)
  {
    const CPlayer *mate = GetAValidFriend(i);
    if (!mate)
      break;
    const int unum = mate->GetUNum();
    if (unum < 1 || unum > 11 || unum == GetUNum())
      continue;
    const Role r = GetRole(unum);
    if (r == ROLE_DEFENDER || r == ROLE_MIDFIELDER)
      markers.push_back({unum, mate->GetGPos()});
  }
  if (carrier)
  {
    size_t presser = 0;
    for (size_t m = 1; m < markers.size(); m++)
      if (PressDistance(markers[m].pos, carrier) < PressDistance(markers[presser].pos, carrier))
        presser = m;
    if (markers[presser].id == GetUNum())
      return nullptr;
    markers.erase(markers.begin() + static_cast<long>(presser));
    // The cover of the press has his own spot behind the presser.
    for (MarkerAt &m : markers)
      m.takesMidfield = !IsCoverOfThePress(m.id, m.pos);
  }
  std::vector<const CPlayer *> foes;
  std::vector<CVector> places;
  foes.reserve(kMostMarkers);
  places.reserve(kMostMarkers);
  for (int i = 0; i < 11; i++)
  {
    const CPlayer *foe = GetAValidFoe(i);
    if (!foe)
      break;
    if (foe == carrier || BallKickableForPlayer(foe, m_PlayerSize))
      continue;
    foes.push_back(foe);
    places.push_back(foe->GetGPos());
  }
  MarkingArea area{goal, nearGoal ? kGoalDangerDist : -1.0f, kMarkReach, m_BlockFoeDist};
  if (midfieldMarked)
  {
    area.midfieldX = kMidfieldMarkX;
    area.midfieldReach = kMidfieldMarkReach;
  }
  const int marked = FoeMarkedBy(GetUNum(), markers, places, area);
  return marked < 0 ? nullptr : foes[static_cast<size_t>(marked)];
}

int CBehaviours::MarkMyMan()
{
  const CPlayer *foe = OpponentIMark();
  if (!foe)
    return 0;
  const MarkingArea area{CVector(-m_PitchLength / 2, 0), kGoalDangerDist, kMarkReach, m_BlockFoeDist};
  // What is seen of a player's motion is his velocity after the cycle's
  // decay: his pace is that much more. A man the news of gave no pace is
  // led by his change of place, while that is fresh: held standing, a
  // striker running in behind the marker left him metres behind.
  CVector velocity = foe->GetVelocity();
  if (velocity.GetMag() < m_Epsilon && GetTime() - foe->GetPlacedTime() <= kPlacedPaceCycles)
    velocity = foe->GetPlacedPace();
  CVector pace = velocity / std::max(m_PlayerDecay, m_Epsilon);
  if (pace.GetMag() > m_PlayerSpeedMax)
    pace = pace.SetLength(m_PlayerSpeedMax);
  // The man may get the ball any moment: flat out, as far as stamina
  // allows.
  float power = CorrectDashPower4Stamina(static_cast<float>(m_MaxPower));
  if (power <= 0)
    power = m_StaminaIncMax;
  const CVector man = foe->GetGPos();
  // In front of our goal a marker left behind by a run chased the spot a
  // step ahead of the man and never got goal-side of him (seen in matches:
  // their man ran in at our goal at 0.4-0.8 m a cycle with our nearest one
  // or two metres behind him, and a ball from the wing found him free).
  // Where he cannot be on that spot in time, he cuts in further on the
  // man's way; and one the man has got goal-side of gets back goal-side
  // first, as if the man ran on in.
  const bool inDanger = man.dist(area.goal) <= kGoalDangerDist;
  const bool beaten = GetGPos().dist(area.goal) >= man.dist(area.goal);
  const CVector toGoal = area.goal - man;
  const bool cutsIn = inDanger && beaten && toGoal.GetMag() > m_Epsilon;
  const bool runsWith = inDanger && !beaten && RunsInAtOurGoal(man, pace, area.goal);
  if (cutsIn)
  {
    const CVector in = toGoal.SetLength(1);
    const float seen = pace.GetX() * in.GetX() + pace.GetY() * in.GetY();
    if (seen < kRunInPace)
      pace = pace + in * (kRunInPace - seen);
  }
  const CVector spot =
      inDanger
          ? RunMeetingSpot(man, pace, runsWith ? kRunWithLead : kMarkLeadCycles, kMostRunLead, area,
                           [&](CVector p) { return PredictedCycles2Point(p, power, m_MinDistToPoint); })
          : MarkingSpot(man, pace, kMarkLeadCycles, area);
  const float dist = GetGPos().dist(spot);
  // A man in the middle of our half is held from goal-side within a step
  // of where the marker would stand, facing the ball: stepping after every
  // small move of the man only turns the marker about. Held from further
  // off, he receives with the marker out of the press's reach (seen in
  // matches: markers standing at a place's slack, 2-5 m off their man when
  // the pass left, did not press the man).
  const bool goalSide = GetGPos().dist(area.goal) < man.dist(area.goal);
  if (!inDanger &&
      (dist < m_MinDistToPoint || (goalSide && GetGPos().dist(man) < area.goalSide + m_MinDistToPoint)))
    return m_FieldRules.StandReady();
  if (dist < m_MinDistToPoint)
    return 0;
  // The spot of a man on the move shifts every cycle: a heading that
  // passes within reach of it is kept, where a turn at speed costs the
  // cycle (seen: a marker turning every other cycle fell behind his man).
  // A cut-in spot is only a reckoning of where the run goes: a heading
  // that passes it within a marker's distance gets him goal-side as well.
  const float slack = cutsIn ? area.goalSide + m_MinDistToPoint : m_MinDistToPoint;
  if ((dist < kStraightToSpot || cutsIn) &&
      std::fabs(AngleToFromBody(spot)) <= std::max(m_MaxGoToPointAngleErr, ATan(slack / dist)))
    return TouchGate(CMD_DASH, power);
  return MoveToPos(spot, m_MinDistToPoint, power, dist < kStraightToSpot ? DODGE_NONE : DODGE_ALL);
}
