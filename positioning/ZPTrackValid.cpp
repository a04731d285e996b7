#include "ZPTrackValid.h"

#include "MCMem.h"
#include "MCNestedLogger.h"
#include "Positioning.h"

ZP_PROTOTYPE(ZPTrackValid)

namespace {
const MCString KeyValid("VALID");
const MCString KeyNotValid("NOTVALID");
const MCString KeyOpponent("OPPONENT");
const MCString KeyTeam("TEAM");
} // namespace

ZPTrackValid::ZPTrackValid() : m_Opponent(5), m_Team(5)
{
    m_Name = "TRACKVALID";
}

MCString ZPTrackValid::Representation() const
{
    return Describe(m_Name, {{KeyValid, m_ValidName},
                             {KeyNotValid, m_NotValidName},
                             {KeyOpponent, MCString(m_Opponent)},
                             {KeyTeam, MCString(m_Team)}});
}

void ZPTrackValid::DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry)
{
    Key(description, KeyValid, m_ValidName);
    Key(description, KeyNotValid, m_NotValidName);
    Key(description, KeyOpponent, m_Opponent);
    Key(description, KeyTeam, m_Team);
    m_Valid = Resolve(m_ValidName, "BALL", registry);
    m_NotValid = Resolve(m_NotValidName, "HOME", registry);
}

MObjectBase *ZPTrackValid::Clone() const
{
    return new ZPTrackValid(*this);
}

bool ZPTrackValid::BallIsContested()
{
    MCMem memory;
    MCMRegion ball = memory.Target();
    if (!ball.valid()) {
        MCLog::Log(1, "ZPTrackValid::Position : No ball, cannot check.");
        return false;
    }
    MCSPoint b = ball.at()->Centre();
    MCMRegion zone = memory.Zone();
    if (!zone.valid()) {
        MCLog::Log(1, "ZPTrackValid::Position : No zone, cannot check.");
        return false;
    }
    // Outside the zone the player lists are not consulted at all.
    if (!zone.at()->contains(b))
        return false;
    memory.SetScanner(ball);
    memory.ResetOpponents(MCM_CTP);
    MCMUnit opponent = memory.GetOpponent(MCM_CTP);
    if (!opponent.valid() || !(opponent.at()->distance(b) < m_Opponent))
        return false;
    memory.ResetTeam(MCM_CTP);
    MCMUnit mate = memory.GetTeamMember(MCM_CTP);
    return !(mate.valid() && mate.at()->distance(b) < m_Team);
}

MOPosition ZPTrackValid::__Position()
{
    if (BallIsContested() && m_Valid.valid())
        return m_Valid->Position();
    if (m_NotValid.valid())
        return m_NotValid->Position();
    if (m_Valid.valid())
        return m_Valid->Position();
    return MOPosition(MCSPoint(-30, 0));
}
