#include "Defaults.h"
#include "MCDictIniSafe.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

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

} // namespace
