#ifndef MCCSOFFENSIVETARGET_H
#define MCCSOFFENSIVETARGET_H

#include "MCCSTarget.h"

// The scanner for sending the ball upfield: its targets reach farther the
// farther the goal line is, by the scale factor, and stop short of the
// opponents' goal line by the end offset.
class MCCSOffensiveTarget : public MCCSTarget
{
public:
  MCCSOffensiveTarget();

  void ImportConfig(MCDictIniSafe &config, MCString section) override;
  CVector SendPoint(CVector from, float dir) const override;

protected:
  float m_XEndOffset = -5;
  float m_ScaleFactor = 0;
};

#endif
