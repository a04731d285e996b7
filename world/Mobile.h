#ifndef MOBILE_H
#define MOBILE_H

#include <ostream>

#include "CVector.h"

// What the ball's and the players' records share.
namespace Mobile
{
// The position of a global point relative to the agent standing at ownPos
// and looking towards facing, never nearer than floor: the server cannot
// report objects nearer than their sizes allow, and a relative position of
// length 0 would have no direction.
inline CVector Relative(CVector gpos, CVector ownPos, float facing, float floor)
{
  CVector rpos = gpos.Global2Relative(ownPos, facing);
  if (rpos.GetMag() < floor)
    rpos.SetMag(floor);
  return rpos;
}

// The dump form of a vector after its label: "X=1 Y=2 M=2.23607 D=63.4349".
inline void DisplayParts(std::ostream &out, const char *label, CVector v)
{
  out << '\t' << label << "X=" << v.GetX() << " Y=" << v.GetY() << " M=" << v.GetMag()
      << " D=" << v.GetDir() << std::endl;
}
}

#endif
