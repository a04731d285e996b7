#include "CAgent.h"

int CAgent::MainLoop()
{
  return GetStatus();
}

int CAgent::Wait4NewCycle()
{
  return 0;
}

void *StartSensors(void *)
{
  return nullptr;
}

void *StartActuators(void *)
{
  return nullptr;
}
