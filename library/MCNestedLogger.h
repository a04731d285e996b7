#ifndef MCNESTEDLOGGER_H
#define MCNESTEDLOGGER_H

class MCAutoLogger;
class MCString;

// The library's one logging entry point: messages go to the registered
// logger, or to the standard error marked as not logged.
class MCLog
{
public:
    // Registers the logger without taking ownership; null unregisters.
    static void LogTo(MCAutoLogger *logger);
    static void Log(int level, const MCString &message);

    static MCAutoLogger *LogObject;
};

// While one of these lives, messages logged through NLog sit one nesting
// level deeper.
class MCNestLog
{
public:
    MCNestLog();
    ~MCNestLog();
    MCNestLog(const MCNestLog &) = delete;
    MCNestLog &operator=(const MCNestLog &) = delete;

    static void NLog(const MCString &message);
    static void SetBase(int n);
    static void SetStep(int n);

    static int current_level;
    static int base_level;
    static int level_step;
};

#endif
