#ifndef MCCSTARGET_H
#define MCCSTARGET_H

#include <vector>

#include "CVector.h"
#include "MCString.h"

class MCDictIniSafe;

// The angle scanner that chooses where a cleared, sent or shot ball goes:
// the direction in a window that passes farthest from the opponents.
class MCCSTarget
{
public:
  MCCSTarget();
  virtual ~MCCSTarget() {}

  // Reads the scanner's settings from the section (the pitch from section
  // NotInServer); missing keys keep their defaults.
  virtual void ImportConfig(MCDictIniSafe &config, MCString section);

  // The shooting direction from a point: with both angles 0 the window
  // between the posts of the goal, pulled in by the post ratio; otherwise
  // the window between the two directions.
  float ShootAngle(CVector from, const std::vector<CVector> &foes, CVector goal, float first,
                   float second) const;
  // The clearing direction: the forward half-plane, counting the opponents
  // within the safe ball distance.
  float ClearAngle(CVector from, const std::vector<CVector> &foes) const;
  // The sending direction: forward within the sending angle.
  float SendAngle(CVector from, const std::vector<CVector> &foes) const;
  // The point a send in that direction aims at.
  virtual CVector SendPoint(CVector from, float dir) const;

protected:
  float m_Start = -90;
  float m_End = 90;
  float m_StepSize = 2;
  float m_SafeBallDist = 30;
  float m_Xoffset = 20;
  float m_PitchEnd = 47.5;
  float m_SendMinAngle = 60;
  float m_ShootStepSize = 1;
  float m_ShootPostRatio = 0.95f;
  float m_GoalWidthFactor = 0.956f;
  float m_GoalWidth = 14.02f;
  float m_PitchWidth = 68;
};

#endif
