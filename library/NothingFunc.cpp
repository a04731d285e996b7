#include "NothingFunc.h"

// Deliberately empty: a place to set a breakpoint when tracing a decision.
void NothingFunc()
{
}
