#ifndef POSITIONINGTESTSUPPORT_H
#define POSITIONINGTESTSUPPORT_H

#include <string>
#include <utility>
#include <vector>

#include "MCAutoLogger.h"
#include "MCMIniMem.h"
#include "MCNestedLogger.h"
#include "MCString.h"
#include "MObjectRegistry.h"

// Keeps every message logged through the library's log while it lives,
// instead of echoing it to the console.
class LogCapture : public MCAutoLogger
{
public:
    LogCapture() { MCLog::LogTo(this); }
    ~LogCapture() override { MCLog::LogTo(nullptr); }

    void Log(int level, const MCString &message) override
    {
        lines.emplace_back(level, std::string(static_cast<const char *>(message)));
    }

    int Count(const std::string &text) const
    {
        int n = 0;
        for (const auto &line : lines)
            if (line.second == text)
                ++n;
        return n;
    }

    bool Has(const std::string &text) const { return Count(text) > 0; }

    std::vector<std::pair<int, std::string>> lines;
};

// A registry without prototypes.
class BareRegistry : public MObjectRegistry
{
public:
    void LibraryObjects() override {}
};

// An INI memory whose clock the test sets; installed while it lives.
class ClockMem : public MCMIniMem
{
public:
    int Time() override { return now; }
    bool ChangedSince(int t) override { return t < now; }

    int now = 0;
};

inline std::string Text(const MCString &s)
{
    return std::string(static_cast<const char *>(s));
}

#endif
