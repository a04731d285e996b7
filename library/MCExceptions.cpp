#include "MCExceptions.h"

std::ostream &operator<<(std::ostream &os, const mclib_error &error)
{
  return os << error.message;
}
