#ifndef MCFILELOG_H
#define MCFILELOG_H

#include "MCAutoLogger.h"

#include <fstream>

// A logger that also writes every message it accepts to one log file, shared
// by all file loggers.
class MCFileLog : public MCAutoLogger
{
public:
    // Closes the current log file and starts the named one afresh.
    static void LogTo(const MCString &filename);

    void writelog(int level, const MCString &message) override;

    static std::ofstream logfile;
};

#endif
