#include "ZPRegistry.h"

#include "MCNestedLogger.h"
#include "Positioning.h"

ZPRegistry::ZPRegistry()
{
}

void ZPRegistry::LibraryObjects()
{
    for (MObjectBase *prototype : ZPPrototypes())
        AutoRegister(MObject(prototype));
}

void ZPRegistry::AutoRegister(MObject object)
{
    if (object.null()) {
        MCLog::Log(1, "ZPRegistery::AutoRegister : No Object to register.");
        return;
    }
    MCString keyword = ProcessDescription(object->Representation()).name;
    if (keyword.empty()) {
        MCLog::Log(1, "ZPRegistry::AutoRegister : Unable to find object name. Not registering.");
        return;
    }
    if (Register(keyword, object) == 1)
        MCLog::Log(1, "ZPRegistry::AutoRegister : Failed to register object. Already registered?");
}
