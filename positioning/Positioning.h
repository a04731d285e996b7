#ifndef POSITIONING_H
#define POSITIONING_H

#include <vector>

#include "MObjectBase.h"

// Defines the maker of a positioner kind's prototype; each kind's source
// file writes it once, as ZP_PROTOTYPE(ZPHome), and the kind's line in the
// list of Positioning.cpp names the same class.
#define ZP_PROTOTYPE(cls)                                                                                          \
    MObjectBase *ZPPrototype_##cls();                                                                              \
    MObjectBase *ZPPrototype_##cls() { return new cls(); }

// A fresh default object of every positioner kind, in the order in which the
// registry registers them; the caller owns them.
std::vector<MObjectBase *> ZPPrototypes();

#endif
