#include "ZPPositionerID.h"

#include "MCNestedLogger.h"

ZPRegistry ZPPositionerID::PosReg;
int ZPPositionerID::SetUpComplete = 0;

ZPPositionerID::ZPPositionerID(const MCString &name)
{
    Find(name);
}

ZPPositionerID::ZPPositionerID(MCString name, CVector)
{
    MCLog::Log(1, "ZPPositionerID: Bad constructor, use for testing only.");
    MCLog::Log(1, "ZPPositionerID: Vector ignored.");
    Find(name);
}

void ZPPositionerID::Find(const MCString &name)
{
    if (SetUpComplete == 0)
        MCLog::Log(1, "ZPPositionerID: Attempt to initialise positioner before registry setup. Expect BAD "
                      "THINGS(tm) to happen.");
    MOR_ORV found = PosReg.FindObject(name);
    if (found.error != MOR_ORV::Found) {
        MCLog::Log(1, "ZPPositionerID::ZPPositionerID : Failed to find object \"" + name +
                          "\", returned error code : " + MCString(found.error));
        return;
    }
    MObject::operator=(found.object);
}

CVector ZPPositionerID::GetPosition()
{
    if (null())
        return CVector(0, 0);
    MOPosition p = get()->Position();
    if (p.error != 0) {
        MCLog::Log(1, "X ZPPositioner::GetPosition : Positioner returned error : " + MCString(p.error));
        return CVector(0, 0);
    }
    return CVector((float)p.point.x, (float)p.point.y);
}

int ZPPositionerID::SetUpRegistry(MCDictIniSafe &dictionary)
{
    if (SetUpComplete) {
        MCLog::Log(1, "ZPPositionerID::SetUpRegistry : Already setup.");
        return 0;
    }
    PosReg.RegisterDescriptions(&dictionary, "Positioners");
    PosReg.LibraryObjects();
    SetUpComplete = 1;
    return 1;
}
