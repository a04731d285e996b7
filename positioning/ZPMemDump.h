#ifndef ZPMEMDUMP_H
#define ZPMEMDUMP_H

#include "ZPPositioner.h"

// Passes another positioner's point through unchanged and, every STEP
// cycles, writes what the memory says to a file named after that
// positioner, its point and the cycle, with the point and rings of 5, 10
// and 20 m about it: (MEMDUMP:(FROM:TEMP,COLOUR:White,STEP:200,SORT)).
// SORT adds the sorted lists of players.
class ZPMemDump : public ZPPositioner
{
public:
    ZPMemDump();

    MCString Representation() const override;
    void DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry) override;
    MObjectBase *Clone() const override;
    MOPosition __Position() override;

    MCString m_FromName;
    MObject m_From;
    int m_Step;
    int m_NextDump;
    int m_Sort;
    MCString m_Colour;

private:
    void Dump(const MCSPoint &point, int now) const;
};

#endif
