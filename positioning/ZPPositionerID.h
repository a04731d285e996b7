#ifndef ZPPOSITIONERID_H
#define ZPPOSITIONERID_H

#include "CVector.h"
#include "MCString.h"
#include "MObject.h"
#include "ZPRegistry.h"

class MCDictIniSafe;

// A handle to a positioner by name, through which the brain asks for a
// point. Copies share the positioner, and with it its once-per-cycle cache.
class ZPPositionerID : public MObject
{
public:
    ZPPositionerID() {}
    // Finds, or builds on first use, the positioner of that name; the
    // handle stays empty when there is none.
    explicit ZPPositionerID(const MCString &name);
    // For tests only: the vector is ignored.
    ZPPositionerID(MCString name, CVector ignored);

    // The positioner's point; (0, 0) for an empty handle or an error.
    CVector GetPosition();

    // Binds the registry to the configuration's descriptions and registers
    // the prototypes; 0, and nothing changes, after the first time.
    static int SetUpRegistry(MCDictIniSafe &dictionary);

    static ZPRegistry PosReg;
    static int SetUpComplete;

private:
    void Find(const MCString &name);
};

#endif
