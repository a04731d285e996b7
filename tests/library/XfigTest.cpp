#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "MCXfig.h"
#include "ScratchDir.h"

namespace
{
const std::string Header = "#FIG 3.2\nLandscape\nCenter\nMetric\nLetter\n100.00\nSingle\n-2\n1200 2\n";

// The default style's common fields: line style, thickness, pen, fill,
// depth, pen style, area fill.
const std::string Plain = "-1 1 -1 -1 100 0 -1 ";

// What the drawing calls write after the header of a fresh file.
std::string drawn(const std::function<void(MCXfig &)> &draw)
{
  ScratchDir dir;
  const std::string name = dir.file("drawing.fig");
  {
    MCXfig fig(name.c_str());
    draw(fig);
  }
  const std::string text = ReadWholeFile(name);
  if (text.compare(0, Header.size(), Header) != 0)
    return "no header: " + text;
  return text.substr(Header.size());
}
} // namespace

TEST(XfigWriter, OneObjectOfEachKind)
{
  EXPECT_EQ("#note\n", drawn([](MCXfig &f) { f.comment("note"); }));
  EXPECT_EQ("450 900", drawn([](MCXfig &f) { f.drawPoint(1, 2); }));
  EXPECT_EQ("-225 0", drawn([](MCXfig &f) { f.drawPoint(-0.5f, 0.001f); }));
  EXPECT_EQ("315 0", drawn([](MCXfig &f) { f.drawPoint(0.7f, 0); }));
  EXPECT_EQ("2 1 " + Plain + "0.000 0 0 7 0 0 2 \n\t0 0 450 450 \n",
            drawn([](MCXfig &f) { f.drawLine(0, 0, 1, 1); }));
  EXPECT_EQ("2 2 " + Plain + "0.000 0 0 7 0 0 5 \n\t0 0 450 0 450 900 0 900 0 0 \n",
            drawn([](MCXfig &f) { f.drawBox(0, 0, 1, 2); }));
  EXPECT_EQ("2 3 " + Plain + "0.000 0 0 7 0 0 3 \n\t450 0 900 450 1350 0 \n", drawn([](MCXfig &f) {
              const float xs[] = {0, 1, 2};
              const float ys[] = {0, 1, 0};
              f.setOrigin(1, 0).drawPolyLine(3, 3, xs, ys);
            }));
  EXPECT_EQ("1 3 " + Plain + "0.000 1 0.0000 450 450 225 225 450 450 675 675\n",
            drawn([](MCXfig &f) { f.drawCircle(1, 1, 0.5f); }));
  EXPECT_EQ("5 1 " + Plain + "0.000 0 1 0 0 0 0 450 0 318 318 0 450\n",
            drawn([](MCXfig &f) { f.drawArc(0, 0, 1, 0, 90); }));
  EXPECT_EQ("4 0 -1 100 0 -1 16.000000 0.000000 4 225.000000 1350.000000 450 900 Hello\\001\n",
            drawn([](MCXfig &f) { f.drawText("Hello", 1, 2, 3, 0.5f); }));
}

TEST(XfigWriter, StyleSettersClampAndShowInTheFields)
{
  EXPECT_EQ("2 1 1 1 20 20 999 0 20 0.000 2 1 7 0 0 2 \n\t0 0 900 0 \n", drawn([](MCXfig &f) {
              f.setDashedLine().setThickness(0).setRedShade(7).setFill().setDepth(1500);
              f.setRoundJoin().setRoundCap().setScale(2).drawLine(0, 0, 1, 0);
            }));
  EXPECT_EQ("2 1 5 3 8 -1 0 0 -1 0.000 0 2 7 0 0 2 \n\t0 0 450 0 \n", drawn([](MCXfig &f) {
              f.setDashedTripleDottedLine().setThickness(3).setBlueShade(-2).setDepth(-3);
              f.setProjectingCap().setDefault().setFill().setBlueShade(-2).drawLine(0, 0, 1, 0);
            }));
  EXPECT_EQ("2 1 -1 1 31 31 100 0 20 0.000 0 0 7 0 0 2 \n\t0 0 450 0 \n",
            drawn([](MCXfig &f) { f.setGold().setFill().drawLine(0, 0, 1, 0); }));
}

// One file, one writer: a writer that takes another file or another's
// style lets go of the one it held, complete, and a copy writes nowhere.
TEST(XfigWriter, EachFileIsClosedOnceByTheWriterThatOpenedIt)
{
  ScratchDir dir;
  const std::string first = dir.file("first.fig");
  const std::string second = dir.file("second.fig");
  MCXfig fig(first.c_str());
  fig.comment("one");
  {
    MCXfig copy(fig);
    copy.comment("from the copy");
  }
  fig.openfile(second.c_str());
  EXPECT_EQ(Header + "#one\n", ReadWholeFile(first));
  fig.comment("two");

  MCXfig &same = fig;
  fig = same;
  fig.comment("still open");

  MCXfig blank;
  fig = blank;
  EXPECT_EQ(Header + "#two\n#still open\n", ReadWholeFile(second));
  fig.comment("nowhere");
  fig.openfile(dir.file("no/such/dir.fig").c_str());
  fig.comment("nowhere");
  EXPECT_EQ(Header + "#two\n#still open\n", ReadWholeFile(second));
}
