#ifndef FIXPLANS_H
#define FIXPLANS_H

#include <vector>

#include "CVector.h"
#include "MCString.h"
#include "ZPPositionerID.h"

// The set plays ("fixed plans") as the configuration describes them: a plan
// names the player who carries it out and up to four actions; each action
// waits for its triggers and gives up on its abort conditions. Arrays count
// from 1, with slot 0 left empty, as the keys do.

const int FP_MAX_TRIGGERS = 8;  // per action
const int FP_MAX_ACTIONS = 4;   // per plan
const int FP_MAX_ABORTS = 2;    // per action
const int FP_MAX_EXCLUDES = 14; // plans that may not follow this one

// A rectangle of the pitch given by two corners, as the configuration
// writes it: "x1 y1 x2 y2".
struct FIXPLANAREA
{
  CVector corner1;
  CVector corner2;
};

// An area around what a positioner answers: "NAME a b".
struct FIXPLANMCAREA
{
  MCString name;
  ZPPositionerID positioner;
  float a = 0;
  float b = 0;
};

struct FIXPLANTRIGGER
{
  int type = 0;  // 0: no trigger
  FIXPLANAREA area;
  FIXPLANMCAREA mcarea;
  CVector pos;
  int player = 0;
  int coord_type = 0;
};

struct FIXPLANACTION
{
  int type = 0;  // 0: no action
  FIXPLANAREA area;
  FIXPLANMCAREA mcarea;
  CVector pos;
  // Where the action goes; "HOME" when the configured name gives none.
  ZPPositionerID mcpos;
  int player = 0;
  int coord_type = 0;
  int wait_time = 1;
  float kick_power = 1.0f;
  int kick_type = 0;
  int dash_power = 100;
  FIXPLANTRIGGER triggers[FP_MAX_TRIGGERS + 1];
  int aborts[FP_MAX_ABORTS + 1] = {};
};

struct FIXPLAN
{
  MCString name;  // the plan's own configuration section
  int player = 0;
  FIXPLANACTION actions[FP_MAX_ACTIONS + 1];
  int time_limit = 500;
  bool repeat = true;
  MCString exclude_next[FP_MAX_EXCLUDES + 1];
};

// "x1 y1 x2 y2"; numbers the text lacks stay 0.
FIXPLANAREA ParseFixPlanArea(const MCString &text);
// "NAME a b"; the name becomes a positioner handle, empty when no positioner
// has that name.
FIXPLANMCAREA ParseFixPlanMCArea(const MCString &text);
// "x y"; numbers the text lacks stay at the given fallback.
CVector ParseFixPlanPoint(const MCString &text, float fallback);
// A handle to the named positioner, made only when the registry can build
// it, so that names it lacks cost no log line each.
ZPPositionerID FindPositioner(const MCString &name);

#endif
