#include <cmath>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Defaults.h"
#include "PositioningTestSupport.h"
#include "ScratchDir.h"

namespace {

// The built-in positioner definitions, built by a registry of their own.
class DefaultLibraryTest : public KindTest
{
protected:
    DefaultLibraryTest() { primeini(dict); }

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const MCString &name : dict.getVariableList("Positioners"))
            names.push_back(Text(name));
        return names;
    }

    // The kind a definition comes to, following keywords that name other
    // definitions.
    std::string KindOf(std::string name) const
    {
        for (;;) {
            std::string text = Text(dict.get("Positioners", name.c_str(), MCString()));
            std::string keyword = text.substr(1, text.find_first_of(":)") - 1);
            if (dict.get("Positioners", keyword.c_str(), MCString()).empty())
                return keyword;
            name = keyword;
        }
    }

    // Definitions built so far (the listing has a line per registered
    // object; the 23 prototypes are not definitions).
    int Built() const
    {
        std::string listing = Text(registry.Display());
        int lines = 0;
        for (char c : listing)
            lines += c == '\n';
        return lines - 23;
    }
};

} // namespace

TEST_F(DefaultLibraryTest, EveryDefinitionBuildsAsItsKindWithoutComplaint)
{
    std::vector<std::string> names = Names();
    ASSERT_EQ(names.size(), 96u);
    log.lines.clear();
    for (const std::string &name : names) {
        std::string kind = KindOf(name);
        std::string written = Written(name.c_str());
        EXPECT_EQ(written.rfind("(" + kind, 0), 0u) << name << " " << written;
    }
    for (const auto &line : log.lines)
        ADD_FAILURE() << line.second;
    EXPECT_EQ(Built(), 96);
}

TEST_F(DefaultLibraryTest, BestBuildsTheRoleTableAndWhatItNames)
{
    Find("DGKP1");
    EXPECT_EQ(Built(), 1);
    Find("BEST");
    // Everything but the 32 set-play points, the six named by nothing, and
    // with DGKP1 built before.
    EXPECT_EQ(Built(), 1 + 58);
    EXPECT_EQ(Written("BEST"), Written("TEMP"));
    EXPECT_NE(Find("BEST"), Find("TEMP"));

    // A definition on top of another keeps what it does not set.
    EXPECT_EQ(Written("FwdOuter"), "(OFFSET:(FROM:FwdFO,X:-1,Y:5,I:Y))");
    EXPECT_NE(Find("TrackTop"), Find("TrackBottom"));
}

TEST_F(DefaultLibraryTest, EveryPointTheSetPlaysNameIsADefinition)
{
    DEFAULTTABLE plans = FixPlanDefaults();
    std::map<std::string, int> named;
    for (std::size_t i = 0; i < plans.count; ++i) {
        std::string key = plans.rows[i].key;
        bool position = key.size() > 6 && key.compare(key.size() - 6, 6, "_mcpos") == 0;
        bool area = key.size() > 7 && key.compare(key.size() - 7, 7, "_MCarea") == 0;
        if (!position && !area)
            continue;
        std::string value = plans.rows[i].value;
        std::string name = value.substr(0, value.find(' '));
        ++named[name];
        EXPECT_FALSE(dict.get("Positioners", name.c_str(), MCString()).empty())
            << plans.rows[i].section << " " << key;
    }
    EXPECT_EQ(named.size(), 32u);
    log.lines.clear();
    // Fixed points and offsets from the ball.
    for (const auto &n : named) {
        std::string kind = KindOf(n.first);
        EXPECT_TRUE(kind == "FIXED" || kind == "OFFSET") << n.first;
        EXPECT_EQ(Written(n.first.c_str()).rfind("(" + kind + ":", 0), 0u) << n.first;
    }
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(DefaultLibraryTest, AConfigurationChangesEveryDefinitionBuiltOnAnEntry)
{
    Define("TrackBottom = (INTERPOLATE:(FROM:BottomPost,TO:BALL,BY:0.0,MIN:12))\n");
    EXPECT_NE(Written("TrackTop").find("MIN:12"), std::string::npos);
    EXPECT_NE(Written("TrackTop").find("FROM:TopPost"), std::string::npos);
}

TEST_F(DefaultLibraryTest, ACentralSweeperTracksTheBallFromTheNearPost)
{
    // The ball at (-30, 10) in the own half, a sweeper at home in the middle.
    ScratchDir scratch;
    std::string file = scratch.file("sweeper.ini");
    std::ofstream(file) << "[Local]\nAgent = (Point:(X:-50,Y:0))\nHome = (Point:(X:-50,Y:0))\n"
                           "Zone = (Rectangle:(X0:-52.5,Y0:-34,X1:-10,Y1:34))\n"
                           "Protect = (Rectangle:(X0:-52.5,Y0:-34,X1:30,Y1:34))\n"
                           "[World]\nWorld = (Rectangle:(X0:-52.5,Y0:-34,X1:52.5,Y1:34))\n"
                           "[Away]\nTarget = (Circle:(X:-30,Y:10,R:0.085))\n";
    mem->LoadFile(file.c_str());
    mem->role = MCMR_Sweeper;
    // 10 m from the bottom post (-55, -10) towards the ball: 10 / sqrt(25² + 20²)
    // of the way.
    double f = 10 / std::sqrt(25.0 * 25 + 20 * 20);
    MOPosition at = Ask("BEST");
    EXPECT_EQ(at.error, 0);
    EXPECT_NEAR(at.point.x, -55 + 25 * f, 1e-6);
    EXPECT_NEAR(at.point.y, -10 + 20 * f, 1e-6);
}
