#include "CRay.h"

#include <limits>

#include <gtest/gtest.h>

#include "CGLine.h"
#include "LibraryTestSupport.h"
