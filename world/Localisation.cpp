#include "CBehaviours.h"

#include <initializer_list>

#include "CFlag.h"
#include "CLine.h"
#include "PoseFit.h"

// Where we stand and look follows first from one field line and one flag of
// the visual: the line gives the neck's direction, the flag the position.
// Every other flag of the visual then refines that pose: a single flag 50 m
// off, all a goalkeeper facing the field may have near him, puts him a metre
// wrong for a degree of rounding, while a dozen flags in view agree to a few
// decimetres.

namespace
{
// The flags' identifiers run from 1 to this; 0 is a flag seen only as near.
const int kLandmarkFlags = 53;
}

const CLine *CBehaviours::InsideLine()
{
  const int t = GetTime();
  const CLine *best = nullptr;
  float bestDistance = 0;
  // The farthest line is the one we look at from inside the pitch; a nearer
  // one may be a line we stand beside and see at a grazing angle.
  for (char id : {'l', 't', 'r', 'b'})
  {
    const CLine *line = M2BReadLine(id);
    if (line && line->GetTime() == t && line->GetRMag() > bestDistance)
    {
      best = line;
      bestDistance = line->GetRMag();
    }
  }
  return best;
}

const CFlag *CBehaviours::ClosestFlag()
{
  const int t = GetTime();
  const CFlag *best = nullptr;
  float bestDistance = 999;
  // The server's distance error grows with the distance.
  for (int id = 1; id <= kLandmarkFlags; id++)
  {
    const CFlag *flag = M2BReadFlag(id);
    if (flag && flag->GetTime() == t && flag->GetRMag() < bestDistance)
    {
      best = flag;
      bestDistance = flag->GetRMag();
    }
  }
  return best;
}

// The server reports a line by the angle between our line of sight and the
// line, on the side we look from; 90 means we look straight at it.
float CBehaviours::GFaceDir(const CLine *line)
{
  const float g = line->GetGDir();
  const float r = line->GetRDir();
  const float facing = r < 0 ? g - (r + 90) : 90 - r + g;
  return NormaliseAngle(facing);
}

void CBehaviours::Localise()
{
  const int t = GetTime();
  const CVector old = GetGPos();
  const sensebody sb = GetSB();

  const CLine *line = InsideLine();
  const CFlag *flag = ClosestFlag();
  CVector position = old;
  if (!line || !flag)
    position.SetMag(-1);
  else
  {
    const float lineFacing = GFaceDir(line);
    Pose pose = {flag->GetGPos() - Polar2CVector(flag->GetRMag(), lineFacing + flag->GetRDir()),
                 lineFacing};
    LandmarkSighting seen[kLandmarkFlags];
    int count = 0;
    for (int id = 1; id <= kLandmarkFlags; id++)
    {
      const CFlag *f = M2BReadFlag(id);
      if (f && f->GetTime() == t)
        seen[count++] = {f->GetGPos(), f->GetRMag(), f->GetRDir()};
    }
    pose = FitPose(seen, count, pose, true, lineFacing);
    SetFacing(NormaliseAngle(pose.facing));
    SetBFacing(NormaliseAngle(GetFacing() - sb.head_angle));
    position = pose.position;
  }

  // The jump from where dead reckoning had us to where we are: positions of
  // the ball taken before it must move with us. Only the first jump of a
  // cycle counts.
  if (position.GetMag() >= 0 && GetGPosCorrTime() < t)
  {
    SetGPosCorr(position - old);
    SetGPosCorrTime(GetLastVisualTime());
  }
  else if (GetGPosCorrTime() != t)
    SetGPosCorr(CVector(0, 0));

  SetGPos(position);
}
