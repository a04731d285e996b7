#ifndef CBALLCHOICES_H
#define CBALLCHOICES_H

#include <vector>

#include "CVector.h"
#include "LongBallLane.h"

class CBehaviours;
class CPlayer;

// The plays with the ball that the zone behaviours share, for one brain:
// behind their offside line, a pass forward, a pass that keeps the ball, a
// short pass before a long ball, the long ball, a run into space, holding
// a moment, a clearance, a breakaway, a run, the shots, one kick on. Each
// returns 1 once it queued the cycle's main command, else 0; the brain's
// Chose records which play it was. Defined in BallChoices.cpp and (the
// shots) FWPlayStyles.cpp.
class CBallChoices
{
public:
  explicit CBallChoices(CBehaviours &brain);

  int BeatTheOffsideLine();
  // Whether a ball behind their line may go from here: their line high
  // enough to leave room behind it and near enough to get there before
  // their defenders turn, and none of theirs at the ball.
  bool LineToBeatFrom(CVector from);
  int PassForward();
  int PassToKeepTheBall(float mostBack);
  // Just after our kick-off, the ball on in one kick to a team-mate with
  // room about him, any way (KickOffPlayOn.cpp).
  int PlayOnFromTheKickOff();
  int ShortPassBeforeLongBall();
  int LongBallUpfield();
  // From their half, the ball from `from` towards `wing` laid to die as far
  // down as the sender himself gets to it first.
  int LayDownTheWingForMe(CVector from, CVector wing);
  int DribbleIntoSpace();
  int HoldForAMoment();
  int ClearAtOnce();
  int TakeABreakaway();
  // A run with the ball towards the target: with room ahead, the ball laid
  // in one kick where the runner meets it flat out (RunAheadIntoSpace),
  // else the close dribble.
  int RunWithBall(CVector target);
  int RunAheadIntoSpace(CVector target);
  // With nobody of theirs at him, outside the shot's own range: the ball
  // laid ahead towards their goal where the runner is first to it.
  int RunAtTheirGoal();
  // Shots in their third: before the ball is taken, from close in, now.
  int ShootBeforeItIsTaken();
  int ShootFromClose();
  int ShootNow();
  // A ball poorly placed for the foot, nobody of theirs near enough to get
  // to it while it is laid, and their keeper in time for the shot as it
  // lies: one touch first lays it where the next kick sends it hard enough
  // to beat him by a cycle more.
  bool LayTheShotFirst(CVector target, float oneKick, CVector &spot);
  // The other corner when one kick from the ball as it lies and rolls
  // beats their keeper there by a cycle more, and nobody else of theirs
  // gets across it.
  CVector CornerTheKickBeatsHimTo(CVector target);
  // Far out with nobody near: the shot waits for a run closer or a pass.
  bool LongShotCanWait();
  // Outside their area's edge with nobody of theirs near, their keeper
  // surely in time for the shot: the ball is run closer first.
  bool KeeperThereRunCloser();
  // A shot nobody of theirs gets across, and not one that can wait: taken
  // whatever else the carrier was about (a set play's plan, a ball still
  // rolling in).
  bool ShotIsOn();
  int TakeTheShotThatIsOn();
  // Far out: a pass to a team-mate near the middle of their goal.
  int PassIntoTheBox();
  // Out wide: the ball into their area where a team-mate is first to it
  // (Crossing.cpp).
  int CrossToAMateFirst();
  // One kick at once towards the target with the end speed (or as hard as
  // it goes): for set plays and last resorts.
  int KickOnceTowards(CVector target, float endSpeed);
  // Whether one of theirs may be within `radius` of the carrier now, each
  // taken to have come at him flat out for the cycles since he was seen.
  bool Pressed(float radius) const;

private:
  // The long ball down the lane they get to last; their players as the
  // lanes weigh them, and the pitch they roll on.
  int SendDownTheFreestLane(CVector from, const std::vector<LaneRunner> &runners,
                            const LaneRoll &roll);
  // Of lanes near and far, the ball laid to die at its aim or rolling on,
  // the one down which a team-mate onside gets to the ball first, a cycle
  // in hand over their men, the farthest up he gets it; no mate when
  // nobody of ours does (OursFirstLane.cpp).
  // Sent only by where their men first get at it, the long ball went down
  // lanes they were reckoned to reach within 2 to 11 cycles of the kick,
  // and seven in ten were lost, while a team-mate nearer a lane than any of
  // theirs was never asked about.
  struct LaneChoice
  {
    const CPlayer *mate = nullptr;
    CVector target;
    // The pace the ball keeps at the target.
    float endSpeed = 0;
    LaneEnd end;
  };
  LaneChoice OursFirstDownALane(CVector from, float yMost, const std::vector<LaneRunner> &theirs,
                                const LaneRoll &roll) const;
  std::vector<LaneRunner> TheirRunners() const;
  LaneRoll PitchRoll() const;
  // Each place a ball into room is tried at, up to `yMost` either side,
  // with the speed one kick now sends the ball there at.
  template <class Visit>
  void ForEachLongBallAim(CVector from, float yMost, Visit visit) const;

  CBehaviours &m_Brain;
  // The present hold's first and latest cycles.
  int m_HoldSince = -999;
  int m_HoldLast = -999;
};

#endif
