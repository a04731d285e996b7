#include "MCMAbstractMem.h"

#include "MCMem.h"
#include "MCNestedLogger.h"
#include "MCString.h"

MCMAbstractMem *MCMAbstractMem::_instance = nullptr;

MCMAbstractMem::MCMAbstractMem()
{
}

MCMAbstractMem::~MCMAbstractMem()
{
    if (_instance == this)
        _instance = nullptr;
    if (MCMem::memory == this)
        MCMem::memory = nullptr;
}

void MCMAbstractMem::SetMem(MCMAbstractMem *memory)
{
    if (_instance != nullptr) {
        MCLog::Log(1, "MCMAbstractMem::SetMem : Memory already configured. Ignoring new request.");
        return;
    }
    _instance = memory;
}

MCMAbstractMem *MCMAbstractMem::RealMemory()
{
    if (_instance == nullptr)
        MCLog::Log(1, "MCMAbstractMem::RealMemory : No implementation present.");
    return _instance;
}
