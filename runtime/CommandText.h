#ifndef COMMAND_TEXT_H
#define COMMAND_TEXT_H

#include <cstddef>
#include <initializer_list>

// A command of numbers, "(head v1 v2)\n", each value with two decimals
// exactly as "%.2f" prints it, written digit by digit instead of through a
// format read anew for every command. False, with out untouched, when it does not fit in
// size characters with its NUL.
bool FormatNumberCommand(char *out, std::size_t size, const char *head,
                         std::initializer_list<double> values);

#endif
