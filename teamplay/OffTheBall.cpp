// The field players' rules away from the ball: the kick-off place, the set
// plays no plan covers, chasing the ball, pressing and covering, taking a
// place to defend or to attack from; and who of us takes a set play or
// runs for the ball.

#include <algorithm>
#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"
#include "FormationTables.h"
#include "SupportPlace.h"

namespace
{
// A set play nobody has taken after these cycles goes to the second
// nearest as well; after twice as many, to the third.
const int kSetPlayPatience = 15;
// A change of the ball's velocity that its decay and the noise of seeing
// it do not explain: somebody played it.
const float kTouchVelChange = 0.6f;
// The cycles by which the referee's end of our set play may trail the kick.
const int kSetPlayCallLag = 3;
// A ball slower than this (metres a cycle) lies still.
const float kBallAtRest = 0.05f;
// Two sightings of the ball's run this far apart still tell whether
// somebody played it between them: unplayed, it only decays.
const int kMostCyclesBetweenRuns = 30;
// A touch the agent did not see (the ball behind him) would bar him for
// good: a ball nobody came near for this long is free again.
const int kSetPlayBarLapse = 100;
// The farthest pass of a set play: beyond it the opponents have the time
// to get across.
const float kLongestSetPlayPass = 40;
// The kick-off's pass goes no farther, to a team-mate with none of theirs
// this near: the midfielder beside the taker had their forwards on him
// from the centre circle's edge within two cycles, and lost the ball within
// three touches six times in seven; the ball back to a defender with room
// was kept every time.
const float kKickOffLongestPass = 25;
const float kKickOffRoom = 10;
// A receiver of a set play's pass with an opponent this near is not free.
const float kSetPlayMarkedDist = 3;
// The free kick that follows the goalkeeper's catch is his for this long.
const int kGoalieFreeKickCycles = 250;
// Walking up to a ball that lies still, the last metres are slower so that
// the agent stops beside it instead of running into it.
const float kSlowApproachDist = 3;
const float kSlowApproachPower = 40;
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
}

// ------------------------------------------------------- kick-off place

int CFieldRules::TakeKickOffPlace(PlayMode current)
{
  if (m_Brain.GetEnvState() != ENV_BEFORE_KICK_OFF)
    return 0;
  const int unum = m_Brain.GetUNum();
  const FormationPoint *table = FormationTable(m_Brain.GetFormationID());
  if (!table || unum < 1 || unum > 11)
  {
    m_Brain.InitialMove();
    return 1;
  }
  FormationPoint p = table[unum - 1];
  if (!KickOffException(m_Brain.GetFormationID(), unum, p) && p.x >= 0)
    p.x = -1;
  // Whose kick-off: the side that conceded, or the left side at the start
  // of the first half and the right at the start of the second.
  const bool secondHalf =
      m_Brain.m_HalfTimeCycles > 0 && m_Brain.GetTime() >= m_Brain.m_HalfTimeCycles;
  bool ours = (m_Brain.GetSide() == 'l') != secondHalf;
  if (current == PM_GOAL)
    ours = false;
  else if (current == -PM_GOAL)
    ours = true;
  CVector place(static_cast<float>(p.x), static_cast<float>(p.y));
  // At their kick-off the centre circle is theirs.
  if (!ours && place.GetMag() < m_Brain.m_FreeKickBuffer + 1)
  {
    place = place.GetMag() > m_Brain.m_Epsilon ? place.SetLength(m_Brain.m_FreeKickBuffer + 1)
                                               : CVector(-(m_Brain.m_FreeKickBuffer + 1), 0);
    if (place.GetX() > -1)
      place = CVector(-1, place.GetY());
  }
  // Once in place the player only looks about: nothing moves before the
  // kick-off.
  if (m_Brain.GetGPos().dist(place) > m_Brain.m_MinDistToPoint)
    m_Brain.Move(static_cast<int>(std::lround(place.GetX())),
                 static_cast<int>(std::lround(place.GetY())));
  return 1;
}

// ----------------------------------------------------------- set plays

// Our set play's taker: the plan's, else the nearest to the ball (after a
// while also the second), never the one who kicked it last. Every site
// that asks who takes our set play asks here: the field players' states,
// the goalkeeper's kick, and the plans' shares of points.
bool CBehaviours::AmISetPlayTaker()
{
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid())
    return false;
  const bool goalie = GetRole() == ROLE_GOALKEEPER;
  const int elapsed = GetTime() - m_ModeStartTime;
  // After his catch the ball is in the goalkeeper's hands.
  if (m_CurrentMode == PM_FREE_KICK && m_PreviousMode == PM_GOALIE_CATCH_BALL &&
      elapsed < kGoalieFreeKickCycles)
    return goalie;
  // Whoever kicked it may not play it again before another has.
  if (TouchedLastInSetPlay())
    return false;
  const CVector at = ball->GetGPos();
  const bool inOurArea = InOurPenaltyArea(at);
  if (goalie && !inOurArea)
    return false;
  // A plan at the ball names its taker alike for everyone, while the plans
  // have the set play; after that it is left to the nearest, widening from
  // then on.
  int untaken = elapsed;
  if (const int planTaker = m_FixPlanRunner.CoveringPlanTaker())
  {
    if (elapsed <= m_FixedPlanMaxWaitTime)
      return planTaker == GetUNum();
    untaken = elapsed - m_FixedPlanMaxWaitTime - 1;
  }
  const float mine = GetGPos().dist(at);
  int nearer = 0;
  for (int i = 0; i < 11; i++)
  {
    const CPlayer *mate = GetClosestValidFriend2Ball(i);
    // A metre's doubt either way: two who think themselves nearest both
    // go, rather than none.
    if (!mate || mate->GetGPos().dist(at) >= mine - 1)
      break;
    // The goalkeeper leaves a ball outside his area to the field players.
    if (!inOurArea && mate->GetUNum() >= 1 && GetRole(mate->GetUNum()) == ROLE_GOALKEEPER)
      continue;
    nearer++;
  }
  return nearer <= untaken / kSetPlayPatience;
}

int CFieldRules::TakeOurSetPlay()
{
  if (m_Brain.GetActionState() != AS_TAKE_SET_PLAY)
    return 0;
  const CBall *ball = m_Brain.M2BReadBall();
  if (!m_Brain.BallPositionValid())
    return m_Brain.FaceNeckAndBody2Ball() ? 1 : 0;
  const CVector me = m_Brain.GetGPos();
  const CVector at = ball->GetGPos();

  if (!m_Brain.BallKickableForPlayer(nullptr, 0))
  {
    const float dist = me.dist(at);
    float power =
        dist < kSlowApproachDist ? kSlowApproachPower : static_cast<float>(m_Brain.m_MaxPower);
    power = m_Brain.CorrectDashPower4Stamina(power);
    if (power <= 0)
      power = m_Brain.m_StaminaIncMax;
    if (m_Brain.MoveToPos(at, m_Brain.m_Kickable / 2, power, DODGE_ALL))
      return 1;
    return m_Brain.FaceOnlyBody2Point(at) ? 1 : 0;
  }

  const PlayMode mode = m_Brain.m_CurrentMode;
  const CVector theirGoal(m_Brain.m_PitchLength / 2, 0);
  int done = 0;
  if (mode == PM_KICK_OFF)
  {
    // Everyone stands in our half: the ball goes back or across to the
    // team-mate furthest up with room about him, who plays on; a longer
    // ball to a wing was taken by the opponents closing in from the centre
    // circle's edge.
    PASSLIMITS limits = SetPlayPassLimits(m_Brain.m_PitchLength);
    limits.maxDist = kKickOffLongestPass;
    limits.freeRadius = kKickOffRoom;
    if (const CPlayer *mate = m_Brain.PassTarget(limits))
      done = m_Brain.AnnouncePass(
          mate, mate->GetGPos(),
          m_Brain.m_BallChoices.KickOnceTowards(mate->GetGPos(), m_Brain.m_MaxPassSpeedAtTarget));
    else
      done = m_Brain.m_BallChoices.KickOnceTowards(CVector(-12, 0), m_Brain.m_MaxPassSpeedAtTarget);
  }
  else if (mode == PM_CORNER_KICK)
    done = m_Brain.m_BallChoices.KickOnceTowards(
        CVector(m_Brain.m_CrossPointX, -m_Brain.SignF(at.GetY()) * m_Brain.m_CrossPointY),
        m_Brain.m_CrossPointTargetVel);
  else if (me.dist(theirGoal) < m_Brain.m_ShotDistance)
    done = m_Brain.m_BallChoices.KickOnceTowards(m_Brain.ShootPoint(nullptr),
                                                 2 * m_Brain.m_BallSpeedMax);
  else if (const CPlayer *mate =
               m_Brain.PassTarget(SetPlayPassLimits(m_Brain.m_PassOpponentBuffer)))
    done = m_Brain.AnnouncePass(
        mate, mate->GetGPos(),
        m_Brain.m_BallChoices.KickOnceTowards(mate->GetGPos(), m_Brain.m_MaxPassSpeedAtTarget));
  else
  {
    // Nobody free: long up the pitch, towards the middle of their half.
    const CVector up(
        std::fmin(at.GetX() + 35, m_Brain.m_PitchLength / 2 - m_Brain.m_PenaltyAreaLength),
        at.GetY() / 2);
    done = m_Brain.m_BallChoices.KickOnceTowards(up, m_Brain.m_SendPointTargetVel);
  }
  return done;
}

PASSLIMITS CFieldRules::SetPlayPassLimits(float backAllowance) const
{
  // One kick from a still ball, to a team-mate nobody stands at.
  PASSLIMITS limits;
  limits.backAllowance = backAllowance;
  limits.maxDist = std::fmin(m_Brain.m_MaxPassDist, kLongestSetPlayPass);
  limits.freeRadius = kSetPlayMarkedDist;
  limits.oneKick = true;
  return limits;
}

int CFieldRules::KeepClearOfTheirKick()
{
  if (m_Brain.GetActionState() != AS_KEEP_CLEAR)
    return 0;
  const CVector at = m_Brain.M2BReadBall()->GetGPos();
  CVector away = m_Brain.GetGPos() - at;
  if (away.GetMag() < m_Brain.m_Epsilon)
    away = CVector(-1, 0);
  const CVector spot = at + away.SetLength(m_Brain.m_FreeKickBuffer + 2);
  return m_Brain.MoveToPos(spot, m_Brain.m_MinDistToPoint / 2,
                           static_cast<float>(m_Brain.m_MaxPower), DODGE_ALL);
}

// -------------------------------------------------------- the ball's run

bool CBehaviours::TouchedLastInSetPlay() const
{
  return m_SetPlayTouches.TouchedLastInSetPlay();
}

void CBehaviours::NoteSetPlayTouches()
{
  m_SetPlayTouches.NoteSetPlayTouches();
}

CSetPlayTouches::CSetPlayTouches(CBehaviours &brain)
    : m_Brain(brain), m_SetPlayTouch(brain.m_SetPlayTouch)
{
}

// The agent took the last set play and nobody else may have played the
// ball since: touching it again would be a fault.
bool CSetPlayTouches::TouchedLastInSetPlay() const
{
  return m_SetPlayTouch.took_kick &&
         m_Brain.GetTime() - m_SetPlayTouch.kick_sent < kSetPlayBarLapse;
}

// A kick of ours in our set play at that cycle, by whichever road it was
// seen: a kick seen by both is one.
void CSetPlayTouches::NoteSetPlayKick(int cycle)
{
  m_SetPlayTouch.kick_sent = std::max(m_SetPlayTouch.kick_sent, cycle);
}

bool CSetPlayTouches::BallRunChangedNow(CVector &at) const
{
  if (m_SetPlayTouch.run_changed_time != m_Brain.GetTime())
    return false;
  at = m_SetPlayTouch.run_changed_at;
  return true;
}

// However the kick of a set play of ours was made (a plan, the taker's rule),
// the kicker is known by the kick he sent in it and the play going on after
// it; a new call of the referee or another player's touch frees him again.
void CSetPlayTouches::NoteSetPlayTouches()
{
  const int now = m_Brain.GetTime();
  // Once a cycle, whichever pass asks first: the ball's velocity of the
  // cycle before is kept here.
  if (m_SetPlayTouch.note_time == now)
    return;
  const PlayMode current = m_Brain.CurrentPlayMode();
  const CBall *ball = m_Brain.M2BReadBall();
  const bool seen = m_Brain.BallPositionValid() && ball->GetTime() == now &&
                    ball->GetVelocityValid();
  const CVector vel = seen ? ball->GetVelocity() : CVector(0, 0);
  // The ball's run is compared with its last sighting's, however many
  // cycles back, rolled on under the decay: the kick-off's taker runs up
  // facing away, and saw the ball again only as the return pass came to
  // him; compared only with a sighting of the cycle before, the pass was
  // not noted as a touch, and he let it roll by (seen in matches, in four
  // halves of twenty, taken by their forward). The earlier sighting must
  // show the run his kick gave: one of the ball lying for the kick makes
  // the kick itself look like another's touch.
  const int runGap = now - m_SetPlayTouch.note_vel_time;
  const bool runBefore = seen && m_SetPlayTouch.note_vel_time > m_SetPlayTouch.kick_sent &&
                         runGap >= 1 && runGap <= kMostCyclesBetweenRuns;
  const CVector runWas =
      m_SetPlayTouch.note_vel * static_cast<float>(std::pow(m_Brain.m_BallDecay, runGap - 1));
  const bool runChanged = (vel - runWas * m_Brain.m_BallDecay).GetMag() > kTouchVelChange;
  const CVector posWas = m_SetPlayTouch.note_pos;
  if (seen)
  {
    m_SetPlayTouch.note_vel_time = now;
    m_SetPlayTouch.note_vel = vel;
    m_SetPlayTouch.note_pos = ball->GetGPos();
  }
  if (seen && runGap == 1 && runChanged)
  {
    m_SetPlayTouch.run_changed_time = now;
    m_SetPlayTouch.run_changed_at = posWas;
  }
  // The bundle that went holds the kick even when the pass that queued it
  // was not noted here; the gate noted those it let through. Either way it
  // is the one kick of that cycle.
  if (m_Brain.m_LastQueue.time == now - 1 && m_Brain.m_LastQueue.command == CMD_KICK &&
      m_SetPlayTouch.note_time == now - 1 && m_Brain.IsOurMode(m_SetPlayTouch.note_mode) &&
      m_SetPlayTouch.note_mode != PM_PLAY_ON)
    NoteSetPlayKick(now - 1);
  m_SetPlayTouch.note_time = now;
  m_SetPlayTouch.note_mode = current;
  if (current != PM_PLAY_ON)
  {
    // Our goal kick stays called until the ball has left our area: the
    // kick sent in it bars the taker already (seen in matches: the
    // goalkeeper ran 3-5 m after his own goal kick towards the wing, and a
    // shot went into the goal he had left). A ball seen lying still again
    // did not go: he may take the kick again. A kick sent in the cycle of
    // the call belongs to the set play before it.
    const bool rests = seen && vel.GetMag() < kBallAtRest;
    m_SetPlayTouch.took_kick = m_Brain.IsOurMode(current) &&
                               m_SetPlayTouch.kick_sent > m_Brain.P2BReadPlayModeTime(true) && !rests;
    if (m_SetPlayTouch.took_kick)
      m_SetPlayTouch.bar_raised = m_SetPlayTouch.kick_sent;
    return;
  }
  // The call that ends our set play may be heard a cycle or two after the
  // kick, and meanwhile the taker may have stepped after the ball. The bar
  // goes up once a kick: a touch that freed him is not undone.
  if (now - m_SetPlayTouch.kick_sent <= kSetPlayCallLag &&
      m_SetPlayTouch.bar_raised != m_SetPlayTouch.kick_sent)
  {
    m_SetPlayTouch.bar_raised = m_SetPlayTouch.kick_sent;
    m_SetPlayTouch.took_kick = true;
    // A kick laid over several cycles would touch the ball again.
    m_Brain.m_Kicking.plan = KICKPLAN();
    m_Brain.m_KickUnderWayTime = -999;
    return;
  }
  if (!m_SetPlayTouch.took_kick || !m_Brain.BallPositionValid())
    return;
  const CVector at = ball->GetGPos();
  const float reach = m_Brain.m_Kickable + m_Brain.m_PlayerSize;
  const float mine = m_Brain.GetGPos().dist(at);
  const CPlayer *mate = m_Brain.GetClosestValidFriend2Ball(0);
  const CPlayer *foe = m_Brain.GetClosestValidFoe2Ball(0);
  const float other = std::fmin(mate ? mate->GetGPos().dist(at) : 999.0f,
                                foe ? foe->GetGPos().dist(at) : 999.0f);
  // Another at the ball plays it, unless it is still at my feet and he
  // only stands near.
  const bool otherAtBall = other < reach && !(mine < m_Brain.m_Kickable && mine <= other);
  // A ball bouncing off me changes its run as well, and that is no one
  // else's touch.
  const bool turned = runBefore && mine > reach && runChanged;
  if (otherAtBall || turned)
    m_SetPlayTouch.took_kick = false;
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
      return RunToMeetBall(goalSide, theirs);
    }
  }
  return RunToMeetBall(cycles < 999 ? MyInterceptionPoint() : ball->GetGPos(), cycles);
}

int CBehaviours::RunToMeetBall(CVector point, int cycles)
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
  return RunToBall(point, power);
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
  // A heading that passes within his reach of the ball is run on.
  const CPlayer *carrier = TheirBallCarrier();
  if (carrier && BallKickableForPlayer(carrier, 0))
  {
    const CVector next = PredPos();
    const CVector at = carrier->GetGPos();
    const float dist = next.dist(at);
    if (dist > kRunOnAtHolderDist &&
        std::fabs(NormaliseAngle((at - next).GetDir() - GetBFacing())) <= ATan(m_Kickable / dist))
    {
      float power = CorrectDashPower4Stamina(static_cast<float>(m_MaxPower));
      if (power <= 0)
        power = m_StaminaIncMax;
      return TouchGate(CMD_DASH, power);
    }
  }
  const int cycles = MyNumOfCyclesToIntercept();
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
  SupportWorld world;
  world.ball = M2BReadBall()->GetGPos();
  world.me = GetGPos();
  sorted_players mates;
  SortValidFriends2Me(mates);
  world.mates.reserve(static_cast<size_t>(mates.count));
  for (int i = 0; i < mates.count && i < sorted_players::MAX_ENTRIES; i++)
    world.mates.push_back(mates.players[i]->GetGPos());
  world.foes = FoePositions();
  world.xMax = TheirOffsideX() - kSupportOnsideMargin;
  world.halfLength = m_PitchLength / 2;
  world.halfWidth = m_PitchWidth / 2;
  world.penaltyAreaLength = m_PenaltyAreaLength;
  world.penaltyAreaHalfWidth = m_PenaltyAreaWidth / 2;
  world.behind = GetRole() == ROLE_DEFENDER;
  return GoToPlace(ChooseSupportPlace(world), DashPower4Positioning());
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
  // Beyond their line no slack holds him: he steps back until onside, as
  // fast as he may. At a place's pace he came back a fifth of a metre a
  // cycle while their line stepped up a metre.
  const float beyond = m_FieldRules.OffsideShortOf(target);
  if (beyond > 0)
  {
    tolerance = std::fmin(tolerance, beyond);
    power = std::fmax(power, CorrectDashPower4Stamina(static_cast<float>(m_MaxPower)));
  }
  else if (m_FieldRules.ReadyToRunInBehind(target))
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
  return MoveToPos(target, tolerance, power, DODGE_ALL);
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
