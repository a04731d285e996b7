#ifndef WORLDFIXTURE_H
#define WORLDFIXTURE_H

#include "AgentHarness.h"
#include "CBall.h"

// A recording agent whose world model the tests drive by hand, cycle by
// cycle, with the operations the sensors would call.
class WorldFixture : public AgentFixture
{
protected:
  CMemory &M() { return *agent->memory; }
  CBall &Ball() { return *M().GetNonConstBall(); }

  // The ball seen in the current cycle at a global position, without the
  // server's change information.
  void SeeBall(CVector pos)
  {
    const CVector rel = pos.Global2Relative(M().GetGPos(), M().GetFacing());
    M().SetBall(M().GetTime(), rel.GetMag(), rel.GetDir(), -999, -999, 0);
    Ball().SetGPos(pos);
  }

  void SeeBall(CVector pos, CVector velocity)
  {
    SeeBall(pos);
    Ball().SetVelocity(velocity);
    Ball().SetVelConf(1);
  }

  void NewCycles(int n)
  {
    for (int i = 0; i < n; i++)
    {
      M().SetTime(M().GetTime() + 1);
      M().Update4NewCycle();
    }
  }
};

#endif
