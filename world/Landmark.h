#ifndef LANDMARK_H
#define LANDMARK_H

#include <ostream>

#include "CVector.h"

// What the three kinds of landmark record share. They stay separate classes
// (each with its own kind of identifier); these helpers keep their common
// arithmetic and dump format in one place.
namespace Landmark
{
// The point mirrored through the centre spot.
inline CVector Reverted(CVector gpos)
{
  return CVector(-gpos.GetX(), -gpos.GetY());
}

// A landmark's position relative to the agent: the one the server gave, or,
// for a landmark not seen since, what its global position says from where the
// world model last put the agent. The second is worked out only when read:
// the world model moves the agent twice a cycle, some sixty landmarks each
// time, and no decision reads it (localisation takes the landmarks of the
// current visual). A read gives what working it out at once would have.
class RelativePos
{
public:
  void Set(CVector rpos)
  {
    m_Pos = rpos;
    m_Predicted = false;
  }
  void Predict(CVector ownPos, float facing)
  {
    m_Own = ownPos;
    m_Facing = facing;
    m_Predicted = true;
  }
  CVector Get(CVector gpos) const { return m_Predicted ? gpos.Global2Relative(m_Own, m_Facing) : m_Pos; }

private:
  CVector m_Pos;
  CVector m_Own;
  float m_Facing = 0;
  bool m_Predicted = false;
};

// A landmark seen in this cycle (or later) keeps the relative position the
// server gave; an older sighting is replaced by what the global position says
// from where the agent stands now.
inline void UpdateRPos(RelativePos &rpos, int seen, CVector ownPos, float facing, int time)
{
  if (seen < time)
    rpos.Predict(ownPos, facing);
}

// The dump lines of a record; kind is "FLAG", "LINE" or "GOAL", and a line's
// record carries no global position.
template <typename Id>
void Display(std::ostream &out, const char *kind, int time, float conf, Id id,
             const CVector *gpos, CVector rpos)
{
  out << '\t' << kind << " Time:" << time << std::endl;
  out << '\t' << kind << " Conf: " << conf << std::endl;
  out << '\t' << kind << " ID: " << id << std::endl;
  if (gpos)
  {
    out << '\t' << kind << " GX: " << gpos->GetX() << std::endl;
    out << '\t' << kind << " GY: " << gpos->GetY() << std::endl;
  }
  out << '\t' << kind << " RDist: " << rpos.GetMag() << std::endl;
  out << '\t' << kind << " RDir: " << rpos.GetDir() << std::endl;
}
}

#endif
