#ifndef LIBRARYTESTSUPPORT_H
#define LIBRARYTESTSUPPORT_H

// Helpers shared by the library's tests.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "CVector.h"
#include "MCSIntersections.h"
#include "MCSPoint.h"
#include "MCString.h"

// What a call wrote on standard error / standard output.
inline std::string Err(const std::function<void()> &call)
{
  testing::internal::CaptureStderr();
  call();
  return testing::internal::GetCapturedStderr();
}

inline std::string Out(const std::function<void()> &call)
{
  testing::internal::CaptureStdout();
  call();
  return testing::internal::GetCapturedStdout();
}

// The text of a string; "<null>" for a string without a block.
inline std::string Of(const MCString &s)
{
  const char *text = s;
  return text ? std::string(text) : std::string("<null>");
}

// What operator<< writes of an object.
template <typename T> std::string Shown(const T &item)
{
  std::ostringstream os;
  os << item;
  return os.str();
}

inline void WriteFile(const std::string &path, const std::string &contents)
{
  if (FILE *out = std::fopen(path.c_str(), "wb"))
  {
    std::fwrite(contents.data(), 1, contents.size(), out);
    std::fclose(out);
  }
}

// A configuration import that finds no data prints its message on standard
// output and ends with 12; the child sends the output to standard error
// where the death test can see it.
#define EXPECT_NO_DATA_EXIT(call, name)                                                            \
  EXPECT_EXIT(                                                                                     \
      {                                                                                            \
        dup2(2, 1);                                                                                \
        call;                                                                                      \
      },                                                                                           \
      testing::ExitedWithCode(12), "^No data read from config file \\(" name "\\)\\.\n$")

// Plane geometry: output points are pre-filled with kMarker to see which
// operations write them.
const CVector kMarker(123, 456);

inline void ExpectAt(const CVector &v, float x, float y)
{
  EXPECT_NEAR(x, v.GetX(), 1e-4);
  EXPECT_NEAR(y, v.GetY(), 1e-4);
}

// Shapes: an intersection set against the expected points, in order, each
// coordinate within tol.
inline testing::AssertionResult PointsAre(const MCSIntersections &set,
                                          const std::vector<std::pair<double, double>> &expected,
                                          double tol = 1e-9)
{
  std::ostringstream got;
  for (int i = 0; i < set.points(); ++i)
    got << " (" << set[i].x << ", " << set[i].y << ")";
  if (set.points() != static_cast<int>(expected.size()))
    return testing::AssertionFailure() << "got" << got.str() << ", expected " << expected.size() << " points";
  for (int i = 0; i < set.points(); ++i)
    if (std::abs(set[i].x - expected[i].first) > tol || std::abs(set[i].y - expected[i].second) > tol)
      return testing::AssertionFailure() << "got" << got.str() << ", point " << i << " differs";
  return testing::AssertionSuccess();
}

inline testing::AssertionResult Near(const MCSPoint &p, double x, double y, double tol = 1e-9)
{
  if (std::abs(p.x - x) <= tol && std::abs(p.y - y) <= tol)
    return testing::AssertionSuccess();
  return testing::AssertionFailure() << "got (" << p.x << ", " << p.y << "), expected (" << x << ", " << y << ")";
}

#endif
