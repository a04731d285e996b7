#ifndef MCCSTARGET_H
#define MCCSTARGET_H

#include <vector>

#include "CVector.h"
#include "MCString.h"

class MCDictIniSafe;
struct MCCSScan;

// The angle scanner that chooses where a cleared, sent or shot ball goes:
// the direction in a window that opponents block least.
class MCCSTarget
{
public:
  MCCSTarget();
  virtual ~MCCSTarget() {}

  // Reads the scanner's settings from the section (the pitch and goal from
  // section NotInServer); missing keys keep their defaults.
  virtual void ImportConfig(MCDictIniSafe &config, MCString section);

  // The shooting direction from a point: with both angles 0 the window
  // between the posts of the goal, pulled in by the post ratio (from a
  // shallow angle only its far half); otherwise the window between the
  // two directions.
  float ShootAngle(CVector from, const std::vector<CVector> &foes, CVector goal, float first,
                   float second) const;
  // The clearing direction: the window from Start to End, counting the
  // opponents within the safe ball distance, kept off the lines near the
  // pitch's ends.
  float ClearAngle(CVector from, const std::vector<CVector> &foes) const;
  // The same within a window of the caller's (degrees, lo to hi), for a
  // kicker who must not clear across some part of the pitch.
  float ClearAngle(CVector from, const std::vector<CVector> &foes, float lo, float hi) const;
  // The sending direction: forward within the sending angle, widened to the
  // whole window when that is blocked and the scanner may.
  float SendAngle(CVector from, const std::vector<CVector> &foes) const;
  // The point a send in that direction aims at.
  virtual CVector SendPoint(CVector from, float dir) const;

protected:
  // The scan shared by clearing and sending, before its window is set.
  MCCSScan BaseScan(CVector from) const;

  float m_Start = -90;
  float m_End = 90;
  float m_StepSize = 2;
  float m_SafeBallDist = 30;
  float m_ConeRatio = 0.5f;
  float m_Tightness = 1;
  bool m_Force = true;
  // "ZP": prefer the direction towards the zero point, Xoffset ahead at
  // y = Yoffset (not beyond PitchEnd); any other style the window's middle.
  MCString m_Style = "ZP";
  float m_Xoffset = 20;
  float m_Yoffset = 0;
  float m_PitchEnd = 47.5f;
  float m_ClearPitchEnd = 40;
  float m_ClearYoffset = 28;
  bool m_SendAutoAngle = true;
  float m_SendMinAngle = 60;
  float m_SendMinXDist = 20;
  float m_SendMinYDist = 34;
  float m_SendYoffset = 0;
  float m_ShootStepSize = 1;
  float m_ShootPostRatio = 0.95f;
  float m_GoalWidthFactor = 0.956f;
  float m_ShootTightness = 2;
  float m_ShootShallow = 10;
  bool m_ShootShallowFar = true;
  float m_GoalWidth = 14.02f;
  float m_PitchLength = 105;
  float m_PitchWidth = 68;
};

#endif
