#include "MCMap.h"

#include <algorithm>
#include <iostream>
#include <limits>
#include <new>
#include <sstream>
#include <utility>

#include "MCDictText.h"

namespace
{
const int MaxGrey = 255;
// A flat map has no range to spread over the grey levels.
const int FlatGrey = MaxGrey / 2;

// (value - min) scaled so that min is black and max white, truncated.
int greylevel(double value, double min, double max)
{
  if (!(max > min))
    return FlatGrey;
  const double g = (value - min) * (MaxGrey / (max - min));
  // Only a cell that is not a number falls outside; it must not reach the
  // integer conversion.
  if (!(g >= 0.0))
    return 0;
  if (g >= MaxGrey)
    return MaxGrey;
  return static_cast<int>(g);
}
} // namespace

MCMap::MCMap() : data(nullptr), width(0), height(0) {}

MCMap::MCMap(int w, int h) : data(nullptr), width(0), height(0)
{
  allocate(w, h);
}

MCMap::MCMap(const MCMap &other) : data(nullptr), width(0), height(0)
{
  allocate(other.width, other.height);
  if (data != nullptr)
    std::copy(other.data, other.data + static_cast<size_t>(width) * height, data);
}

MCMap &MCMap::operator=(const MCMap &other)
{
  if (this == &other)
    return *this;
  MCMap copy(other);
  std::swap(data, copy.data);
  std::swap(width, copy.width);
  std::swap(height, copy.height);
  return *this;
}

MCMap::~MCMap()
{
  delete[] data;
}

// A negative or zero size, or cells beyond what can be had, give the empty map.
void MCMap::allocate(int w, int h)
{
  delete[] data;
  data = nullptr;
  width = 0;
  height = 0;
  if (w <= 0 || h <= 0)
    return;
  const size_t cells = static_cast<size_t>(w) * static_cast<size_t>(h);
  if (cells > std::numeric_limits<size_t>::max() / sizeof(double))
    return;
  data = new (std::nothrow) double[cells]();
  if (data == nullptr)
    return;
  width = w;
  height = h;
}

bool MCMap::inside(int x, int y) const
{
  return x >= 0 && x < width && y >= 0 && y < height;
}

MCMap &MCMap::set(int x, int y, double v)
{
  if (inside(x, y))
    data[static_cast<size_t>(y) * width + x] = v;
  return *this;
}

double MCMap::get(int x, int y) const
{
  return inside(x, y) ? data[static_cast<size_t>(y) * width + x] : 0.0;
}

MCMap MCMap::operator+(const MCMap &other) const
{
  if (width != other.width || height != other.height)
  {
    std::cout << "Maps must have same size to add.\n";
    return MCMap();
  }
  MCMap sum(*this);
  const size_t cells = static_cast<size_t>(width) * height;
  for (size_t i = 0; i < cells && sum.data != nullptr; ++i)
    sum.data[i] += other.data[i];
  return sum;
}

// P3
// 2 1
// 255
// 0 0 0
// 255 255 255
void MCMap::picture(std::ostream &os) const
{
  os << "P3\n" << width << " " << height << "\n" << MaxGrey << "\n";
  const size_t cells = static_cast<size_t>(width) * height;
  if (cells == 0)
    return;
  double min = data[0];
  double max = data[0];
  for (size_t i = 1; i < cells; ++i)
  {
    if (data[i] < min)
      min = data[i];
    if (data[i] > max)
      max = data[i];
  }
  for (size_t i = 0; i < cells; ++i)
  {
    const int g = greylevel(data[i], min, max);
    os << g << " " << g << " " << g << "\n";
  }
}

void MCMap::raw(std::ostream &os) const
{
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      os << x << "\t" << y << "\t" << get(x, y) << "\n";
}

void MCMap::exportfile(MCString filename) const
{
  std::ostringstream text;
  picture(text);
  MCDictText::writefile(filename, MCString(text.str().c_str()));
}

void MCMap::exportraw(MCString filename) const
{
  std::ostringstream text;
  raw(text);
  MCDictText::writefile(filename, MCString(text.str().c_str()));
}

std::ostream &operator<<(std::ostream &os, const MCMap &map)
{
  map.picture(os);
  return os;
}
