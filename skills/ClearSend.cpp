// Clearing, sending and shooting targets: the scanners choose the direction,
// these turn it into a direction vector or a point on the pitch.

#include "CBehaviours.h"
#include "PlayerInterface.h"

std::vector<CVector> CBehaviours::FoePositions()
{
  sorted_players foes;
  SortValidFoes2Me(foes);
  std::vector<CVector> positions;
  positions.reserve(static_cast<size_t>(foes.count));
  for (int i = 0; i < foes.count && i < sorted_players::MAX_ENTRIES; i++)
    positions.push_back(foes.players[i]->GetGPos());
  return positions;
}

CVector CBehaviours::ShootTarget(CVector from, float first, float second)
{
  const CVector goal(m_PitchLength / 2, 0);
  return Polar2CVector(1, m_Target.ShootAngle(from, FoePositions(), goal, first, second));
}

CVector CBehaviours::ClearTarget()
{
  return Polar2CVector(1, m_Target.ClearAngle(GetGPos(), FoePositions()));
}

namespace
{
// A send target no farther from the sender than the far distance.
CVector NoFarther(CVector from, CVector target, float far)
{
  return far > 0 && from.dist(target) > far ? from + (target - from).SetLength(far) : target;
}
}  // namespace

CVector CBehaviours::SendTarget()
{
  const CVector me = GetGPos();
  const CVector target = m_Target.SendPoint(me, m_Target.SendAngle(me, FoePositions()));
  return m_FieldCRectangle.AdjustToWithin(NoFarther(me, target, m_SendFarDistance));
}

CVector CBehaviours::OffensiveSendTarget()
{
  const CVector me = GetGPos();
  const CVector target =
      m_OffensiveTarget.SendPoint(me, m_OffensiveTarget.SendAngle(me, FoePositions()));
  return NoFarther(me, target, m_SendFarDistance);
}
