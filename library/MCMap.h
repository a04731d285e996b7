#ifndef MCMAP_H
#define MCMAP_H

#include <ostream>

#include "MCString.h"

// A width-by-height grid of reals for looking at data outside the player:
// written as a plain grey-level picture (PPM "P3") or as raw "x y value"
// text. Cell (x, y) is element y * width + x; each map owns its cells.
class MCMap
{
public:
  MCMap();
  MCMap(int width, int height);
  MCMap(const MCMap &other);
  MCMap &operator=(const MCMap &other);
  ~MCMap();

  MCMap &set(int x, int y, double v);
  double get(int x, int y) const;
  MCMap operator+(const MCMap &other) const;

  void exportfile(MCString filename) const;
  void exportraw(MCString filename) const;

  // The picture form, header and a line of three grey levels per cell.
  void picture(std::ostream &os) const;
  // The raw form, a line "x<TAB>y<TAB>value" per cell, row by row.
  void raw(std::ostream &os) const;

private:
  bool inside(int x, int y) const;
  void allocate(int w, int h);

  double *data;
  int width;
  int height;
};

std::ostream &operator<<(std::ostream &os, const MCMap &map);

#endif
