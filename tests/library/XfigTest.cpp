#include <gtest/gtest.h>

#include <functional>
#include <sstream>
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

namespace
{
struct LineStyle
{
  int line = -1, join = 0, cap = 0, pen = -1, fill = -1, head = 0, tail = 0;
  std::string arrows;  // the arrow lines, each "\n\t" and its fields
};

// What drawLine(0, 0, 1, 0) writes in a style.
std::string LineIn(const LineStyle &s)
{
  const std::string common = std::to_string(s.line) + " 1 " + std::to_string(s.pen) + " " +
                             std::to_string(s.fill) + " 100 0 " + (s.fill == -1 ? "-1 " : "20 ");
  return "2 1 " + common + "0.000 " + std::to_string(s.join) + " " + std::to_string(s.cap) + " 7 " +
         std::to_string(s.head) + " " + std::to_string(s.tail) + " 2 " + s.arrows + "\n\t0 0 450 0 \n";
}

LineStyle With(std::function<void(LineStyle &)> change)
{
  LineStyle s;
  change(s);
  return s;
}
}  // namespace

// Every style setter shows in the line it styles: the line styles, joins,
// caps, pen colours and shades (clamped), the fill, and the arrows at
// either end with their type, style and sizes (sizes not above 0 keep the
// defaults).
TEST(XfigWriter, EachStyleSetterShowsInTheLine)
{
  const std::string arrow = "\n\t0 1 1.000000 60.000000 120.000000 ";
  const struct
  {
    std::function<void(MCXfig &)> set;
    LineStyle style;
  } rows[] = {
      {[](MCXfig &f) { f.setSolidLine(); }, With([](LineStyle &s) { s.line = 0; })},
      {[](MCXfig &f) { f.setDottedLine(); }, With([](LineStyle &s) { s.line = 2; })},
      {[](MCXfig &f) { f.setDashedDottedLine(); }, With([](LineStyle &s) { s.line = 3; })},
      {[](MCXfig &f) { f.setDashedDoubleDottedLine(); }, With([](LineStyle &s) { s.line = 4; })},
      {[](MCXfig &f) { f.setDashedLine().setDefaultLine(); }, LineStyle()},
      {[](MCXfig &f) { f.setBevelJoin(); }, With([](LineStyle &s) { s.join = 1; })},
      {[](MCXfig &f) { f.setRoundJoin().setMiterJoin(); }, LineStyle()},
      {[](MCXfig &f) { f.setRoundCap().setButtCap(); }, LineStyle()},
      {[](MCXfig &f) { f.setBlack(); }, With([](LineStyle &s) { s.pen = 0; })},
      {[](MCXfig &f) { f.setBlue(); }, With([](LineStyle &s) { s.pen = 1; })},
      {[](MCXfig &f) { f.setGreen(); }, With([](LineStyle &s) { s.pen = 2; })},
      {[](MCXfig &f) { f.setCyan(); }, With([](LineStyle &s) { s.pen = 3; })},
      {[](MCXfig &f) { f.setRed(); }, With([](LineStyle &s) { s.pen = 4; })},
      {[](MCXfig &f) { f.setMagenta(); }, With([](LineStyle &s) { s.pen = 5; })},
      {[](MCXfig &f) { f.setYellow(); }, With([](LineStyle &s) { s.pen = 6; })},
      {[](MCXfig &f) { f.setWhite(); }, With([](LineStyle &s) { s.pen = 7; })},
      {[](MCXfig &f) { f.setBlueShade(3); }, With([](LineStyle &s) { s.pen = 11; })},
      {[](MCXfig &f) { f.setGreenShade(9); }, With([](LineStyle &s) { s.pen = 14; })},
      {[](MCXfig &f) { f.setCyanShade(-1); }, With([](LineStyle &s) { s.pen = 15; })},
      {[](MCXfig &f) { f.setMagentaShade(1); }, With([](LineStyle &s) { s.pen = 22; })},
      {[](MCXfig &f) { f.setBrownShade(2); }, With([](LineStyle &s) { s.pen = 26; })},
      {[](MCXfig &f) { f.setPinkShade(3); }, With([](LineStyle &s) { s.pen = 30; })},
      {[](MCXfig &f) { f.setPinkShade(4); }, With([](LineStyle &s) { s.pen = 30; })},
      {[](MCXfig &f) { f.setRed().setFill().setBlack(); }, With([](LineStyle &s) { s.pen = 0, s.fill = 4; })},
      {[](MCXfig &f) { f.setArrowHeadOn(); }, With([&](LineStyle &s) { s.head = 1, s.arrows = arrow; })},
      {[](MCXfig &f) { f.setArrowTailOn(); }, With([&](LineStyle &s) { s.tail = 1, s.arrows = arrow; })},
      {[](MCXfig &f) { f.setArrowHeadOn().setArrowTailOn(); },
       With([&](LineStyle &s) { s.head = 1, s.tail = 1, s.arrows = arrow + arrow; })},
      {[](MCXfig &f) { f.setArrowHeadOn().setArrowHeadOff().setArrowTailOn().setArrowTailOff(); }, LineStyle()},
      {[](MCXfig &f) {
         f.setArrowHeadOn().setClosedArrow().setOutlineArrow();
         f.setArrowThickness(2).setArrowWidth(30).setArrowHeight(45);
       },
       With([](LineStyle &s) { s.head = 1, s.arrows = "\n\t1 0 2.000000 30.000000 45.000000 "; })},
      {[](MCXfig &f) { f.setArrowHeadOn().setIndentArrow().setArrowWidth(0).setArrowHeight(-1); },
       With([](LineStyle &s) { s.head = 1, s.arrows = "\n\t2 1 1.000000 60.000000 120.000000 "; })},
      {[](MCXfig &f) { f.setArrowHeadOn().setOutdentArrow().setFilledArrow(); },
       With([](LineStyle &s) { s.head = 1, s.arrows = "\n\t4 1 1.000000 60.000000 120.000000 "; })},
      {[](MCXfig &f) { f.setArrowHeadOn().setOutdentArrow().setStickArrow(); },
       With([&](LineStyle &s) { s.head = 1, s.arrows = arrow; })},
  };
  for (const auto &row : rows)
  {
    const std::string expected = LineIn(row.style);
    EXPECT_EQ(expected, drawn([&](MCXfig &f) {
                row.set(f);
                f.drawLine(0, 0, 1, 0);
              }))
        << expected;
  }
  // An arc's arrows come after its end of line; the last is closed too, so
  // that the next object starts a line of its own.
  EXPECT_EQ("5 1 " + Plain + "0.000 0 1 1 0 0 0 450 0 318 318 0 450\n" + arrow + "\n",
            drawn([](MCXfig &f) { f.setArrowHeadOn().drawArc(0, 0, 1, 0, 90); }));
}

// Text: justification, the font with its bold and italic variants (none
// for the families from 32 up), size and angle; inserted lines step down by
// their spacing.
TEST(XfigWriter, TextStylesAndInsertedLines)
{
  const std::string tail = " 4 225.000000 1350.000000 450 900 T\\001\n";
  const struct
  {
    std::function<void(MCXfig &)> set;
    std::string head;  // the fields up to the angle
  } rows[] = {
      {[](MCXfig &f) { f.setCentreJustify(); }, "4 1 -1 100 0 -1 16.000000 0.000000"},
      {[](MCXfig &f) { f.setRightJustify().setLeftJustify(); }, "4 0 -1 100 0 -1 16.000000 0.000000"},
      {[](MCXfig &f) { f.setFontTimes(); }, "4 0 -1 100 0 0 16.000000 0.000000"},
      {[](MCXfig &f) { f.setFontAvantGarde().setBoldOn(); }, "4 0 -1 100 0 6 16.000000 0.000000"},
      {[](MCXfig &f) { f.setFontBookman().setItalicOn(); }, "4 0 -1 100 0 9 16.000000 0.000000"},
      {[](MCXfig &f) { f.setFontCourier().setBoldOn().setItalicOn(); }, "4 0 -1 100 0 15 16.000000 0.000000"},
      {[](MCXfig &f) { f.setFontHelvetica().setBoldOn().setBoldOff(); }, "4 0 -1 100 0 16 16.000000 0.000000"},
      {[](MCXfig &f) { f.setFontHelveticaNarrow().setItalicOn().setItalicOff(); },
       "4 0 -1 100 0 20 16.000000 0.000000"},
      {[](MCXfig &f) { f.setFontNewCenturySchoolbook(); }, "4 0 -1 100 0 24 16.000000 0.000000"},
      {[](MCXfig &f) { f.setFontPalatino(); }, "4 0 -1 100 0 28 16.000000 0.000000"},
      {[](MCXfig &f) { f.setFontSymbol().setBoldOn().setItalicOn(); }, "4 0 -1 100 0 32 16.000000 0.000000"},
      {[](MCXfig &f) { f.setFontZapfChancery().setBoldOn(); }, "4 0 -1 100 0 33 16.000000 0.000000"},
      {[](MCXfig &f) { f.setZapfDingbats(); }, "4 0 -1 100 0 34 16.000000 0.000000"},
      {[](MCXfig &f) { f.setFontTimes().setBoldOn().setFontDefault(); }, "4 0 -1 100 0 -1 16.000000 0.000000"},
      {[](MCXfig &f) { f.setFontSize(10).setFontAngle(1.5f).setBlue(); }, "4 0 1 100 0 -1 10.000000 1.500000"},
  };
  for (const auto &row : rows)
    EXPECT_EQ(row.head + tail, drawn([&](MCXfig &f) {
                row.set(f);
                f.drawText("T", 1, 2, 3, 0.5f);
              }));
  EXPECT_EQ("4 0 -1 100 0 -1 16.000000 0.000000 4 450.000000 1800.000000 450 900 one\\001\n"
            "4 0 -1 100 0 -1 16.000000 0.000000 4 450.000000 1800.000000 450 1350 two\\001\n",
            drawn([](MCXfig &f) {
              f.setTextOrigin(1, 2).setLineSpacing(1, 4);
              f.insertText("one");
              f.insertText("two");
            }));
}

// Point marks: a cross of two lines, a square or a circle of the point size
// (a size not above 0 keeps the last), or nothing for no file.
TEST(XfigWriter, PlottedPointsInEachMarkStyle)
{
  const std::string line = "2 1 " + Plain + "0.000 0 0 7 0 0 2 \n\t";
  EXPECT_EQ(line + "225 225 675 675 \n" + line + "225 675 675 225 \n",
            drawn([](MCXfig &f) { f.plotPoint(1, 1); }));
  EXPECT_EQ("2 2 " + Plain + "0.000 0 0 7 0 0 5 \n\t0 0 900 0 900 900 0 900 0 0 \n",
            drawn([](MCXfig &f) { f.setSquarePoint().setPointSize(1).setPointSize(0).plotPoint(1, 1); }));
  EXPECT_EQ("1 3 " + Plain + "0.000 1 0.0000 450 450 225 225 450 450 675 675\n",
            drawn([](MCXfig &f) { f.setCirclePoint().plotPoint(1, 1); }));
  EXPECT_EQ(line + "225 225 675 675 \n" + line + "225 675 675 225 \n",
            drawn([](MCXfig &f) { f.setCirclePoint().setCrossPoint().plotPoint(1, 1); }));
  MCXfig none;
  none.plotPoint(1, 1);
  none.insertText("nowhere");
  std::ostringstream os;
  os << none;
  EXPECT_EQ("", os.str());
}
