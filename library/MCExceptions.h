#ifndef MCEXCEPTIONS_H
#define MCEXCEPTIONS_H

#include <ostream>

#include "MCString.h"

// The one family of exceptions in the program: the older settings library
// signals a missing name or section by throwing, and catches it again in
// its reads with a default. The messages name the operation that failed.
class mclib_error
{
public:
  explicit mclib_error(const MCString &text) : message(text) {}

  MCString message;
};

class mcsetting_error : public mclib_error
{
public:
  explicit mcsetting_error(const char *text) : mclib_error(MCString(text)) {}
};

class mcsetting_unknown_variable : public mcsetting_error
{
public:
  explicit mcsetting_unknown_variable(const char *text) : mcsetting_error(text) {}
};

class mcini_unknown_section : public mcsetting_error
{
public:
  explicit mcini_unknown_section(const char *text) : mcsetting_error(text) {}
};

// Assignment to a named constant, which never changes once named.
class MCConstantChange : public mclib_error
{
public:
  explicit MCConstantChange(const MCString &text) : mclib_error(text) {}
};

// The message alone, with no line end.
std::ostream &operator<<(std::ostream &os, const mclib_error &error);

#endif
