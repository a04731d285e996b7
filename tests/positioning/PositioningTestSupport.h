#ifndef POSITIONINGTESTSUPPORT_H
#define POSITIONINGTESTSUPPORT_H

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "MCAutoLogger.h"
#include "MCMIniMem.h"
#include "MCNestedLogger.h"
#include "MCString.h"
#include "MObjectRegistry.h"
#include "ZPPositioner.h"
#include "ZPRegistry.h"

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

// An INI memory whose clock and agent's role the test sets; installed while
// it lives.
class ClockMem : public MCMIniMem
{
public:
    int Time() override { return now; }
    bool ChangedSince(int t) override { return t < now; }
    MCMMyUnit Unit() override
    {
        MCMMyUnit unit = MCMIniMem::Unit();
        return MCMMyUnit(unit.valid() ? unit.at()->clone() : nullptr, role);
    }

    int now = 0;
    MCMRoles role = MCMR_Unset;
};

// Reports its second opponent as present but gives no unit for it.
class HoleyMem : public ClockMem
{
public:
    using ClockMem::GetOpponent;
    bool GetOpponent(int reason, int index, MCMUnit &unit) override
    {
        if (index == 1)
            return true;
        return ClockMem::GetOpponent(reason, index, unit);
    }
};

inline std::string Text(const MCString &s)
{
    return std::string(static_cast<const char *>(s));
}

inline std::string DataFile(const char *name)
{
    return std::string(TEST_DATA_DIR) + "/" + name;
}

// Positioners of every kind built by a registry from definitions of section
// Positioners, over an INI memory (tests/data/positioning-memory.ini unless
// the test loads another, or drops it to see positioners without memory).
class KindTest : public testing::Test
{
protected:
    KindTest() : mem(new ClockMem())
    {
        Load("positioning-memory.ini");
        registry.LibraryObjects();
        registry.RegisterDescriptions(&dict, "Positioners");
    }

    void Load(const char *file) { mem->LoadFile(DataFile(file).c_str()); }
    void Define(const char *definitions) { dict.parse(MCString("[Positioners]\n") + definitions); }

    ZPPositioner *Find(const char *name)
    {
        MOR_ORV r = registry.FindObject(name);
        EXPECT_EQ(r.error, 0) << name;
        return static_cast<ZPPositioner *>(r.object.get());
    }

    // The named positioner's answer in a new cycle.
    MOPosition Ask(const char *name)
    {
        if (mem)
            ++mem->now;
        ZPPositioner *p = Find(name);
        return p ? p->Position() : MOPosition(-99);
    }

    std::string Written(const char *name)
    {
        ZPPositioner *p = Find(name);
        return p ? Text(p->Representation()) : "";
    }

    LogCapture log;
    std::unique_ptr<ClockMem> mem;
    MCDictIniSafe dict;
    ZPRegistry registry;
};

#define EXPECT_AT(position, px, py)                                                                                \
    do {                                                                                                           \
        MOPosition at_ = (position);                                                                               \
        EXPECT_EQ(at_.error, 0);                                                                                   \
        EXPECT_NEAR(at_.point.x, (px), 1e-9);                                                                      \
        EXPECT_NEAR(at_.point.y, (py), 1e-9);                                                                      \
    } while (0)

#endif
