#include "CBehaviours.h"

void CBehaviours::ParseMessage(char *) const
{
}
