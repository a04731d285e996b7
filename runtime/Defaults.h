#ifndef DEFAULTS_H
#define DEFAULTS_H

#include <cstddef>

class MCDictIniSafe;

// One row of the built-in configuration: every value is the text a
// configuration file would hold, numbers included.
struct DEFAULTROW
{
    const char *section;
    const char *key;
    const char *value;
};

// A table of rows held in static storage.
struct DEFAULTTABLE
{
    const DEFAULTROW *rows;
    std::size_t count;
};

// The parameter sections of the agent and the named positioners.
DEFAULTTABLE ParameterDefaults();
// The plan list of section InitialiseFixPlans and the sections of the plans.
DEFAULTTABLE FixPlanDefaults();

// Puts every built-in default into the dictionary, replacing what a section
// and key already held; start-up calls it once, before any file is read, so
// that every section exists and a key a file leaves out keeps its default.
void primeini(MCDictIniSafe &ini);

#endif
