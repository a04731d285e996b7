// The goalkeeper's play.

#include "CBehaviours.h"

void CBehaviours::PlayAsGoalKeeper(PlayMode previous, PlayMode current)
{
  StandAndLook(previous, current);
}
