#include "CRay.h"

#include <limits>

#include <gtest/gtest.h>

