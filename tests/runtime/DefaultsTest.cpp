#include "Defaults.h"
#include "MCDictIniSafe.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string Text(const MCString &s)
{
    return static_cast<const char *>(s);
}

class DefaultsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        primeini(ini);
        ini.setsafe(0);
    }

    std::string Read(const char *section, const char *key)
    {
        return Text(ini.getsafe(MCString(section), MCString(key), MCString("?"), 0));
    }

    MCDictIniSafe ini;
};

TEST_F(DefaultsTest, FillsEveryRowInEverySection)
{
    std::vector<MCString> sections = ini.getSectionList();
    ASSERT_EQ(104u, sections.size());
    EXPECT_EQ("ActiveIntercept", Text(sections.front()));
    EXPECT_EQ("BreakAway", Text(sections[1]));
    EXPECT_EQ("ClearSend", Text(sections[2]));
    EXPECT_EQ("TakeKickInFront", Text(sections[102]));
    EXPECT_EQ("Timing", Text(sections.back()));

    std::size_t rows = 0;
    for (const MCString &section : sections)
        rows += ini.getVariableList(section).size();
    EXPECT_EQ(1190u, rows);
    EXPECT_TRUE(ini.getVariableList(MCString("Server")).empty());
}

// The counts each section is documented to hold; a row lost or doubled in
// transcription shows up here by name.
TEST_F(DefaultsTest, EachSectionHoldsItsDocumentedRows)
{
    const std::pair<const char *, std::size_t> expected[] = {
    {"ActiveIntercept", 10}, {"BreakAway", 19}, {"ClearSend", 25}, {"Communication", 4},
    {"Connection", 4}, {"CrossStage1Down", 12}, {"CrossStage1Down8", 12}, {"CrossStage1Up", 12},
    {"CrossStage1Up6", 12}, {"CrossStage2Down", 10}, {"CrossStage2Up", 9},
    {"DribbleToCrossDown", 14}, {"DribbleToCrossDown8", 14}, {"DribbleToCrossUp", 14},
    {"DribbleToCrossUp6", 14}, {"Dribbling", 21}, {"Formations", 4}, {"GoToATGCPos1", 3},
    {"GoToATGCPos2", 3}, {"GoToATGCPos3", 3}, {"GoToATGCPos4", 3}, {"GoToATGCPos5", 3},
    {"GoToATGCPos6", 3}, {"GoToCrossPos1Down", 10}, {"GoToCrossPos1Up", 10},
    {"GoToCrossPos2Down", 14}, {"GoToCrossPos2Up", 14}, {"GoToCrossPos2bDown", 9},
    {"GoToCrossPos2bUp", 9}, {"GoToDGKPos1", 3}, {"GoToDGKPos2", 3}, {"GoToDGKPos3", 3},
    {"GoToDGKPos4", 3}, {"GoToDGKPos5", 3}, {"GoToDGKPos6", 3}, {"GoToOAGCPos1", 3},
    {"GoToOAGCPos11", 7}, {"GoToOAGCPos2", 3}, {"GoToOAGCPos3", 3}, {"GoToOAGCPos4", 3},
    {"GoToOAGCPos5", 7}, {"GoToOAGCPos6", 3}, {"GoToOAGCPos7", 7}, {"GoToOAGCPos9", 7},
    {"GoToOCKPos1DOWN", 6}, {"GoToOCKPos1UP", 6}, {"GoToOCKPos2DOWN", 6}, {"GoToOCKPos2UP", 6},
    {"GoToOCKPos3DOWN", 6}, {"GoToOCKPos3UP", 6}, {"GoToOGKPos1Down", 5}, {"GoToOGKPos1Up", 5},
    {"GoToOGKPos2Down", 9}, {"GoToOGKPos2Up", 9}, {"GoToOGKPos3Down", 9}, {"GoToOGKPos3Up", 9},
    {"GoToOKIPos1B", 8}, {"GoToOKIPos1F", 8}, {"GoToOKIPos2B", 8}, {"GoToOKIPos2F", 8},
    {"GoToOKIPos3F", 8}, {"Goalie", 25}, {"HoldBall2Down", 12}, {"HoldBall2Down8", 12},
    {"HoldBall2Up", 12}, {"HoldBall2Up6", 12}, {"HoldBallDown", 12}, {"HoldBallDown8", 12},
    {"HoldBallUp", 12}, {"HoldBallUp6", 12}, {"InitialiseFixPlans", 87}, {"Kicking", 15},
    {"MCIniConf", 1}, {"Memory", 13}, {"Movement", 17}, {"NotInServer", 12},
    {"OffensiveClearSend", 25}, {"Pass1AfterOKIFrontDown", 12}, {"Pass1AfterOKIFrontUp", 12},
    {"Pass2AfterOKIFrontDown", 12}, {"Pass2AfterOKIFrontUp", 12}, {"PassAfterCornerKickDOWN", 11},
    {"PassAfterCornerKickUP", 11}, {"PassAfterFreeKickDown", 12}, {"PassAfterFreeKickUp", 12},
    {"PassAfterGoalKickDown", 12}, {"PassAfterGoalKickUp", 12}, {"PassAfterOKIBack", 10},
    {"PassAgainAfterFreeKickDown", 12}, {"PassAgainAfterFreeKickUp", 12},
    {"PassAgainAfterGoalKickDown", 12}, {"PassAgainAfterGoalKickUp", 12}, {"Passing", 15},
    {"PassiveIntercept", 6}, {"Player", 30}, {"Positioners", 96}, {"Positioning", 13},
    {"TakeCornerKickDOWN", 16}, {"TakeCornerKickUP", 16}, {"TakeGoalKickDown", 12},
    {"TakeGoalKickUp", 11}, {"TakeKickInBack", 13}, {"TakeKickInFront", 13}, {"Timing", 5},
    };
    ASSERT_EQ(104u, sizeof(expected) / sizeof(expected[0]));
    for (const auto &section : expected)
        EXPECT_EQ(section.second, ini.getVariableList(MCString(section.first)).size()) << section.first;
}

TEST(DefaultsTables, RowsAreCompleteAndNeverRepeat)
{
    std::set<std::pair<std::string, std::string>> seen;
    std::size_t total = 0;
    for (const DEFAULTTABLE &table : {ParameterDefaults(), FixPlanDefaults()}) {
        for (std::size_t i = 0; i < table.count; ++i) {
            const DEFAULTROW &row = table.rows[i];
            ASSERT_NE(nullptr, row.section);
            ASSERT_NE(nullptr, row.key);
            ASSERT_NE(nullptr, row.value);
            EXPECT_NE('\0', row.section[0]);
            EXPECT_NE('\0', row.key[0]) << row.section;
            EXPECT_NE('\0', row.value[0]) << row.section << "/" << row.key;
            EXPECT_EQ(std::string::npos, std::string(row.value).find('\n')) << row.key;
            EXPECT_TRUE(seen.emplace(row.section, row.key).second) << row.section << "/" << row.key;
            ++total;
        }
    }
    EXPECT_EQ(360u, ParameterDefaults().count);
    EXPECT_EQ(830u, FixPlanDefaults().count);
    EXPECT_EQ(1190u, total);
}

// Every row reads back as the text the table holds: nothing was trimmed,
// cut or replaced on the way into the dictionary.
TEST_F(DefaultsTest, EveryRowReadsBackAsStored)
{
    for (const DEFAULTTABLE &table : {ParameterDefaults(), FixPlanDefaults()})
        for (std::size_t i = 0; i < table.count; ++i)
            EXPECT_EQ(table.rows[i].value, Read(table.rows[i].section, table.rows[i].key))
                << table.rows[i].section << "/" << table.rows[i].key;
}

TEST_F(DefaultsTest, TypedReadsConvertTheStoredText)
{
    EXPECT_EQ(6000, ini.getsafe(MCString("Connection"), MCString("port"), 0, 0));
    EXPECT_DOUBLE_EQ(0.4, ini.getsafe(MCString("Memory"), MCString("mob_conf_thr"), 0.0, 0));
    EXPECT_EQ("0.40", Read("Memory", "mob_conf_thr"));
    // An integer read of a real-looking value takes its whole part.
    EXPECT_EQ(35, ini.getsafe(MCString("Memory"), MCString("match_dist_thr"), 0, 0));
    EXPECT_EQ(-1, ini.getsafe(MCString("ActiveIntercept"), MCString("int_min_cyc"), 0, 0));
    EXPECT_DOUBLE_EQ(0.956, ini.getsafe(MCString("ClearSend"), MCString("Shoot:GoalWidthFactor"), 0.0, 0));
    EXPECT_DOUBLE_EQ(-55.0, ini.getsafe(MCString("Positioning"), MCString("SweeperLine"), 0.0, 0));
    EXPECT_EQ(31, ini.getsafe(MCString("MCIniConf"), MCString("output_level"), 0, 0));
}

TEST_F(DefaultsTest, TextValuesKeepTheirSpelling)
{
    EXPECT_EQ("localhost", Read("Connection", "hostname"));
    EXPECT_EQ("Dravon_Tarroks", Read("Connection", "team_name"));
    EXPECT_EQ("/usr/RoboCup/sserver-6.04/server/", Read("Connection", "server_conf_path"));
    EXPECT_EQ("Tarroks00", Read("Communication", "comm_id"));
    EXPECT_EQ("ZP", Read("OffensiveClearSend", "Style"));
    EXPECT_EQ("30.0", Read("Player", "beat_offsides_threashold"));
    EXPECT_EQ("?", Read("Player", "beat_offsides_threshold"));
}

TEST_F(DefaultsTest, PositionerDescriptionsAreWhole)
{
    EXPECT_EQ(96u, ini.getVariableList(MCString("Positioners")).size());
    EXPECT_EQ("(TEMP)", Read("Positioners", "BEST"));
    EXPECT_EQ("(SELECTOPPONENT:(ABOUT:OppPoint,OTHERWISE:OffHome,WITHIN:6,NEAR:1,EXTEND:6,"
              "DISTANCE:45,MODE:BEHIND))",
              Read("Positioners", "FindOpponent"));
    EXPECT_EQ("(CONGESTION:(TRUE:Mark,FALSE:MidIcept,XH:-20,OPPF:1,MOPP:1,TMMF:-1,BASE:2))",
              Read("Positioners", "MidHomeDefend"));
    EXPECT_EQ("(TrackBottom:(FROM:TopPost))", Read("Positioners", "TrackTop"));
}

TEST_F(DefaultsTest, FixedPlansAreListedAndFilled)
{
    std::vector<MCString> keys = ini.getVariableList(MCString("InitialiseFixPlans"));
    ASSERT_EQ(87u, keys.size());
    EXPECT_EQ("fp_1", Text(keys[0]));
    EXPECT_EQ("fp_10", Text(keys[1]));
    EXPECT_EQ("number", Text(keys[85]));
    EXPECT_EQ("use_fix_plans", Text(keys[86]));
    EXPECT_EQ(85, ini.getsafe(MCString("InitialiseFixPlans"), MCString("number"), 0, 0));
    EXPECT_EQ("TakeGoalKickUp", Read("InitialiseFixPlans", "fp_1"));
    EXPECT_EQ("PassAfterFreeKickDown", Read("InitialiseFixPlans", "fp_85"));

    // Every listed plan has its section, except the two a file must supply.
    for (int n = 1; n <= 85; ++n) {
        std::string key = "fp_" + std::to_string(n);
        std::string plan = Read("InitialiseFixPlans", key.c_str());
        bool present = !ini.getVariableList(MCString(plan.c_str())).empty();
        EXPECT_EQ(plan != "GoToATGCPos9" && plan != "GoToATGCPos11", present) << key << " " << plan;
    }

    EXPECT_EQ("OCKP2D 4 4", Read("CrossStage1Down", "action_1_MCarea"));
    EXPECT_EQ("43.5 -4", Read("CrossStage2Down", "action_1_pos"));
    EXPECT_EQ("38.75 0 27.5 70", Read("DribbleToCrossUp6", "action_1_trigger_7_area"));
    EXPECT_EQ("DGKP4", Read("GoToATGCPos4", "action_1_mcpos"));
    EXPECT_EQ("-52.5 0 75 70", Read("GoToOAGCPos11", "action_2_trigger_1_area"));
    EXPECT_EQ("2.7", Read("Pass2AfterOKIFrontUp", "action_1_kick_power"));
    EXPECT_EQ("OKIP2F 5 5", Read("TakeKickInFront", "action_2_trigger_2_MCarea"));
    EXPECT_EQ(6, ini.getsafe(MCString("TakeCornerKickUP"), MCString("player"), 0, 0));
    // The upper mirror skips trigger 3; the lower one does not.
    EXPECT_EQ("?", Read("GoToCrossPos2bUp", "action_1_trigger_3"));
    EXPECT_EQ("26", Read("GoToCrossPos2bUp", "action_1_trigger_5"));
    EXPECT_EQ("7", Read("GoToCrossPos2bDown", "action_1_trigger_3"));
    EXPECT_EQ("?", Read("GoToCrossPos2bDown", "action_1_trigger_5"));
}

// A configuration file read after the defaults changes only what it names;
// priming again puts every default back.
TEST_F(DefaultsTest, FilesOverrideKeyByKeyAndPrimingRestores)
{
    ini.parse(MCString("[NotInServer]\npitch_length = 100\n"));
    EXPECT_EQ("100", Read("NotInServer", "pitch_length"));
    EXPECT_EQ("68.0", Read("NotInServer", "pitch_width"));
    EXPECT_EQ(12u, ini.getVariableList(MCString("NotInServer")).size());

    primeini(ini);
    EXPECT_EQ("105.0", Read("NotInServer", "pitch_length"));
    EXPECT_EQ(104u, ini.getSectionList().size());
}

} // namespace
