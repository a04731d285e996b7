#include "CBehaviours.h"

void CBehaviours::AdjustStrategy()
{
}

void CBehaviours::DetermineEnvState(PlayMode, PlayMode)
{
}

void CBehaviours::DetermineActionState()
{
}

void CBehaviours::PlayAsGoalKeeper(PlayMode, PlayMode)
{
}

void CBehaviours::PlayAsDefender(PlayMode, PlayMode)
{
}

void CBehaviours::PlayAsMidfielder(PlayMode, PlayMode)
{
}

void CBehaviours::PlayAsForward(PlayMode, PlayMode)
{
}
