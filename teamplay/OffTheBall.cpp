// The field players' rules away from the ball in play: chasing the ball,
// pressing and covering, taking a place to defend or to attack from; and
// who of us runs for the ball.

#include <algorithm>
#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"
#include "FormationTables.h"
#include "SupportPlace.h"

namespace
{
// How often the last step to the ball is halved to stop short of it.
const int kShorterSteps = 3;
// A step towards a ball that is nearly within reach.
const float kStepToBallPower = 20;
// The slack of a place per metre from the ball.
const float kPlaceSlackPerMetre = 0.08f;
// The slack added to a place the player already stands on.
const float kHeldPlaceSlack = 1;
// A place this near their offside line is a place at it.
const float kAtTheirLine = 2;
// Places nearer than this and further round than the angle are backed into.
const float kBackUpDist = 4;
const float kBackUpAngle = 135;
// How far a dribbler's ball runs ahead of him between his touches.
const float kDribbleTouch = 1.5f;
// Another of us must be this much nearer the ball to take the press over.
const float kPressHysteresis = 1.5f;
// Nearer the ball than this the presser goes at it from wherever he is.
const float kAtTheBallDist = 3;
// The narrowest cone from the carrier to our goal inside which the
// presser counts as on his way.
const float kGoalSideConeRatio = 0.5f;
// How much nearer a player on the carrier's way to our goal counts when
// choosing who presses.
const float kGoalSideBonus = 3;
// With the ball in our half the back line stays this far behind it, and
// no deeper than this off our goal line.
const float kBackLineBehindBall = 3;
const float kBackLineOffGoalLine = 3;
// How far behind the presser the second of us covers.
const float kCoverDist = 5;
// A place is run on along the heading only this many of its slacks off:
// nearer, the way that passes it is too short to be sure of.
const float kRunOnPlaceWay = 2;
// A supporter stands this far onside.
const float kSupportOnsideMargin = 1;
// How fast a dribbler runs with the ball, in metres a cycle: nearly as fast
// as we run without it.
const float kDribblePace = 0.9f;
// The steps along the carrier's way at which the cut-off is looked for, and
// the farthest ahead of him: a cut-off farther down his way leaves him
// free meanwhile (seen in matches: the one of us nearest him kept three
// metres and more off for cycles on end, and he passed at leisure).
const float kCutOffStep = 1.5f;
const float kCutOffFarthest = 5;
// Nearer the ball than this, a presser who can neither meet the carrier on
// his way nor cut him off runs at the ball itself. The run to get ahead of
// him (the overrun) goes to a spot some metres down his way, which moves on
// as fast as the presser comes: seen in matches, the presser ran beside a
// dribbler four to six metres off for fifteen and thirty cycles, from the
// halfway line to our goal line, and never came nearer.
const float kChaseTheBallDist = 8;
// Nearer their ball carrier than this the run at the ball keeps its fine
// aim: the ball is about to be within a tackle or a kick.
const float kRunOnAtHolderDist = 2;
// How near their man on the ball the presser's run may pass him by: within
// a tackle's reach, and the ball within two metres of the presser.
const float kPressPassBy = 1.5f;
}

// The opponent on the ball (or a dribble's touch from it) with none of us
// nearer to it, or null.
const CPlayer *CBehaviours::TheirBallCarrier()
{
  if (!BallPositionValid())
    return nullptr;
  const CVector at = M2BReadBall()->GetGPos();
  const CPlayer *foe = GetClosestValidFoe2Ball(0);
  if (!foe)
    return nullptr;
  // A dribbler pushes the ball a step ahead and runs after it: between
  // his touches it is out of his reach, and still his.
  const float theirs = foe->GetGPos().dist(at);
  if (theirs > m_Kickable + kDribbleTouch)
    return nullptr;
  const CPlayer *mate = GetClosestValidFriend2Ball(0);
  const float ours = std::fmin(GetGPos().dist(at), mate ? mate->GetGPos().dist(at) : 999.0f);
  return ours < theirs ? nullptr : foe;
}

// An opponent has the ball near the agent, and no one of us is better
// placed to go at him: nearer, a place on his way to our goal counting
// for some metres.
bool CBehaviours::AmIPressingTheirBall()
{
  if (m_AllOutFlank && GetRole() == ROLE_FORWARD)
    return false;
  const CPlayer *carrier = TheirBallCarrier();
  if (!carrier)
    carrier = m_FieldRules.DribblerStillPressed();
  if (!carrier)
    return false;
  const CVector at = M2BReadBall()->GetGPos();
  if (GetGPos().dist(at) >= m_MaxSupportDist)
    return false;
  const float mine = PressDistance(GetGPos(), carrier);
  // The one who presses keeps at it until another of us is clearly
  // nearer: two who swap the task at every step both turn about.
  const float slack = m_ActionState == AS_DEFENSE_ACTIVE ? kPressHysteresis : 0;
  for (int i = 0; i < 11; i++)
  {
    const CPlayer *mate = GetClosestValidFriend2Ball(i);
    if (!mate)
      break;
    if (GetRole(mate->GetUNum()) == ROLE_GOALKEEPER)
      continue;
    if (PressDistance(mate->GetGPos(), carrier) < mine - slack - m_Epsilon)
      return false;
  }
  return true;
}

// A player on the carrier's way to our goal meets him as he comes, one
// behind him must catch him up first: the way counts for some metres.
float CBehaviours::PressDistance(CVector player, const CPlayer *carrier)
{
  const float dist = player.dist(M2BReadBall()->GetGPos());
  return IsOnTheWayToGoal(player, carrier) ? dist - kGoalSideBonus : dist;
}

bool CFieldRules::AmIFastestToBall()
{
  const CBall *ball = m_Brain.M2BReadBall();
  if (!m_Brain.BallPositionValid() || m_Brain.TouchedLastInSetPlay())
    return false;
  if (m_Brain.FriendWithBall(0))
    return false;
  // Their man clearly first: the one of us nearest him runs to meet him,
  // besides the one quickest to the ball's path.
  if (MeetTheirReceiver())
    return true;
  if (m_Brain.FastestFriend2Ball(true))
    return false;
  // Nobody reaches a ball that runs away: the one of us nearest to it
  // follows it alone.
  if (ball->IsMoving() && !m_Brain.AmIAbleToIntercept())
  {
    const CPlayer *nearest = m_Brain.GetClosestValidFriend2Ball(0);
    return !nearest ||
           nearest->GetGPos().dist(ball->GetGPos()) >= m_Brain.GetGPos().dist(ball->GetGPos());
  }
  return true;
}

int CBehaviours::ChaseBall()
{
  if (GetActionState() != AS_CHASE_BALL)
    return 0;
  const CBall *ball = M2BReadBall();
  // Within reach as reckoned, but not surely: a dash would run into the
  // ball, so the agent turns to it (or steps up) and sees it next cycle.
  if (BallKickableForPlayer(nullptr, 0))
  {
    ChangeView("narrow", "high");
    if (FaceOnlyBody2Point(BallPredPos(1)))
      return 1;
    return TouchGate(CMD_DASH, kStepToBallPower);
  }
  const int cycles = MyNumOfCyclesToIntercept();
  // An opponent first to the ball takes it where he meets it: the
  // run goes to his side towards our goal there, so that he has the ball
  // with one of us on him (seen in matches: the chaser ran on to where the
  // ball would have rolled, and the receiver of a cross shot unmarked).
  if (const CPlayer *foe = FastestFoe2Ball())
  {
    const int theirs = NumOfCyclesToIntercept(foe);
    const CVector meets = InterceptionPoint(foe, static_cast<float>(m_MaxPower));
    if (m_FieldRules.RunToMeetTheirMan(theirs, cycles, meets))
    {
      const CVector goalSide = PointInBetween(meets, CVector(-m_PitchLength / 2, 0), m_BlockFoeDist);
      if (m_FieldRules.HeadingMeetsHim(goalSide))
        return RunOnAtFullPace(theirs);
      return RunToMeetBall(goalSide, theirs);
    }
  }
  return RunToMeetBall(cycles < 999 ? MyInterceptionPoint() : ball->GetGPos(), cycles);
}

int CBehaviours::RunToMeetBall(CVector point, int cycles)
{
  return RunToBall(point, MeetBallPace(cycles));
}

float CBehaviours::MeetBallPace(int cycles)
{
  // Only about to reach the ball does the agent need to see it every
  // cycle; the narrow view comes twice as often.
  if (cycles <= m_ChangeViewForBallCycles)
    ChangeView("narrow", "high");
  else
    ChangeView("normal", "high");

  // Flat out: the least power that arrives in time leaves no margin for a
  // ball that runs on further than foreseen.
  float power = CorrectDashPower4Stamina(static_cast<float>(m_MaxPower));
  // With no stamina left to spare the agent still goes, at what it wins
  // back each cycle.
  if (power <= 0)
    power = m_StaminaIncMax;
  return power;
}

int CBehaviours::RunOnAtFullPace(int cycles)
{
  return TouchGate(CMD_DASH, MeetBallPace(cycles));
}

int CBehaviours::RunToBall(CVector point, float power)
{
  // The run ends within reach of the ball, so the heading need only be as
  // good as that: close to the point a finer aim only turns the agent
  // about while the ball comes.
  const CVector next = PredPos();
  const float dist = next.dist(point);
  const bool far = dist > m_Kickable / 2;
  float angle = 0;
  bool turn = false;
  if (far)
  {
    angle = NormaliseAngle((point - next).GetDir() - GetBFacing());
    float slack = ASin(m_Kickable / 2 / dist);
    if (slack < m_MaxGoToPointAngleErr)
      slack = m_MaxGoToPointAngleErr;
    turn = std::fabs(angle) > slack;
  }
  // A ball at close range that the run would dash through (or that runs
  // into a player who turns or waits) is taken with the dash that leaves
  // it in reach and off the body: a collision knocks it away.
  if (IsDashCollision(far && !turn ? power : 0, m_CollisionBuffer) && CloseBallInterception())
    return 1;
  // A ball a few steps behind is backed onto: turning about and back again
  // costs the two cycles in which a dribbler gets away.
  if (turn && dist < kBackUpDist && std::fabs(angle) > kBackUpAngle)
  {
    const float back = CorrectDashPower4Stamina(-power);
    if (back < 0)
      return TouchGate(CMD_DASH, back);
  }
  if (turn && Turn(angle))
    return 1;
  if (far)
  {
    // No such dash: the last step is shortened until it stops beside the
    // ball.
    for (int i = 0; i < kShorterSteps && IsDashCollision(power, m_CollisionBuffer); i++)
      power /= 2;
    return TouchGate(CMD_DASH, power);
  }
  return FaceOnlyBody2Point(BallPredPos(1)) ? 1 : 0;
}

// ------------------------------------------------------------ defending

int CBehaviours::DefenseActive()
{
  if (GetActionState() != AS_DEFENSE_ACTIVE)
    return 0;
  const CPlayer *foe = TheirBallCarrier();
  if (!foe)
    foe = FastestFoe2Ball();
  if (!foe || !foe->GetPositionValid())
    return 0;
  float power = CorrectDashPower4Stamina(static_cast<float>(m_MaxPower));
  if (power <= 0)
    power = m_StaminaIncMax;
  // From his way to our goal, or close by, the agent goes at the ball: only
  // a ball within reach can be taken from him. From anywhere else he is
  // first cut off on that way.
  if (IsOnTheWayToGoal(GetGPos(), foe) || GetGPos().dist(M2BReadBall()->GetGPos()) < kAtTheBallDist)
    return RunAtTheBall();
  // From beside or behind him a spot ahead of him at a fixed length only
  // has the presser run alongside, never nearer: he cuts in where he gets
  // first.
  CVector cut;
  if (CutOffPoint(foe, cut))
    return MoveToPos(cut, m_MinDistToPoint, power, DODGE_NONE);
  // Where he gets nowhere first, near the ball he goes at it: from behind a
  // dribbler he gains on him, and the ball runs ahead of him into a tackle.
  if (GetGPos().dist(M2BReadBall()->GetGPos()) < kChaseTheBallDist)
    return RunAtTheBall();
  return BlockFoe(CVector(-m_PitchLength / 2, 0), foe, power);
}

bool CBehaviours::CutOffPoint(const CPlayer *foe, CVector &point)
{
  const CVector from = foe->GetGPos();
  const CVector goal(-m_PitchLength / 2, 0);
  const float way = from.dist(goal);
  if (way <= m_Epsilon)
    return false;
  const float power = static_cast<float>(m_MaxPower);
  const float farthest = std::fmin(way, kCutOffFarthest);
  for (float s = kCutOffStep; s <= farthest; s += kCutOffStep)
  {
    const CVector p = from + (goal - from).SetLength(s);
    const int his = static_cast<int>(std::ceil(s / kDribblePace));
    if (PredictedCycles2Point(p, power, m_MinDistToPoint) <= his)
    {
      point = p;
      return true;
    }
  }
  return false;
}

bool CBehaviours::IsOnTheWayToGoal(CVector player, const CPlayer *foe)
{
  const CVector from = foe->GetGPos();
  const CVector goal(-m_PitchLength / 2, 0);
  if (from.dist(goal) <= m_Epsilon)
    return true;
  return IsPointInCone(player, std::fmax(TheirBreakawayConeRatio(foe), kGoalSideConeRatio), goal, from);
}

int CBehaviours::RunAtTheBall()
{
  if (!BallPositionValid())
    return 0;
  // A carrier who holds the ball plays it about his feet from cycle to
  // cycle, and the point to meet it jumps by a metre each time: seen in
  // matches, two of us three and four metres off him turned after it in
  // cycle after cycle while he looked for his pass, and never came nearer.
  // A heading that passes within his reach of where he next plays the
  // ball is run on, and a run that needs a turn turns to there.
  const int cycles = MyNumOfCyclesToIntercept();
  CVector touch;
  if (m_FieldRules.TheirNextTouch(touch))
  {
    const CVector next = PredPos();
    const float dist = next.dist(touch);
    if (dist > kRunOnAtHolderDist)
    {
      // A turn stands the presser still for a cycle while their man plays
      // on: a heading that takes him past the touch within a tackle's reach
      // is good enough (seen in matches: a third of the presser's commands
      // three to eight metres off were turns, about half of them from a
      // heading that already passed within a metre and a half of him).
      const float passBy = std::fmin(1.0f, kPressPassBy / dist);
      if (std::fabs(NormaliseAngle((touch - next).GetDir() - GetBFacing())) <= ASin(passBy))
      {
        float power = CorrectDashPower4Stamina(static_cast<float>(m_MaxPower));
        if (power <= 0)
          power = m_StaminaIncMax;
        return TouchGate(CMD_DASH, power);
      }
      return RunToMeetBall(touch, cycles);
    }
    if (m_FieldRules.HeadingTakesHimOn(touch))
      return RunOnAtFullPace(cycles);
  }
  return RunToMeetBall(cycles < 999 ? MyInterceptionPoint() : BallPredPos(1), cycles);
}

int CBehaviours::DefenseSupport()
{
  if (GetActionState() != AS_DEFENSE_SUPPORT)
    return 0;
  const CBall *ball = M2BReadBall();
  const CPlayer *carrier = TheirBallCarrier();
  const CVector ourGoal(-m_PitchLength / 2, 0);
  // Near our goal the men in front of it come first.
  if (OpponentIMark())
    return MarkMyMan();
  // The second of us at their ball covers the first: on the carrier's way
  // to our goal, a few steps behind the one who presses.
  if (carrier && AmICoveringThePress())
  {
    const CVector at = ball->GetGPos();
    // A carrier who has got past the first comes on to the cover, who
    // steps in at the ball instead of giving way before him.
    if (GetGPos().dist(at) < kAtTheBallDist && IsOnTheWayToGoal(GetGPos(), carrier))
      return RunAtTheBall();
    const float behind = std::fmin(kCoverDist, at.dist(ourGoal) / 2);
    return StayCovering(at + (ourGoal - at).SetLength(behind));
  }
  // Cover the opponent nearest to the agent who could receive the ball,
  // between him and our goal; the one with the ball is pressed by another.
  for (int i = 0; i < 11; i++)
  {
    const CPlayer *foe = GetClosestValidFoe2Me(i);
    if (!foe || foe->GetGPos().dist(GetGPos()) > m_MaxSupportDist)
      break;
    if (foe == carrier || BallKickableForPlayer(foe, m_PlayerSize))
      continue;
    // A defender leaves an opponent upfield of the ball to the others and
    // keeps his place in the back line.
    if (GetRole() == ROLE_DEFENDER && foe->GetGX() > ball->GetGX())
      continue;
    if (foe->GetGPos().dist(ball->GetGPos()) > m_MaxSupportDist * 2)
      continue;
    return StayCovering(PointInBetween(foe->GetGPos(), ourGoal, m_BlockFoeDist));
  }
  return DefensePosition();
}

// A cover spot reached is kept, facing the ball: a rule that answered
// nothing there let the formation's place have him (seen in matches: the
// second of us, on his spot behind the presser or goal-side of a man, was
// sent on towards his place in the next cycle and back in the one after,
// hovering two and three metres off the man, who took the ball unpressed).
int CBehaviours::StayCovering(CVector spot)
{
  return GoToPlace(spot, DashPower4Positioning()) || m_FieldRules.StandReady();
}

// Whether the agent is the second of us nearest the ball (the goalkeeper
// left out): the one who covers the press.
bool CBehaviours::AmICoveringThePress()
{
  return IsCoverOfThePress(GetUNum(), GetGPos());
}

bool CBehaviours::IsCoverOfThePress(int unum, CVector where)
{
  const CVector at = M2BReadBall()->GetGPos();
  const float his = where.dist(at);
  int nearer = unum != GetUNum() && GetGPos().dist(at) < his ? 1 : 0;
  for (int i = 0; i < 11 && nearer < 2; i++)
  {
    const CPlayer *mate = GetClosestValidFriend2Ball(i);
    if (!mate || mate->GetGPos().dist(at) >= his)
      break;
    if (mate->GetUNum() != unum && GetRole(mate->GetUNum()) != ROLE_GOALKEEPER)
      nearer++;
  }
  return nearer == 1;
}

int CBehaviours::DefensePosition()
{
  const ActionState state = GetActionState();
  if (state != AS_DEFENSE_POSITION && state != AS_DEFENSE_SUPPORT)
    return 0;
  if (OpponentIMark())
    return MarkMyMan();
  return GoToPlace(UpAtTheirLine(DropWithTheBall(m_Positioner.GetPosition())), DashPower4Positioning());
}

CVector CBehaviours::DropWithTheBall(CVector place)
{
  // The back line keeps between the ball and our goal: a defender whose
  // place lies level with the ball or beyond it in our half is passed by
  // every run and every ball played behind him.
  if (GetRole() != ROLE_DEFENDER || !BallPositionValid())
    return place;
  const float ballX = M2BReadBall()->GetGX();
  if (ballX >= 0)
    return place;
  const float deepest = -m_PitchLength / 2 + kBackLineOffGoalLine;
  const float x = std::fmax(deepest, ballX - kBackLineBehindBall);
  return place.GetX() > x ? CVector(x, place.GetY()) : place;
}

// ------------------------------------------------------------ attacking

int CBehaviours::OffenseSupport()
{
  if (GetActionState() != AS_OFFENSE_SUPPORT)
    return 0;
  // A support place reached is kept, facing the ball: a rule that answered
  // nothing there let the attacking place have him, and the next cycle
  // brought him back, so the man offering himself turned about at the
  // edge of his place instead of being ready for the pass.
  return GoToPlace(m_FieldRules.OffenseSupportPlace(), DashPower4Positioning()) ||
         m_FieldRules.StandReady();
}

CVector CFieldRules::OffenseSupportPlace()
{
  CBehaviours &b = m_Brain;
  SupportWorld world;
  world.ball = b.M2BReadBall()->GetGPos();
  world.me = b.GetGPos();
  sorted_players mates;
  b.SortValidFriends2Me(mates);
  world.mates.reserve(static_cast<size_t>(mates.count));
  for (int i = 0; i < mates.count && i < sorted_players::MAX_ENTRIES; i++)
    world.mates.push_back(mates.players[i]->GetGPos());
  world.foes = b.FoePositions();
  world.xMax = b.TheirOffsideX() - kSupportOnsideMargin;
  world.halfLength = b.m_PitchLength / 2;
  world.halfWidth = b.m_PitchWidth / 2;
  world.penaltyAreaLength = b.m_PenaltyAreaLength;
  world.penaltyAreaHalfWidth = b.m_PenaltyAreaWidth / 2;
  world.behind = b.GetRole() == ROLE_DEFENDER;
  const int now = b.GetTime();
  world.held = m_SupportSlot.Held(now);
  int slot = -1;
  const CVector place = ChooseSupportPlace(world, &slot);
  m_SupportSlot.Note(slot, now);
  return place;
}

int CBehaviours::OffensePosition()
{
  const ActionState state = GetActionState();
  if (state != AS_OFFENSE_POSITION && state != AS_OFFENSE_SUPPORT)
    return 0;
  // Midfielders and forwards go ahead of the ball into room; the
  // defenders keep their places behind it.
  const Role role = GetRole();
  CVector target = role == ROLE_MIDFIELDER || role == ROLE_FORWARD
                       ? m_AttackingPlace.AttackingPlace()
                       : m_Positioner.GetPosition();
  const float offside = TheirOffsideX();
  if (target.GetX() > offside)
    target = CVector(offside, target.GetY());
  return GoToPlace(target, DashPower4Positioning());
}

// Walks to a place, as exactly as the ball's distance asks; backs into a
// place just behind.
int CBehaviours::GoToPlace(CVector target, float power)
{
  const CBall *ball = M2BReadBall();
  const CVector me = GetGPos();
  // A place matters to within a metre near the ball and less far from it;
  // chasing it more closely only turns the player about as it moves.
  float tolerance = m_MinDistToPoint;
  if (BallPositionValid())
    tolerance += kPlaceSlackPerMetre * me.dist(ball->GetGPos());
  const float dist = me.dist(target);
  // Beyond their line no slack holds him and no place steers him: he gets
  // back onside first, as fast as he may. At a place's pace he came back a
  // fifth of a metre a cycle while their line stepped up a metre.
  const float beyond = m_FieldRules.OffsideShortOf(target);
  if (beyond > 0)
    return m_FieldRules.GetBackOnside(static_cast<float>(m_MaxPower));
  if (m_FieldRules.ReadyToRunInBehind(target))
    tolerance = m_MinDistToPoint;
  else if (dist < tolerance + m_FieldRules.HeldPlaceSlack())
  {
    m_FieldRules.NotePlaceHeld();
    return 0;
  }
  // A place a few steps behind is backed into rather than turned to and
  // then turned from again.
  if (dist < kBackUpDist && std::fabs(AngleToFromBody(target)) > kBackUpAngle && power > 0)
  {
    const float back = CorrectDashPower4Stamina(-power);
    if (back < 0)
      return TouchGate(CMD_DASH, back);
  }
  return MoveToPos(m_FieldRules.OnTheWayToPlace(target, tolerance), tolerance, power, DODGE_ALL);
}

// A place moves with the ball and the room about it, a metre or two from
// one cycle to the next: seen in matches, our forwards following a run down
// the wing turned by 20-90 degrees every second to fourth cycle, each turn
// a cycle without a step, and came level with the ball's line 10-15 m
// behind it. A heading whose way passes the place within its slack is as
// good as the place: the nearest point of that way stands in for it.
CVector CFieldRules::OnTheWayToPlace(CVector place, float slack) const
{
  // Defending, the place is gone for exactly: a man or a spot covered a
  // couple of metres off left their carrier unpressed more often.
  const ActionState state = m_Brain.GetActionState();
  if (state != AS_OFFENSE_SUPPORT && state != AS_OFFENSE_POSITION)
    return place;
  const CVector next = m_Brain.PredPos();
  const CVector heading = Polar2CVector(1, m_Brain.GetBFacing());
  const float along = Dot(place - next, heading);
  // Near the place the way is too short to be sure of: his own aim holds.
  if (along < kRunOnPlaceWay * slack)
    return place;
  const CVector nearest = next + heading * along;
  return nearest.dist(place) < slack ? nearest : place;
}

void CFieldRules::NotePlaceHeld()
{
  m_PlaceHeldTime = m_Brain.GetTime();
}

// A place drifts with the ball a little every cycle. Left at the edge of
// its slack, the player turned to it, stepped, and turned back to the ball
// at every drift (seen in matches: half the commands of our men near the
// ball were turns, two in five of them by 90 degrees or more); held with a
// wider slack, he steps only once it has clearly moved.
float CFieldRules::HeldPlaceSlack() const
{
  return m_PlaceHeldTime == m_Brain.GetTime() - 1 ? kHeldPlaceSlack : 0;
}

// A ball behind their line goes to a runner within a few metres of it,
// and he must be first to it by a cycle after learning of it: held with a
// place's slack, our forwards stood 4-8 m short of their line when our
// man on the ball could play it behind, and their defenders, turning at
// the line, were first to every point it could go to.
bool CFieldRules::ReadyToRunInBehind(CVector place)
{
  if (m_Brain.m_CurrentMode != PM_PLAY_ON || m_Brain.GetRole() != ROLE_FORWARD ||
      !m_Brain.BallPositionValid())
    return false;
  const float line = m_Brain.TheirOffsideX();
  const CVector me = m_Brain.GetGPos();
  if (place.GetX() < line - kAtTheirLine || me.GetX() > place.GetX() - m_Brain.m_MinDistToPoint)
    return false;
  const CPlayer *holder = m_Brain.FriendWithBall(0);
  return holder && holder->GetUNum() != m_Brain.GetUNum() &&
         m_Brain.m_BallChoices.LineToBeatFrom(m_Brain.M2BReadBall()->GetGPos());
}

// A place's slack grows with the ball's distance, to 3-4 m for a forward
// 30 m ahead of it: forwards held their places that far beyond their line,
// a third of the time our ball was 30-52 m from their goal, and no pass
// forward or ball behind their line had a runner to go to.
float CFieldRules::OffsideShortOf(CVector place)
{
  if (m_Brain.m_CurrentMode != PM_PLAY_ON)
    return 0;
  const float line = m_Brain.TheirOffsideX();
  const float beyond = m_Brain.GetGPos().GetX() - line;
  return beyond > 0 && place.GetX() < line ? beyond : 0;
}

// Their second last player's x, or the ball's when further.
float CBehaviours::TheirOffsideX()
{
  return GetOffsideLine();
}
