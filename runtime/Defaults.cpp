#include "Defaults.h"

#include "MCDictIniSafe.h"

namespace {

void InsertRows(MCDictIniSafe &ini, const DEFAULTTABLE &table)
{
    for (std::size_t i = 0; i < table.count; ++i) {
        const DEFAULTROW &row = table.rows[i];
        ini.insert(MCString(row.section), MCString(row.key), MCString(row.value));
    }
}

} // namespace

void primeini(MCDictIniSafe &ini)
{
    InsertRows(ini, ParameterDefaults());
    InsertRows(ini, FixPlanDefaults());
}
