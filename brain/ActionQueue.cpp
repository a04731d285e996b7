#include "CBehaviours.h"

int CBehaviours::SendAllActions(int)
{
  return 0;
}

void CBehaviours::SendQueuedScans()
{
}
