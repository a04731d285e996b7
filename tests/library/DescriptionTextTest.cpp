// Descriptions and dictionaries as text: what is read from bracketed and
// item texts, what is written back, and how they compare.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "LibraryTestSupport.h"
#include "MCDictionary.h"
#include "MCObjectDescription.h"

namespace
{
std::string Items(const MCDictionary &dict)
{
  return Of(dict.Representation('=', ','));
}
}  // namespace

TEST(ObjectDescriptionText, WhatTheTextsDecodeTo)
{
  const struct
  {
    const char *text;
    const char *name;
    const char *attributes;  // key=value,... in key order
  } rows[] = {
      {"(Point:(X:1,Y:2))", "Point", "X=1,Y=2"},
      {"  (Point:( X : 1 , Y:2 ))  ", "Point", "X=1,Y=2"},
      {"(Point:(Y:2,X:1))", "Point", "X=1,Y=2"},
      {"(Point:(X:1,X:3))", "Point", "X=3"},
      {"(Point: (X:1))", "Point", ""},
      {"Point:(X:1)", "", ""},
      {"(Point:(X,,Y:2,))", "Point", "X=,Y=2"},
      {"(Point:(,X:1))", "Point", "X=1"},
      {"(Point:(P:a:b))", "Point", "P=a:b"},
      {"[Point:{X:1}]", "Point", "X=1"},
      {"<Point:<X:1>>", "Point", "X=1"},
      {"(Point:[X:1})", "Point", ""},
      {"(Point)", "Point", ""},
      {"(:(X:1))", "", ""},
  };
  for (const auto &row : rows)
  {
    const MCObjectDescription d(row.text, ':', ',');
    EXPECT_EQ(row.name, Of(d.name)) << row.text;
    EXPECT_EQ(row.attributes, Items(d.attributes)) << row.text;
  }
}

TEST(ObjectDescriptionText, EncodedInKeyOrderAndComparedByNameThenAttributes)
{
  MCDictionary attributes;
  attributes.insert("Y", "-1");
  attributes.insert("X", "0");
  attributes.insert("R", "2");
  const MCObjectDescription circle("Circle", attributes);
  EXPECT_EQ("(Circle:(R:2,X:0,Y:-1))", Of(circle.Encode(':', ',')));
  EXPECT_EQ("(Point)", Of(MCObjectDescription("Point", MCDictionary()).Encode(':', ',')));
  EXPECT_EQ("(Circle=(R=2;X=0;Y=-1))", Of(circle.Encode('=', ';')));

  // What is written reads back the same.
  const MCObjectDescription again(circle.Encode(':', ','), ':', ',');
  EXPECT_TRUE(again == circle);
  MCObjectDescription copy(circle);
  EXPECT_TRUE(copy == circle);
  MCObjectDescription assigned;
  assigned = circle;
  EXPECT_TRUE(assigned == circle);
  EXPECT_FALSE(assigned < circle);

  const MCObjectDescription point("(Point:(X:1))", ':', ',');
  const MCObjectDescription pointFurther("(Point:(X:2))", ':', ',');
  const MCObjectDescription pointMore("(Point:(X:1,Y:0))", ':', ',');
  EXPECT_TRUE(circle < point);
  EXPECT_FALSE(point < circle);
  EXPECT_TRUE(point < pointFurther);
  EXPECT_TRUE(point < pointMore);
  EXPECT_FALSE(point == pointFurther);
  EXPECT_FALSE(point == MCObjectDescription("(Points:(X:1))", ':', ','));
}

TEST(DictionaryText, BuiltFromListsDecodedReplacedAndWritten)
{
  const MCDictionary keysOnly(std::vector<MCString>{"b", "a"});
  EXPECT_EQ("a=,b=", Items(keysOnly));
  const MCDictionary paired(std::vector<MCString>{"a", "b", "c"}, std::vector<MCString>{"1", "2"});
  EXPECT_EQ("a=1,b=2,c=", Items(paired));
  const MCDictionary surplus(std::vector<MCString>{"a"}, std::vector<MCString>{"1", "2"});
  EXPECT_EQ("a=1", Items(surplus));

  MCDictionary dict;
  EXPECT_EQ(0, dict.Decode(" x = 1 ;; y ; z=2=3 ; =4 ", '=', ';').code);
  EXPECT_EQ("=4,x=1,y=,z=2=3", Items(dict));
  EXPECT_EQ(",x,y,z", Of(dict.getVariableList(",")));
  EXPECT_EQ(4u, dict.getVariableList().size());

  const MCDictionaryRV changed = dict.replace("x", "9");
  EXPECT_EQ(std::make_pair(0, std::string("x")), std::make_pair(changed.code, Of(changed.value)));
  const MCDictionaryRV missing = dict.replace("w", "9");
  EXPECT_EQ(MCD_urv, missing.code);
  EXPECT_EQ("=4,x=9,y=,z=2=3", Items(dict));

  const MCDictionaryRV replaced = dict.DecodeReplace("y=5;a=1;z=6;b=2", '=', ';');
  EXPECT_EQ(MCD_urv, replaced.code);
  EXPECT_EQ("a,b", Of(replaced.value));
  EXPECT_EQ("=4,x=9,y=5,z=6", Items(dict));
  const MCDictionaryRV allThere = dict.DecodeReplace("y=7", '=', ';');
  EXPECT_EQ(std::make_pair(0, std::string("")), std::make_pair(allThere.code, Of(allThere.value)));

  EXPECT_EQ("9", Of(dict.get("x").value));
  EXPECT_EQ(MCD_uv, dict.get("w").code);
  EXPECT_EQ("d", Of(dict.get("w", "d")));
  EXPECT_EQ("9", Of(dict.getclassed("A:B:x", "d")));
  EXPECT_EQ("d", Of(dict.getclassed("A:B:w", "d")));

  std::ostringstream shown;
  MCDictionary small;
  small.insert("b", "2");
  small.insert("a", "1");
  small.Display(shown);
  EXPECT_EQ("a=1\nb=2\n", shown.str());
  EXPECT_EQ("", Items(MCDictionary()));
}

TEST(DictionaryText, CopiesCompareByTheirEntries)
{
  MCDictionary a;
  a.insert("k", "1");
  a.getclassed("X:k", "-");
  const MCDictionary copy(a);
  EXPECT_TRUE(copy == a);
  EXPECT_EQ("", Of(copy.getlastclass()));
  MCDictionary b;
  b.insert("k", "2");
  EXPECT_FALSE(a == b);
  EXPECT_TRUE(a < b);
  EXPECT_FALSE(b < a);
  MCDictionary longer(a);
  longer.insert("l", "0");
  EXPECT_TRUE(a < longer);
  EXPECT_FALSE(a == longer);
}
