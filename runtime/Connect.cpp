#include "CAgent.h"

void CAgent::Init(const char *, MCDictIniSafe &)
{
}

void CAgent::Reconnect(MCDictIniSafe &)
{
}
