// Right after our kick-off: the man who gets the ball plays it on to a
// team-mate with room.

#include "CBehaviours.h"

namespace
{
// Their forwards stand at the centre circle's edge and come out at whoever
// gets the kick-off's pass, 7-9 m back of the spot: he ran with it into
// them or gave it back to the taker in their midst, and the ball was
// theirs within 45 cycles 191 times in 227, while the ball on to a wide man
// or a defender with room was kept 11 times in 13. For this long after the
// kick it goes on to such a man.
const int kKickOffSpell = 15;
// No farther than the kick-off's own pass, to a man with none of theirs
// this near: at the kick-off receiver's touch the wide midfielder and the
// centre-backs stood 15-29 m clear, his other neighbours 5-8 m.
const float kPlayOnLongest = 25;
const float kPlayOnRoom = 10;
}  // namespace

int CBallChoices::PlayOnFromTheKickOff()
{
  if (m_Brain.m_CurrentMode != PM_PLAY_ON || m_Brain.m_PreviousMode != PM_KICK_OFF ||
      m_Brain.GetTime() - m_Brain.m_ModeStartTime > kKickOffSpell)
    return 0;
  PASSLIMITS limits;
  // Back or across as well: a defender with room has the time to build.
  limits.backAllowance = m_Brain.m_PitchLength;
  limits.maxDist = kPlayOnLongest;
  limits.freeRadius = kPlayOnRoom;
  // Their forwards are coming: the ball goes in one kick.
  limits.oneKick = true;
  const CPlayer *mate = m_Brain.PassTarget(limits);
  return mate && m_Brain.Chose(BP_PASS, m_Brain.AnnouncePass(
                                            mate, mate->GetGPos(),
                                            KickOnceTowards(mate->GetGPos(), m_Brain.PassPace(mate))));
}
