#include "MCObjectDescription.h"

#include <gtest/gtest.h>

#include <string>

namespace {

MCObjectDescription Read(const char *text)
{
    return MCObjectDescription(MCString(text), ':', ',');
}

std::string Get(const MCObjectDescription &d, const char *key)
{
    MCDictionaryRV rv = d.attributes.__get(key);
    return rv.code == 0 ? std::string(static_cast<const char *>(rv.value)) : std::string("<missing>");
}

std::string Text(const MCString &s)
{
    return static_cast<const char *>(s);
}

} // namespace

TEST(ObjectDescriptionDecode, NameAndAttributesWithBlanksAndAnyOrder)
{
    for (const char *text : {"(Point:(X:1,Y:2))", "  (Point:( X : 1 ,  Y:2 ))  ", "(Point:(Y:2,X:1))"}) {
        MCObjectDescription d = Read(text);
        EXPECT_EQ(Text(d.name), "Point") << text;
        EXPECT_EQ(d.attributes.getVariableList().size(), 2u) << text;
        EXPECT_EQ(Get(d, "X"), "1") << text;
        EXPECT_EQ(Get(d, "Y"), "2") << text;
    }
}

TEST(ObjectDescriptionDecode, LaterItemWinsAndValueKeepsFurtherSeparators)
{
    MCObjectDescription d = Read("(P:(X:1,X:3,P:a:b))");
    EXPECT_EQ(Get(d, "X"), "3");
    EXPECT_EQ(Get(d, "P"), "a:b");
}

TEST(ObjectDescriptionDecode, BareKeysGetEmptyValuesAndEmptyItemsAreSkipped)
{
    MCObjectDescription d = Read("(Thing:(,flag,,:lost,Y:2,))");
    EXPECT_EQ(Text(d.name), "Thing");
    EXPECT_EQ(d.attributes.getVariableList().size(), 2u);
    EXPECT_EQ(Get(d, "flag"), "");
    EXPECT_EQ(Get(d, "Y"), "2");
}

TEST(ObjectDescriptionDecode, MalformedBracketsLoseNameOrAttributes)
{
    // The attribute block must follow the separator directly.
    MCObjectDescription spaced = Read("(Point: (X:1))");
    EXPECT_EQ(Text(spaced.name), "Point");
    EXPECT_TRUE(spaced.attributes.getVariableList().empty());

    MCObjectDescription bare = Read("Point:(X:1)");
    EXPECT_EQ(Text(bare.name), "");
    EXPECT_TRUE(bare.attributes.getVariableList().empty());

    MCObjectDescription mismatched = Read("(Point:(X:1))]");
    EXPECT_EQ(Text(mismatched.name), "");

    MCObjectDescription open = Read("(Point:(X:1)");
    EXPECT_EQ(Text(open.name), "Point");
    EXPECT_TRUE(open.attributes.getVariableList().empty());

    MCObjectDescription nameOnly = Read("(Point)");
    EXPECT_EQ(Text(nameOnly.name), "Point");
    EXPECT_TRUE(nameOnly.attributes.getVariableList().empty());

    // An empty name ends the reading, whatever follows.
    MCObjectDescription noName = Read("(:(X:1))");
    EXPECT_EQ(Text(noName.name), "");
    EXPECT_TRUE(noName.attributes.getVariableList().empty());
}

TEST(ObjectDescriptionDecode, EveryBracketKindClosesWithItsOwnPartner)
{
    for (const char *text : {"[Point:{X:1}]", "<Point:[X:1]>", "{Point:<X:1>}"}) {
        MCObjectDescription d = Read(text);
        EXPECT_EQ(Text(d.name), "Point") << text;
        EXPECT_EQ(Get(d, "X"), "1") << text;
    }
    MCObjectDescription crossed = Read("(Point:(X:1})");
    EXPECT_EQ(Text(crossed.name), "Point");
    EXPECT_EQ(Get(crossed, "X"), "<missing>");
}

TEST(ObjectDescriptionDecode, DecodeReplacesWhatWasThere)
{
    MCObjectDescription d = Read("(Point:(X:1,Y:2))");
    d.Decode("(Line:(X0:4))", ':', ',');
    EXPECT_EQ(Text(d.name), "Line");
    EXPECT_EQ(d.attributes.getVariableList().size(), 1u);
    EXPECT_EQ(Get(d, "X0"), "4");
}

TEST(ObjectDescriptionEncode, KeysInAscendingOrderAndNoBlockWithoutAttributes)
{
    MCDictionary attributes;
    attributes.insert("X", "0");
    attributes.insert("R", "2");
    attributes.insert("Y", "-1");
    MCObjectDescription circle("Circle", attributes);
    EXPECT_EQ(Text(circle.Encode(':', ',')), "(Circle:(R:2,X:0,Y:-1))");
    EXPECT_EQ(Text(circle.Encode('=', ';')), "(Circle=(R=2;X=0;Y=-1))");

    MCObjectDescription point("Point", MCDictionary());
    EXPECT_EQ(Text(point.Encode(':', ',')), "(Point)");
    MCObjectDescription back = Read("(Point)");
    EXPECT_TRUE(back == point);
}

TEST(ObjectDescriptionEncode, EncodedTextDecodesToAnEqualDescription)
{
    MCObjectDescription d = Read("(FIXED:(Y:-10,X:-55.0,Keep:))");
    MCObjectDescription again = Read(d.Encode(':', ','));
    EXPECT_TRUE(again == d);
    EXPECT_EQ(Text(d.Encode(':', ',')), "(FIXED:(Keep:,X:-55.0,Y:-10))");
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
    MCObjectDescription copy(a);
    EXPECT_TRUE(copy == a);
    copy = b;
    EXPECT_TRUE(copy == b);
}
