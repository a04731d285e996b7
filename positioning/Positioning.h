#ifndef POSITIONING_H
#define POSITIONING_H

#include <ostream>
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

// Writes what the installed memory says, as blocks of shape lines with a
// colour that a viewer draws: the regions, goal mouths, the agent, and the
// team mates and opponents; with sorted nonzero also the lists of each scan
// reason, each player drawn as a line whose direction tells the reason.
void MakeMemDump(std::ostream &file, int sorted);

#endif
