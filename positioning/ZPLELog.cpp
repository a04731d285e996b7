#include "ZPLELog.h"

#include <cstring>

#include "MCNestedLogger.h"
#include "MCString.h"
#include "NothingFunc.h"

ZPLELog RealLEAutoLogger;

void ZPLELog::writelog(int, const MCString &message)
{
    // A bounded copy where a debugger can look at the line; it goes nowhere.
    char line[1025];
    std::strncpy(line, message, sizeof line - 1);
    line[sizeof line - 1] = '\0';
    NothingFunc();
}

void ZPLELog::Link()
{
    MCLog::LogTo(this);
    Limit(200);
    StdLimit(9);
    LevelShift(30);
}
