#include "CBehaviours.h"

int CBehaviours::BasicSayBye()
{
  return 0;
}

int CBehaviours::BasicMove(int, int)
{
  return 0;
}

int CBehaviours::BasicTurn(float)
{
  return 0;
}

int CBehaviours::BasicDash(float)
{
  return 0;
}

int CBehaviours::BasicKick(float, float)
{
  return 0;
}

int CBehaviours::BasicTurnNeck(float)
{
  return 0;
}

int CBehaviours::BasicSay(const char *)
{
  return 0;
}

int CBehaviours::BasicChangeView(const char *, const char *)
{
  return 0;
}

int CBehaviours::BasicCatch(float)
{
  return 0;
}

int CBehaviours::BasicSenseBody()
{
  return 0;
}
