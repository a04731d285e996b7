#ifndef ZPLELOG_H
#define ZPLELOG_H

#include "MCAutoLogger.h"

// A logger that keeps nothing: linked, it silences the positioning
// framework's log apart from the console echo of its most important lines.
class ZPLELog : public MCAutoLogger
{
public:
    void writelog(int level, const MCString &message) override;
    // Makes this the library's log target.
    void Link();
};

extern ZPLELog RealLEAutoLogger;

#endif
