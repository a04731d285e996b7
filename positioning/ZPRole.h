#ifndef ZPROLE_H
#define ZPROLE_H

#include "ZPPositioner.h"

// The positioner of the agent's positioning role:
// (ROLE:(CD:..,OD:..,SW:..,CM:..,OM:..,CF:..,OF:..)), HOME for each role
// not named. An unset role, or one whose positioner is missing, takes CD's;
// without CD either the agent stands at the centre (0, 0).
class ZPRole : public ZPPositioner
{
public:
    // The roles in the order in which the description writes them.
    enum
    {
        CD,
        OD,
        SW,
        CM,
        OM,
        CF,
        OF,
        Roles
    };

    ZPRole();

    MCString Representation() const override;
    void DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry) override;
    MObjectBase *Clone() const override;
    MOPosition __Position() override;

    MObject m_Positioners[Roles];
    MCString m_Names[Roles];

    static const MCString ClassName;
};

#endif
