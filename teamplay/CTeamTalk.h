#ifndef CTEAMTALK_H
#define CTEAMTALK_H

#include "CVector.h"

class CBehaviours;

// The workings of the team's messages for one brain: whose turn it is to
// speak, whether a pass is news to say out of turn, the ball's velocity a
// message carries in the cycle of a kick, and which heard places are
// believed. Saying and hearing themselves stay the brain's and call in
// here. Defined in Communication.cpp.
class CTeamTalk
{
public:
  explicit CTeamTalk(CBehaviours &brain);

  // The team's speakers from the first turn on, as every team-mate counts
  // them; the uniform number whose turn it is to speak in a cycle, 0 for
  // nobody.
  void ResetSpeakers(int count);
  int SpeakerCount() const;
  int SpeakerOf(int time) const;
  // A pass is said at once, in the cycle of its kick and the next ones,
  // whoever's turn it is: the receiver must hear of it while the ball is
  // on its way, and most passers' turns are far off or never come. The
  // listeners hear one team-mate a cycle, so each cycle's turn-taker may
  // be heard by some and the passer by the others; saying it again makes
  // it likelier that the receiver is among his.
  static constexpr int kPassNewsCycles = 3;
  bool PassIsNews() const;
  // The ball's velocity once a kick of this power and body-relative angle
  // has sent it on from where it lies (the known ball assumed).
  CVector KickedBallVelocity(float power, float angle) const;
  // Whether a heard ball or player lies where a team-mate can have seen
  // it: on the pitch or a little beyond its lines.
  bool IsHeardPlaceOnPitch(const CVector &p) const;
  // True the first time only: an identifier that cannot head a say is
  // reported once.
  bool FirstIdentifierReport();

private:
  // The uniform number whose turn comes first.
  static constexpr int kFirstSpeaker = 3;

  CBehaviours &m_Brain;
  int m_SpeakerCount = 0;
  int m_SpeakerTurn = 0;
  bool m_IdentifierReported = false;
};

#endif
