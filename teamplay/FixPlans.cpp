#include "FixPlans.h"

#include <cstdio>
#include <iostream>
#include <vector>

#include "CBehaviours.h"
#include "MCDictIniSafe.h"

namespace
{
// The names the plans hold, each text held once and shared by every plan
// slot that names it: some three thousand trigger slots name the home
// positioner and a thousand excludes name no plan, which as copies of their
// own held a hundred kilobytes for the half.
MCString Shared(const MCString &text)
{
  static std::vector<MCString> held;
  for (const MCString &name : held)
    if (name == text)
      return name;
  held.push_back(text);
  return text;
}
}  // namespace

// [CrossStage1Down]
// action_1_trigger_1_area = 50 25 5 5
FIXPLANAREA ParseFixPlanArea(const MCString &text)
{
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  // The plans' own boxes show what the numbers are: "-47 9 7 7" must hold
  // the goal-kick spot (-47, 9.16), which it does as centre and size only.
  std::sscanf(text, "%f %f %f %f", &x1, &y1, &x2, &y2);
  FIXPLANAREA area;
  area.centre = CVector(x1, y1);
  area.size = CVector(x2, y2);
  return area;
}

// action_1_MCarea = OCKP2D 4 4
FIXPLANMCAREA ParseFixPlanMCArea(const MCString &text)
{
  // The name is bounded by the buffer; a longer one is cut, never overruns.
  char name[64] = "";
  FIXPLANMCAREA area;
  std::sscanf(text, "%63s %f %f", name, &area.a, &area.b);
  area.name = Shared(MCString(name));
  area.positioner = FindPositioner(area.name);
  return area;
}

// action_1_pos = 43.5 -4
CVector ParseFixPlanPoint(const MCString &text, float fallback)
{
  float x = fallback, y = fallback;
  std::sscanf(text, "%f %f", &x, &y);
  return CVector(x, y);
}

ZPPositionerID FindPositioner(const MCString &name)
{
  if (name.empty() || ZPPositionerID::SetUpComplete == 0)
    return ZPPositionerID();
  // The handle says which name it failed to find: a mistyped name would
  // otherwise send the player to (0, 0) with nobody told why.
  return ZPPositionerID(name);
}

MCString CBehaviours::IntToString(int number) const
{
  return MCString(number);
}

void CBehaviours::InitialiseFixPlans()
{
  m_FixPlans.assign(static_cast<std::size_t>(m_NumFixPlans) + 1, FIXPLAN());
}

void CBehaviours::ReadFixPlans(const MCDictIniSafe &config)
{
  const MCString list("InitialiseFixPlans");
  m_NumFixPlans = config.get(list, "number", 1);
  // A negative count reads no plan, like 0; a huge one would take the memory
  // of a plan record each before a single plan is read.
  if (m_NumFixPlans < 0)
    m_NumFixPlans = 0;
  if (m_NumFixPlans > FP_MAX_PLANS)
  {
    std::cerr << "WARNING: FixPlans: ReadFixPlans: " << m_NumFixPlans << " set plays are too many, reading the first "
              << FP_MAX_PLANS << "..." << std::endl;
    m_NumFixPlans = FP_MAX_PLANS;
  }
  InitialiseFixPlans();
  for (int i = 1; i <= m_NumFixPlans; i++)
  {
    FIXPLAN &plan = m_FixPlans[i];
    plan.name = config.get(list, "fp_" + IntToString(i), MCString("empty"));
    const MCString &s = plan.name;
    plan.player = config.get(s, "player", 0);
    for (int j = 1; j <= FP_MAX_ACTIONS; j++)
    {
      FIXPLANACTION &action = plan.actions[j];
      const MCString a = "action_" + IntToString(j);
      action.type = config.get(s, a, 0);
      action.area = ParseFixPlanArea(config.get(s, a + "_area", MCString("0 0 0 0")));
      action.mcarea = ParseFixPlanMCArea(config.get(s, a + "_MCarea", MCString("HOME 0 0")));
      action.pos = ParseFixPlanPoint(config.get(s, a + "_pos", MCString("-999.0 -999.0")), -999);
      action.mcpos = FindPositioner(config.get(s, a + "_mcpos", MCString("HOME")));
      if (!action.mcpos.valid())
        action.mcpos = FindPositioner("HOME");
      action.player = config.get(s, a + "_player", 0);
      action.coord_type = config.get(s, a + "_coord_type", 0);
      action.wait_time = config.get(s, a + "_wait_time", 1);
      action.kick_power = static_cast<float>(config.get(s, a + "_kick_power", 1.0));
      action.kick_type = config.get(s, a + "_kick_type", 0);
      action.dash_power = config.get(s, a + "_dash_power", 100);
      for (int k = 1; k <= FP_MAX_TRIGGERS; k++)
      {
        FIXPLANTRIGGER &trigger = action.triggers[k];
        const MCString t = a + "_trigger_" + IntToString(k);
        trigger.type = config.get(s, t, 0);
        trigger.area = ParseFixPlanArea(config.get(s, t + "_area", MCString("0 0 0 0")));
        trigger.mcarea = ParseFixPlanMCArea(config.get(s, t + "_MCarea", MCString("HOME 0 0")));
        trigger.pos = ParseFixPlanPoint(config.get(s, t + "_pos", MCString("0 0")), 0);
        trigger.player = config.get(s, t + "_player", 0);
        trigger.coord_type = config.get(s, t + "_coord_type", 0);
      }
      for (int k = 1; k <= FP_MAX_ABORTS; k++)
        action.aborts[k] = config.get(s, a + "_abort_" + IntToString(k), 0);
    }
    plan.time_limit = config.get(s, "time_limit", 500);
    plan.repeat = config.get(s, "repeat", 1) != 0;
    for (int k = 1; k <= FP_MAX_EXCLUDES; k++)
      plan.exclude_next[k] = Shared(config.get(s, "exclude_next_" + IntToString(k), MCString("empty")));
  }
  CheckFixPlans();
}

// The set plays' run is its own object; these are the brain's names for it.

bool CBehaviours::AmIInThePlan()
{
  return m_FixPlanRunner.AmIInThePlan();
}

int CBehaviours::ExecuteFixPlan()
{
  return m_FixPlanRunner.ExecuteFixPlan();
}

bool CBehaviours::InFixPlan() const
{
  return m_FixPlanRunner.InFixPlan();
}

void CBehaviours::CheckFixPlans()
{
  m_FixPlanRunner.CheckFixPlans();
}
