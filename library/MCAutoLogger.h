#ifndef MCAUTOLOGGER_H
#define MCAUTOLOGGER_H

class MCString;

// A logger filters messages by level, echoes them to the console indented by
// their level and hands them to writelog, which derived loggers point at a
// destination of their own. Level 1 and below are errors.
class MCAutoLogger
{
public:
    MCAutoLogger();
    // Loggers are registered and freed through base pointers.
    virtual ~MCAutoLogger();

    void Limit(int n);
    void StdLimit(int n);
    void LevelShift(int n);

    virtual void Log(int level, const MCString &message);
    virtual void writelog(int level, const MCString &message);

protected:
    int limit;      // above this level nothing reaches writelog
    int stdlimit;   // above this level nothing is echoed to the standard output
    int levelshift; // added to the level passed to writelog, errors excepted
};

#endif
