#include "CRay.h"

#include <cmath>
#include <limits>
#include <sstream>

#include <gtest/gtest.h>

#include "CGLine.h"
#include "LibraryTestSupport.h"
