#include "MCXfig.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "Geometry.h"

namespace
{
// File units per user unit at scale 1.
const float UnitsPerUnit = 450.0f;

// "#FIG 3.2" and the page set-up: 1200 units per inch, origin upper left.
const char *const Header = "#FIG 3.2\n"
                           "Landscape\n"
                           "Center\n"
                           "Metric\n"
                           "Letter\n"
                           "100.00\n"
                           "Single\n"
                           "-2\n"
                           "1200 2\n";

// Font families from Symbol on have no bold or italic variants.
const int FirstPlainFont = 32;

int clamped(int i, int low, int high)
{
  return std::min(std::max(i, low), high);
}
} // namespace

MCXfig::MCXfig() : originX(0.0f), originY(0.0f)
{
  resetstyle();
}

MCXfig::MCXfig(MCString filename) : MCXfig()
{
  openfile(filename);
}

void MCXfig::resetstyle()
{
  lineStyle = -1;
  joinStyle = 0;
  capStyle = 0;
  arrowType = 0;
  arrowStyle = 1;
  arrowHead = 0;
  arrowTail = 0;
  arrowThickness = 1.0f;
  arrowWidth = 60.0f;
  arrowHeight = 120.0f;
  penColour = -1;
  fillColour = -1;
  thickness = 1;
  depth = 100;
  scale = 1.0f;
  justification = 0;
  fontSize = 16.0f;
  fontAngle = 0.0f;
  font = -1;
  boldOffset = 0;
  italicOffset = 0;
  pointSize = 0.5f;
  pointStyle = 0;
  textOriginX = 0.0f;
  textOriginY = 0.0f;
  lineSpacing = 0.0f;
  textLength = 0.0f;
}

// The origin is the caller's to set before drawing and is not reset here.
void MCXfig::openfile(MCString filename)
{
  closefile();
  const char *name = filename;
  if (name != nullptr && *name != '\0')
    file.stream = std::fopen(name, "w");
  if (file.stream != nullptr)
    std::fputs(Header, file.stream);
  resetstyle();
}

void MCXfig::closefile()
{
  file.close();
}

// Truncated toward zero; a coordinate beyond the file's integers (or not a
// number) is pinned rather than converted out of range.
int MCXfig::units(float v) const
{
  // In floats, so that 0.7 comes to 315 and not 314.
  const float u = v * scale * UnitsPerUnit;
  const float limit = 2147483520.0f; // the largest float below 2^31
  if (!(u >= -limit && u <= limit))
    return u > limit ? INT_MAX : (u < -limit ? INT_MIN : 0);
  return static_cast<int>(u);
}

void MCXfig::commonfields()
{
  std::fprintf(file.stream, "%d %d %d %d %d 0 %s ", lineStyle, thickness, penColour, fillColour,
               depth, fillColour == -1 ? "-1" : "20");
}

void MCXfig::arrowfields()
{
  std::fprintf(file.stream, "%d %d %f %f %f ", arrowType, arrowStyle, arrowThickness, arrowWidth,
               arrowHeight);
}

int MCXfig::fontnumber() const
{
  if (font == -1)
    return -1;
  if (font < FirstPlainFont)
    return font + boldOffset + italicOffset;
  return font;
}

// # text
void MCXfig::comment(MCString text)
{
  if (file.stream == nullptr)
    return;
  std::fprintf(file.stream, "#%s\n", static_cast<const char *>(text));
}

// The point as it stands, without the origin: the callers add it.
void MCXfig::drawPoint(float x, float y)
{
  if (file.stream == nullptr)
    return;
  std::fprintf(file.stream, "%d %d", units(x), units(y));
}

// 2 1 -1 1 -1 -1 100 0 -1 0.000 0 0 7 0 0 2
// 	0 0 450 450
void MCXfig::drawPolyLine(int subType, int count, const float *xs, const float *ys)
{
  if (file.stream == nullptr)
    return;
  std::fprintf(file.stream, "2 %d ", subType);
  commonfields();
  std::fprintf(file.stream, "0.000 %d %d 7 %d %d %d ", joinStyle, capStyle, arrowHead, arrowTail,
               count);
  if (arrowHead)
  {
    std::fputs("\n\t", file.stream);
    arrowfields();
  }
  if (arrowTail)
  {
    std::fputs("\n\t", file.stream);
    arrowfields();
  }
  std::fputs("\n\t", file.stream);
  for (int i = 0; i < count && xs != nullptr && ys != nullptr; ++i)
  {
    drawPoint(xs[i] + originX, ys[i] + originY);
    std::fputc(' ', file.stream);
  }
  std::fputc('\n', file.stream);
}

void MCXfig::drawLine(float x1, float y1, float x2, float y2)
{
  const float xs[] = {x1, x2};
  const float ys[] = {y1, y2};
  drawPolyLine(1, 2, xs, ys);
}

void MCXfig::drawBox(float x1, float y1, float x2, float y2)
{
  const float xs[] = {x1, x2, x2, x1, x1};
  const float ys[] = {y1, y1, y2, y2, y1};
  drawPolyLine(2, 5, xs, ys);
}

// 1 3 -1 1 -1 -1 100 0 -1 0.000 1 0.0000 450 450 225 225 450 450 675 675
void MCXfig::drawCircle(float x, float y, float r)
{
  if (file.stream == nullptr)
    return;
  const float cx = x + originX;
  const float cy = y + originY;
  std::fputs("1 3 ", file.stream);
  commonfields();
  std::fputs("0.000 1 0.0000 ", file.stream);
  drawPoint(cx, cy);
  std::fputc(' ', file.stream);
  drawPoint(r, r);
  std::fputc(' ', file.stream);
  drawPoint(cx, cy);
  std::fputc(' ', file.stream);
  drawPoint(x + r + originX, y + r + originY);
  std::fputc('\n', file.stream);
}

// 5 1 -1 1 -1 -1 100 0 -1 0.000 0 1 0 0 0 0 450 0 318 318 0 450
// The arrow lines follow the arc's own line; the last of them is closed
// too, or the next object would run on in it and be lost to a reader.
void MCXfig::drawArc(float x, float y, float r, float startangle, float endangle)
{
  if (file.stream == nullptr)
    return;
  const float qx = x + originX;
  const float qy = y + originY;
  const double a1 = startangle * kDegToRad;
  const double a2 = endangle * kDegToRad;
  const double am = (a1 + a2) / 2.0;
  std::fputs("5 1 ", file.stream);
  commonfields();
  std::fprintf(file.stream, "0.000 %d 1 %d %d ", capStyle, arrowHead, arrowTail);
  drawPoint(qx, qy);
  for (double a : {a1, am, a2})
  {
    std::fputc(' ', file.stream);
    drawPoint(static_cast<float>(qx + r * std::cos(a)), static_cast<float>(qy + r * std::sin(a)));
  }
  std::fputc('\n', file.stream);
  if (arrowHead)
  {
    std::fputs("\n\t", file.stream);
    arrowfields();
  }
  if (arrowTail)
  {
    std::fputs("\n\t", file.stream);
    arrowfields();
  }
  if (arrowHead || arrowTail)
    std::fputc('\n', file.stream);
}

// 4 0 -1 100 0 -1 16.000000 0.000000 4 450.000000 900.000000 450 900 Hello\001
void MCXfig::drawText(MCString text, float x, float y, float length, float height)
{
  if (file.stream == nullptr)
    return;
  std::fprintf(file.stream, "4 %d %d %d 0 %d %f %f 4 %f %f %d %d %s\\001\n", justification,
               penColour, depth, fontnumber(), fontSize * scale, fontAngle,
               height * scale * UnitsPerUnit, length * scale * UnitsPerUnit, units(x + originX),
               units(y + originY), static_cast<const char *>(text));
}

// Lines of text one under the other, from the text origin down.
void MCXfig::insertText(MCString text)
{
  drawText(text, textOriginX, textOriginY, textLength, lineSpacing);
  textOriginY += lineSpacing;
}

void MCXfig::plotPoint(float x, float y)
{
  const float s = pointSize;
  switch (pointStyle)
  {
  case 0:
    drawLine(x - s, y - s, x + s, y + s);
    drawLine(x - s, y + s, x + s, y - s);
    break;
  case 1:
    drawBox(x - s, y - s, x + s, y + s);
    break;
  case 2:
    drawCircle(x, y, s);
    break;
  default:
    break;
  }
}

MCXfig &MCXfig::setDefaultLine() { lineStyle = -1; return *this; }
MCXfig &MCXfig::setSolidLine() { lineStyle = 0; return *this; }
MCXfig &MCXfig::setDashedLine() { lineStyle = 1; return *this; }
MCXfig &MCXfig::setDottedLine() { lineStyle = 2; return *this; }
MCXfig &MCXfig::setDashedDottedLine() { lineStyle = 3; return *this; }
MCXfig &MCXfig::setDashedDoubleDottedLine() { lineStyle = 4; return *this; }
MCXfig &MCXfig::setDashedTripleDottedLine() { lineStyle = 5; return *this; }

MCXfig &MCXfig::setMiterJoin() { joinStyle = 0; return *this; }
MCXfig &MCXfig::setBevelJoin() { joinStyle = 1; return *this; }
MCXfig &MCXfig::setRoundJoin() { joinStyle = 2; return *this; }
MCXfig &MCXfig::setButtCap() { capStyle = 0; return *this; }
MCXfig &MCXfig::setRoundCap() { capStyle = 1; return *this; }
MCXfig &MCXfig::setProjectingCap() { capStyle = 2; return *this; }

// xfig numbers the outdent arrow 4; there is no 3.
MCXfig &MCXfig::setStickArrow() { arrowType = 0; return *this; }
MCXfig &MCXfig::setClosedArrow() { arrowType = 1; return *this; }
MCXfig &MCXfig::setIndentArrow() { arrowType = 2; return *this; }
MCXfig &MCXfig::setOutdentArrow() { arrowType = 4; return *this; }
MCXfig &MCXfig::setOutlineArrow() { arrowStyle = 0; return *this; }
MCXfig &MCXfig::setFilledArrow() { arrowStyle = 1; return *this; }
MCXfig &MCXfig::setArrowHeadOn() { arrowHead = 1; return *this; }
MCXfig &MCXfig::setArrowHeadOff() { arrowHead = 0; return *this; }
MCXfig &MCXfig::setArrowTailOn() { arrowTail = 1; return *this; }
MCXfig &MCXfig::setArrowTailOff() { arrowTail = 0; return *this; }
MCXfig &MCXfig::setArrowThickness(float t) { arrowThickness = t; return *this; }
MCXfig &MCXfig::setArrowWidth(float w) { arrowWidth = w > 0.0f ? w : 60.0f; return *this; }
MCXfig &MCXfig::setArrowHeight(float h) { arrowHeight = h > 0.0f ? h : 120.0f; return *this; }

MCXfig &MCXfig::setDefault() { penColour = -1; return *this; }
MCXfig &MCXfig::setBlack() { penColour = 0; return *this; }
MCXfig &MCXfig::setBlue() { penColour = 1; return *this; }
MCXfig &MCXfig::setGreen() { penColour = 2; return *this; }
MCXfig &MCXfig::setCyan() { penColour = 3; return *this; }
MCXfig &MCXfig::setRed() { penColour = 4; return *this; }
MCXfig &MCXfig::setMagenta() { penColour = 5; return *this; }
MCXfig &MCXfig::setYellow() { penColour = 6; return *this; }
MCXfig &MCXfig::setWhite() { penColour = 7; return *this; }
// xfig's shade colours: four blues from 8, three each of green, cyan,
// red, magenta and brown, four pinks, then gold.
MCXfig &MCXfig::setBlueShade(int i) { penColour = 8 + clamped(i, 0, 3); return *this; }
MCXfig &MCXfig::setGreenShade(int i) { penColour = 12 + clamped(i, 0, 2); return *this; }
MCXfig &MCXfig::setCyanShade(int i) { penColour = 15 + clamped(i, 0, 2); return *this; }
MCXfig &MCXfig::setRedShade(int i) { penColour = 18 + clamped(i, 0, 2); return *this; }
MCXfig &MCXfig::setMagentaShade(int i) { penColour = 21 + clamped(i, 0, 2); return *this; }
MCXfig &MCXfig::setBrownShade(int i) { penColour = 24 + clamped(i, 0, 2); return *this; }
MCXfig &MCXfig::setPinkShade(int i) { penColour = 27 + clamped(i, 0, 3); return *this; }
MCXfig &MCXfig::setGold() { penColour = 31; return *this; }
// Fills with the pen's colour; after setDefault that turns filling off.
MCXfig &MCXfig::setFill() { fillColour = penColour; return *this; }

MCXfig &MCXfig::setThickness(int t) { thickness = std::max(t, 1); return *this; }
MCXfig &MCXfig::setDepth(int d) { depth = clamped(d, 0, 999); return *this; }
MCXfig &MCXfig::setScale(float f) { scale = f; return *this; }
MCXfig &MCXfig::setOrigin(float x, float y) { originX = x; originY = y; return *this; }

MCXfig &MCXfig::setLeftJustify() { justification = 0; return *this; }
MCXfig &MCXfig::setCentreJustify() { justification = 1; return *this; }
MCXfig &MCXfig::setRightJustify() { justification = 2; return *this; }
MCXfig &MCXfig::setFontSize(float s) { fontSize = s; return *this; }
MCXfig &MCXfig::setFontAngle(float a) { fontAngle = a; return *this; }
MCXfig &MCXfig::setBoldOn() { boldOffset = 2; return *this; }
MCXfig &MCXfig::setBoldOff() { boldOffset = 0; return *this; }
MCXfig &MCXfig::setItalicOn() { italicOffset = 1; return *this; }
MCXfig &MCXfig::setItalicOff() { italicOffset = 0; return *this; }
// The PostScript font families, each numbered by its plain face.
MCXfig &MCXfig::setFontDefault() { font = -1; return *this; }
MCXfig &MCXfig::setFontTimes() { font = 0; return *this; }
MCXfig &MCXfig::setFontAvantGarde() { font = 4; return *this; }
MCXfig &MCXfig::setFontBookman() { font = 8; return *this; }
MCXfig &MCXfig::setFontCourier() { font = 12; return *this; }
MCXfig &MCXfig::setFontHelvetica() { font = 16; return *this; }
MCXfig &MCXfig::setFontHelveticaNarrow() { font = 20; return *this; }
MCXfig &MCXfig::setFontNewCenturySchoolbook() { font = 24; return *this; }
MCXfig &MCXfig::setFontPalatino() { font = 28; return *this; }
MCXfig &MCXfig::setFontSymbol() { font = 32; return *this; }
MCXfig &MCXfig::setFontZapfChancery() { font = 33; return *this; }
MCXfig &MCXfig::setZapfDingbats() { font = 34; return *this; }

MCXfig &MCXfig::setLineSpacing(float spacing, float length)
{
  lineSpacing = spacing;
  textLength = length;
  return *this;
}
MCXfig &MCXfig::setTextOrigin(float x, float y) { textOriginX = x; textOriginY = y; return *this; }
MCXfig &MCXfig::setPointSize(float s)
{
  if (s > 0.0f)
    pointSize = s;
  return *this;
}
MCXfig &MCXfig::setCrossPoint() { pointStyle = 0; return *this; }
MCXfig &MCXfig::setSquarePoint() { pointStyle = 1; return *this; }
MCXfig &MCXfig::setCirclePoint() { pointStyle = 2; return *this; }

std::ostream &operator<<(std::ostream &os, const MCXfig &)
{
  return os;
}
