#include "MCDictIniSafe.h"
#include "MCSPoint.h"
#include "PositioningTestSupport.h"
#include "ZPLELog.h"
#include "ZPPositioner.h"
#include "ZPPositionerID.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class Ticker : public ZPPositioner
{
public:
    Ticker() { m_Name = "TICKER"; }
    MObjectBase *Clone() const override { return new Ticker(*this); }
    MOPosition __Position() override { return MOPosition(MCSPoint(++computed, -2.5)); }

    int computed = 0;
};

class Missing : public ZPPositioner
{
public:
    Missing() { m_Name = "MISSING"; }
    MObjectBase *Clone() const override { return new Missing(*this); }
    MOPosition __Position() override { return MOPosition(-1); }
};

// The program's registry is set up once per process; every test here
// shares this configuration and picks names of its own.
void SetUpOnce()
{
    static MCDictIniSafe dict;
    static bool done = false;
    // A brain started by another test binds the registry to its own
    // configuration, which has gone with it.
    ZPPositionerID::PosReg.RegisterDescriptions(&dict, "");
    if (done)
        return;
    done = true;
    dict.parse("[Positioners]\n"
                "Plain = (BASE)\n"
                "Alias = (Plain)\n"
                "Tick = (TICKER)\n"
                "TickToo = (TICKER)\n"
                "Gone = (MISSING)\n");
    ZPPositionerID::PosReg.Register("TICKER", MObject(new Ticker()));
    ZPPositionerID::PosReg.Register("MISSING", MObject(new Missing()));
    ZPPositionerID::SetUpRegistry(dict);
}

class PositionerIDTest : public testing::Test
{
protected:
    void SetUp() override
    {
        SetUpOnce();
        log.lines.clear();
    }
    LogCapture log;
};

} // namespace

TEST(ZPLELogTest, LinkedItSwallowsAllButTheConsoleEcho)
{
    ZPLELog logger;
    logger.Link();
    EXPECT_EQ(MCLog::LogObject, &logger);
    testing::internal::CaptureStdout();
    // Longer than the logger's own line buffer.
    MCLog::Log(50, MCString(std::string(3000, 'x').c_str()));
    MCLog::Log(5, "shown");
    std::string out = testing::internal::GetCapturedStdout();
    MCLog::LogTo(nullptr);
    EXPECT_EQ(out, "shown\n");
}
