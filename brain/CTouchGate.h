#ifndef CTOUCHGATE_H
#define CTOUCHGATE_H

#include <array>
#include <atomic>

#include "ActionQueue.h"

class CBehaviours;

// The brain's touch gate (TouchGate), one object per brain: the set-play
// kicker's dash stops short of the ball, a kick let through in our set
// play is noted as its taker's touch, a kick at a ball not surely in reach
// becomes a step to it, and a kick held back for another player at a still
// ball goes after a few cycles. Defined in TouchGate.cpp.
class CTouchGate
{
public:
  explicit CTouchGate(CBehaviours &brain);

  // What goes into the bundle for a kick or a dash a behaviour decided on.
  int Let(CMDType kind, float power, float direction);

  // A kick of ours went out in cycle `time`; its noise may carry the ball
  // up to `noiseReach` from where the replay of it puts the ball.
  void NoteKickSent(int time, float noiseReach);
  // The kick let through in cycle `time` went on the contested reckoning;
  // a later decision of the cycle undoes the note.
  void NoteContestedLet(int time);
  // How far the noise of our kicks sent in or after cycle `seen`, the
  // ball's last sighting, may have carried it: no sighting has measured it.
  float UnmeasuredKickNoise(int seen) const;
  // Whether the kick sent in cycle `time` went on the reckoning alone, one
  // of theirs at the ball: the server may well refuse it, his touch first.
  bool ContestedKickSent(int time) const;

private:
  float SetPlayDashPower(float power);
  int SetPlayKick(float power, float direction);
  int StepToBallInsteadOfKick();
  bool StandOffOver();
  bool MateClearlyNearerBall();

  CBehaviours &m_Brain;
  // The cycles of a kick held back for another player at the ball: the
  // first and the latest.
  int m_StandOffSince = -999;
  int m_StandOffLast = -999;
  // The cycle of the latest kick let through on the contested reckoning.
  int m_ContestedLetAt = -999;
  // The cycle of the latest such kick sent; read by the sensors thread.
  std::atomic<int> m_ContestedSentAt{-999};
  // Our latest kicks sent: cycle and noise reach, oldest overwritten.
  struct SentKick
  {
    int time = -999;
    float noise = 0;
  };
  static const int kKicksKept = 4;
  std::array<SentKick, kKicksKept> m_SentKicks{};
  int m_SentKickNext = 0;
};

// The farthest the server's noise pushes a kicked ball off the kick's
// replay: kick_rand scaled by the share of the full power used, and by
// more for a ball at a poor spot for the foot (`rateShare`, the kick's
// power rate as a share of the best) and for a ball already fast
// (`speedShare`, its speed as a share of the fastest after a cycle).
float KickNoiseReach(float kickRand, float powerShare, float rateShare, float speedShare);

#endif
