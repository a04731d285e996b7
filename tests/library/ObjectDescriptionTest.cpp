#include "MCNestedLogger.h"
#include "MCObjectDescription.h"
#include "MCReferenceCounter.h"

#include <gtest/gtest.h>

#include <string>

#include "LibraryTestSupport.h"

namespace {

MCObjectDescription Read(const char *text)
{
    return MCObjectDescription(MCString(text), ':', ',');
}

// The name, then each key=value in key order: (Point:(X:1)) gives "Point X=1".
std::string Flat(const MCObjectDescription &d)
{
    std::string out = static_cast<const char *>(d.name);
    for (const MCString &key : d.attributes.getVariableList())
        out += std::string(" ") + static_cast<const char *>(key) + "=" +
               static_cast<const char *>(d.attributes.__get(key).value);
    return out;
}

} // namespace

TEST(ObjectDescriptionDecode, ItemsSplitAtTheFirstSeparatorsOnly)
{
    // A later key wins, a bare key gets the empty value, empty items and
    // empty keys are skipped, and a value keeps further key separators.
    EXPECT_EQ(Flat(Read("(Thing:(,X:1,flag,,:lost,X:3,P:a:b,))")), "Thing P=a:b X=3 flag=");
    // The name is kept as written.
    EXPECT_EQ(Flat(Read("( P :(X:1))")), " P  X=1");
}

TEST(ObjectDescriptionDecode, OnlyTheOuterBracketPairsCount)
{
    // Expected: name and attributes, "" when lost.
    const char *cases[][2] = {
        {"[Point:{X:1}]", "Point X=1"},   {"<Point:[X:1]>", "Point X=1"},
        {"{Point:<X:1>}", "Point X=1"},   {"(Point)", "Point"},
        {"(Point: (X:1))", "Point"},      // the block must follow the separator
        {"(Point:(X:1})", "Point"},       // each bracket closes with its partner
        {"(Point:(X:1)", "Point"},        {"Point:(X:1)", ""},
        {"(Point:(X:1))]", ""},           {"(:(X:1))", ""}, // an empty name ends the reading
    };
    for (auto &c : cases)
        EXPECT_EQ(Flat(Read(c[0])), c[1]) << c[0];

    MCObjectDescription d = Read("(Point:(X:1,Y:2))");
    d.Decode("(Line:(X0:4))", ':', ',');
    EXPECT_EQ(Flat(d), "Line X0=4");
}

TEST(ObjectDescriptionEncode, KeysInAscendingOrderAndNoBlockWithoutAttributes)
{
    MCDictionary attributes;
    attributes.insert("X", "0");
    attributes.insert("R", "2");
    attributes.insert("Y", "-1");
    MCObjectDescription circle("Circle", attributes);
    EXPECT_STREQ(circle.Encode(':', ','), "(Circle:(R:2,X:0,Y:-1))");
    EXPECT_STREQ(circle.Encode('=', ';'), "(Circle=(R=2;X=0;Y=-1))");
    EXPECT_TRUE(Read(circle.Encode(':', ',')) == circle);

    MCObjectDescription point("Point", MCDictionary());
    EXPECT_STREQ(point.Encode(':', ','), "(Point)");
    EXPECT_TRUE(Read("(Point)") == point);
    EXPECT_STREQ(Read("(FIXED:(Y:-10,Keep:))").Encode(':', ','), "(FIXED:(Keep:,Y:-10))");
}

TEST(ObjectDescriptionCompare, NameFirstThenAttributes)
{
    MCObjectDescription a = Read("(A:(X:2))");
    MCObjectDescription b = Read("(B:(X:1))");
    MCObjectDescription a1 = Read("(A:(X:1))");
    EXPECT_TRUE(a < b);
    EXPECT_FALSE(b < a);
    EXPECT_TRUE(a1 < a);
    EXPECT_FALSE(a == a1);
}

TEST(ReferenceCounter, ReleasingMoreThanAttachedIsReportedAndStopsAtZero)
{
    MCLog::LogTo(nullptr);
    MCReferenceCounter counter;
    EXPECT_EQ(Err([&] { EXPECT_EQ(counter.detach(), 0); }),
              "MCLog::Log(1,\"MCValueBase::detach : object already detatched\"); // No log\n");
    EXPECT_EQ(counter.attach(), 1);
}
