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

// A landmark seen in this cycle (or later) keeps the relative position the
// server gave; an older sighting is replaced by what the global position says
// from where the agent stands now.
inline void UpdateRPos(CVector &rpos, int seen, CVector gpos, CVector ownPos, float facing,
                       int time)
{
  if (seen < time)
    rpos = gpos.Global2Relative(ownPos, facing);
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
