#include "MCSPoint.h"
#include "PositioningTestSupport.h"
#include "ZPPositioner.h"
#include "ZPRegistry.h"

#include <gtest/gtest.h>

namespace {

// Counts its computations and answers with the count as x, so a test can
// tell a cached answer from a fresh one.
class Counting : public ZPPositioner
{
public:
    Counting() { m_Name = "COUNTING"; }
    MObjectBase *Clone() const override { return new Counting(*this); }
    MOPosition __Position() override
    {
        ++computed;
        return MOPosition(MCSPoint(computed, 0));
    }

    int computed = 0;
};

// A kind with one key of each sort, written the way every kind is.
class Sample : public ZPPositioner
{
public:
    Sample() { m_Name = "SAMPLE"; }
    MCString Representation() const override
    {
        std::vector<MCString> flags;
        if (flag)
            flags.push_back("F");
        return Describe(m_Name, {{"FROM", fromName}, {"X", MCString(x)}, {"N", MCString(n)}}, flags);
    }
    void DecodeRepresentation(const MCObjectDescription &d, MObjectRegistry &registry) override
    {
        Key(d, "FROM", fromName);
        Key(d, "X", x);
        Key(d, "N", n);
        MCString f;
        if (Key(d, "F", f))
            flag = f.empty() ? 1 : f.operator int();
        from = Resolve(fromName, "COUNTING", registry);
    }
    MObjectBase *Clone() const override { return new Sample(*this); }
    MOPosition __Position() override
    {
        MOPosition p = from.valid() ? from->Position() : MOPosition(-1);
        p.point.move(x, 0);
        return p;
    }

    MCString fromName;
    MObject from;
    double x = 0;
    int n = 0;
    int flag = 0;
};

class Nameless : public MObjectBase
{
public:
    MCString Representation() const override { return "no brackets"; }
};

class SampleRegistry : public ZPRegistry
{
public:
    void LibraryObjects() override
    {
        ZPRegistry::LibraryObjects();
        AutoRegister(MObject(new Counting()));
        AutoRegister(MObject(new Sample()));
    }
};

class PositionerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        dict.parse("[Positioners]\n"
                   "Count = (COUNTING)\n"
                   "Near = (SAMPLE:(FROM:Count,X:2.5,N:3))\n"
                   "Far = (Near:(X:-52.5))\n"
                   "Flagged = (SAMPLE:(F))\n"
                   "Odd = (SAMPLE:(X:abc,N:7.9,F:2))\n"
                   "Lost = (SAMPLE:(FROM:Nowhere))\n");
        registry.LibraryObjects();
        registry.RegisterDescriptions(&dict, "Positioners");
    }

    template <typename T> T *Find(const char *name)
    {
        MOR_ORV r = registry.FindObject(name);
        EXPECT_EQ(r.error, 0) << name;
        return static_cast<T *>(r.object.get());
    }

    LogCapture log;
    MCDictIniSafe dict;
    SampleRegistry registry;
};

} // namespace

TEST_F(PositionerTest, ComputesOncePerCycle)
{
    ClockMem mem;
    Counting *c = Find<Counting>("Count");
    mem.now = 5;
    EXPECT_EQ(c->Position().point.x, 1);
    EXPECT_EQ(c->Position().point.x, 1);
    mem.now = 6;
    EXPECT_EQ(c->Position().point.x, 2);
    // A clock that goes back keeps the last answer until it passes it.
    mem.now = 3;
    EXPECT_EQ(c->Position().point.x, 2);
    mem.now = 6;
    EXPECT_EQ(c->Position().point.x, 2);
    mem.now = 7;
    EXPECT_EQ(c->Position().point.x, 3);
}
