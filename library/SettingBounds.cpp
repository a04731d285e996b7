#include "SettingBounds.h"

#include <cmath>
#include <iostream>

namespace
{
template <typename T>
T Report(const char *who, const char *key, T value, T used, T low, T high)
{
  std::cerr << "WARNING: " << who << ": " << key << " " << value << " is outside " << low << " to "
            << high << ", " << used << " used..." << std::endl;
  return used;
}
}  // namespace

int boundsetting(const char *who, const char *key, int value, int low, int high)
{
  if (value < low)
    return Report(who, key, value, low, low, high);
  if (value > high)
    return Report(who, key, value, high, low, high);
  return value;
}

double boundsetting(const char *who, const char *key, double value, double low, double high,
                    double fallback)
{
  if (std::isnan(value))
    return Report(who, key, value, fallback, low, high);
  if (value < low)
    return Report(who, key, value, low, low, high);
  if (value > high)
    return Report(who, key, value, high, low, high);
  return value;
}
