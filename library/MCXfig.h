#ifndef MCXFIG_H
#define MCXFIG_H

#include <cstdio>
#include <ostream>

#include "MCString.h"

// Writes drawings in the xfig 3.2 text format: lines, boxes, polylines,
// circles, arcs, text and point marks in the current style. User
// coordinates are scaled by 450 file units per unit (the file declares 1200
// units per inch, y down the page). The style setters return the writer, so
// that calls chain: fig.setRed().setDashedLine().drawLine(0, 0, 1, 1).
class MCXfig
{
public:
  MCXfig();
  explicit MCXfig(MCString filename);

  // Opens the file (truncated) and writes the header; in any case the
  // style starts afresh. A file held before is closed first.
  void openfile(MCString filename);
  void closefile();

  void comment(MCString text);
  void drawPoint(float x, float y);
  void drawLine(float x1, float y1, float x2, float y2);
  void drawBox(float x1, float y1, float x2, float y2);
  void drawPolyLine(int subType, int count, const float *xs, const float *ys);
  void drawCircle(float x, float y, float r);
  void drawArc(float x, float y, float r, float startangle, float endangle);
  void drawText(MCString text, float x, float y, float length, float height);
  void insertText(MCString text);
  void plotPoint(float x, float y);

  MCXfig &setDefaultLine();
  MCXfig &setSolidLine();
  MCXfig &setDashedLine();
  MCXfig &setDottedLine();
  MCXfig &setDashedDottedLine();
  MCXfig &setDashedDoubleDottedLine();
  MCXfig &setDashedTripleDottedLine();

  MCXfig &setMiterJoin();
  MCXfig &setBevelJoin();
  MCXfig &setRoundJoin();
  MCXfig &setButtCap();
  MCXfig &setRoundCap();
  MCXfig &setProjectingCap();

  MCXfig &setStickArrow();
  MCXfig &setClosedArrow();
  MCXfig &setIndentArrow();
  MCXfig &setOutdentArrow();
  MCXfig &setOutlineArrow();
  MCXfig &setFilledArrow();
  MCXfig &setArrowHeadOn();
  MCXfig &setArrowHeadOff();
  MCXfig &setArrowTailOn();
  MCXfig &setArrowTailOff();
  MCXfig &setArrowThickness(float t);
  MCXfig &setArrowWidth(float w);
  MCXfig &setArrowHeight(float h);

  MCXfig &setDefault();
  MCXfig &setBlack();
  MCXfig &setBlue();
  MCXfig &setGreen();
  MCXfig &setCyan();
  MCXfig &setRed();
  MCXfig &setMagenta();
  MCXfig &setYellow();
  MCXfig &setWhite();
  MCXfig &setBlueShade(int i);
  MCXfig &setGreenShade(int i);
  MCXfig &setCyanShade(int i);
  MCXfig &setRedShade(int i);
  MCXfig &setMagentaShade(int i);
  MCXfig &setBrownShade(int i);
  MCXfig &setPinkShade(int i);
  MCXfig &setGold();
  MCXfig &setFill();

  MCXfig &setThickness(int t);
  MCXfig &setDepth(int d);
  MCXfig &setScale(float f);
  MCXfig &setOrigin(float x, float y);

  MCXfig &setLeftJustify();
  MCXfig &setCentreJustify();
  MCXfig &setRightJustify();
  MCXfig &setFontSize(float s);
  MCXfig &setFontAngle(float a);
  MCXfig &setBoldOn();
  MCXfig &setBoldOff();
  MCXfig &setItalicOn();
  MCXfig &setItalicOff();
  MCXfig &setFontDefault();
  MCXfig &setFontTimes();
  MCXfig &setFontAvantGarde();
  MCXfig &setFontBookman();
  MCXfig &setFontCourier();
  MCXfig &setFontHelvetica();
  MCXfig &setFontHelveticaNarrow();
  MCXfig &setFontNewCenturySchoolbook();
  MCXfig &setFontPalatino();
  MCXfig &setFontSymbol();
  MCXfig &setFontZapfChancery();
  MCXfig &setZapfDingbats();

  MCXfig &setLineSpacing(float spacing, float length);
  MCXfig &setTextOrigin(float x, float y);
  MCXfig &setPointSize(float s);
  MCXfig &setCrossPoint();
  MCXfig &setSquarePoint();
  MCXfig &setCirclePoint();

private:
  // The open drawing file. A copy of a writer gets no file, and a writer
  // given another's style by assignment closes the file it held: one file,
  // one writer, closed once.
  class Handle
  {
  public:
    Handle() : stream(nullptr) {}
    Handle(const Handle &) : stream(nullptr) {}
    Handle &operator=(const Handle &other)
    {
      if (this != &other)
        close();
      return *this;
    }
    ~Handle() { close(); }
    void close()
    {
      if (stream != nullptr)
        std::fclose(stream);
      stream = nullptr;
    }
    std::FILE *stream;
  };

  void resetstyle();
  int units(float v) const;
  void commonfields();
  void arrowfields();
  int fontnumber() const;

  Handle file;
  int lineStyle;
  int joinStyle;
  int capStyle;
  int arrowType;
  int arrowStyle;
  int arrowHead;
  int arrowTail;
  float arrowThickness;
  float arrowWidth;
  float arrowHeight;
  int penColour;
  int fillColour;
  int thickness;
  int depth;
  float scale;
  int justification;
  float fontSize;
  float fontAngle;
  int font;
  int boldOffset;
  int italicOffset;
  float originX, originY;
  float pointSize;
  int pointStyle;
  float textOriginX, textOriginY;
  float lineSpacing;
  float textLength;
};

// A writer has no text form of its own.
std::ostream &operator<<(std::ostream &os, const MCXfig &fig);

#endif
