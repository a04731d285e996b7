#include "CBehaviours.h"

void CBehaviours::Localise()
{
}
