#ifndef CSITUATIONWALKS_H
#define CSITUATIONWALKS_H

class CBehaviours;
class CPlayer;
struct sorted_players;

// The walks behind one brain's situation queries: a sorted list's players
// inside a window, the first of a group along the pitch, the quickest of a
// list to the ball. The queries the brain answers by name stay its own and
// call in here. Defined in AdvancedBehaviours.cpp.
class CSituationWalks
{
public:
  explicit CSituationWalks(CBehaviours &brain);

  // The list's players within distTol of the relative distance and dirTol
  // of the direction from the body, both bounds widened by epsilon.
  int CountInWindow(const sorted_players &list, float distTol, float dirTol, float dist,
                    float dir) const;
  // The first of a group along the pitch (past the goalkeeper, or the agent).
  const CPlayer *ExtremeX(int mask, bool highest, bool skipGoalie, bool withMe);
  const CPlayer *QuickestToBall(const sorted_players &list, int &bound, bool notGoalkeeper);
  // Their man first to the ball, given the list's quickest and his
  // cycles: the man picked in the last cycle while he is still in the list
  // and gets there within a cycle of the quickest.
  const CPlayer *StillTheirReceiver(const sorted_players &list, const CPlayer *quickest,
                                    int cycles);

private:
  CBehaviours &m_Brain;
  const CPlayer *m_TheirReceiver = nullptr;
  int m_TheirReceiverUNum = 0;
  int m_TheirReceiverTime = -999;
};

#endif
