#ifndef ZPTRACKVALID_H
#define ZPTRACKVALID_H

#include "ZPPositioner.h"

// Chooses VALID when the ball is in the agent's zone with an opponent
// nearer it than OPPONENT metres and no team mate nearer than TEAM, and
// NOTVALID otherwise: (TRACKVALID:(VALID:BALL,NOTVALID:HOME,OPPONENT:5,
// TEAM:5)). It leaves the memory's scanner on the ball.
class ZPTrackValid : public ZPPositioner
{
public:
    ZPTrackValid();

    MCString Representation() const override;
    void DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry) override;
    MObjectBase *Clone() const override;
    MOPosition __Position() override;

    MObject m_Valid;
    MObject m_NotValid;
    double m_Opponent;
    double m_Team;
    MCString m_ValidName;
    MCString m_NotValidName;

private:
    bool BallIsContested();
};

#endif
