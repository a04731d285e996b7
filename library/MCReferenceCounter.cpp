#include "MCReferenceCounter.h"

#include "MCNestedLogger.h"
#include "MCString.h"

int MCReferenceCounter::attach()
{
    return ++count;
}

int MCReferenceCounter::detach()
{
    if (--count < 0) {
        MCLog::Log(1, MCString("MCValueBase::detach : object already detatched"));
        count = 0;
    }
    return count;
}
