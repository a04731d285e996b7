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
const int FP_MAX_PLANS = 1000;  // far above any team's set plays

// A box of the pitch as the configuration writes it, "x y w h": centred on
// (x, y), w wide along the pitch and h across it. A box of no size is none.
struct FIXPLANAREA
{
  CVector centre;
  CVector size;
};

// A box around what a positioner answers: "NAME w h", a wide and b across.
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

// "x y w h"; numbers the text lacks stay 0.
FIXPLANAREA ParseFixPlanArea(const MCString &text);
// "NAME a b"; the name becomes a positioner handle, empty when no positioner
// has that name.
FIXPLANMCAREA ParseFixPlanMCArea(const MCString &text);
// A box the running plan measures: where it lies now, and whether the
// configuration gave one at all.
struct FIXPLANREGION
{
  bool given = false;
  CVector centre;
  CVector size;
  bool Contains(CVector p) const;
};

// How the running set play stands, and which plans may run.
enum : int
{
  FP_FREE = 0,              // the plan may be chosen
  FP_BARRED_UNTIL_CALL = 1, // it ran: not again before the referee's next call
  FP_BARRED_FOR_HALF = 2    // it ran and does not repeat
};

// A trigger as choosing a plan reads it: its code, its box and point as
// numbers, the player it names, and where it stands in its plan (for a box
// a positioner gives, read from the plan itself). The plans' own records lie
// far apart; these lie together.
struct FIXPLANBRIEF
{
  int type = 0;
  int coord_type = 0;
  int player = 0;
  int k = 0;
  float x = 0, y = 0, w = 0, h = 0;  // the box: centre and size
  float px = 0, py = 0;              // the point
};

struct FIXPLANRUN
{
  int checked = -999;          // the cycle the plans were last looked at
  int plan_start = -999;       // when the current plan was chosen
  int action_since = -999;     // when the current action started, or began to wait
  bool action_started = false; // its triggers held (or its wait ran out into a kick)
  bool kicked = false;         // a kick of the current action has gone out
  int action_mode = 0;         // the referee's call when the action started
  int mode = -999;             // the referee's call last seen, and its cycle
  int mode_time = -999;
  int excluding = -1;          // the plan whose exclude_next names may not run next
  // Per plan: named by the excluding plan's exclude_next, read out when the
  // excluding plan was set (every pass asks for every plan).
  std::vector<bool> excluded;
  int excluded_for = -1;
  std::vector<int> barred;     // per plan: FP_FREE or a bar
  std::vector<bool> usable;    // per plan: it has an action and every code is known
  int assigned_time = -999;    // the cycle of the assignment below
  std::vector<int> assigned;   // per plan naming no player: who goes to its point
  // The triggers of the usable plans' first actions in order, as choosing a
  // plan reads them every pass for every plan; plan i's are from
  // brief_start[i] up to brief_start[i + 1].
  std::vector<FIXPLANBRIEF> briefs;
  std::vector<int> brief_start;
};

// "x y"; numbers the text lacks stay at the given fallback.
CVector ParseFixPlanPoint(const MCString &text, float fallback);
// A handle to the named positioner; a name the registry cannot build is
// logged and gives an empty handle.
ZPPositionerID FindPositioner(const MCString &name);

#endif
