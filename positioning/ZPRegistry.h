#ifndef ZPREGISTRY_H
#define ZPREGISTRY_H

#include "MObject.h"
#include "MObjectRegistry.h"

// The registry of positioners: one prototype of each kind under its
// keyword, and every positioner built from the descriptions under its name.
class ZPRegistry : public MObjectRegistry
{
public:
    ZPRegistry();

    void LibraryObjects() override;
    // Registers a prototype under the keyword of its own description.
    void AutoRegister(MObject object);
};

#endif
