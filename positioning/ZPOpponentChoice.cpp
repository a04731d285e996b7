#include "ZPOpponentChoice.h"

#include "MCMem.h"
#include "MCNestedLogger.h"

namespace {
const MCString KeyAbout("ABOUT");
const MCString KeyOtherwise("OTHERWISE");
const MCString KeyWithin("WITHIN");
const MCString KeyNear("NEAR");
const MCString KeyAll("ALL");
} // namespace

ZPOpponentChoice::ZPOpponentChoice(const MCString &prefix)
    : m_Within(10), m_OtherwiseIsAbout(1), m_Near(0), m_Prefix(prefix)
{
}

void ZPOpponentChoice::ReadChoice(const MCObjectDescription &description)
{
    Key(description, KeyAbout, m_AboutName);
    Key(description, KeyOtherwise, m_OtherwiseName);
    Key(description, KeyWithin, m_Within);
    MCString value;
    if (Key(description, KeyNear, value)) {
        if (value.empty()) {
            MCLog::Log(1, m_Prefix + "DR : " + KeyNear + " usage depreciated use " + KeyNear + ":1");
            m_Near = 1;
        } else {
            m_Near = value.operator int();
        }
    }
    // Read after NEAR, so that ALL wins when both are given.
    if (Key(description, KeyAll, value)) {
        MCLog::Log(1, m_Prefix + "DR : " + KeyAll + " usage depreciated use " + KeyNear + ":0");
        m_Near = 0;
    }
}

void ZPOpponentChoice::ResolveChoice(MObjectRegistry &registry)
{
    m_About = Resolve(m_AboutName, "GOAL", registry);
    if (!m_OtherwiseName.empty()) {
        if (Lookup(m_OtherwiseName, m_Otherwise, registry)) {
            m_OtherwiseIsAbout = 0;
            return;
        }
        MCLog::Log(1, m_Prefix + "DR : Unable to establish otherwise point");
    }
    m_Otherwise = m_About;
    m_OtherwiseIsAbout = 1;
}

MCSPoint ZPOpponentChoice::AboutPoint(MCMem &memory, MCMRegion &scanner)
{
    if (!m_About.valid()) {
        MCLog::Log(1, m_Prefix + "Position : unable to establish about point.");
        scanner = memory.Target();
        return MCSPoint();
    }
    // The ABOUT positioner's error is not examined: its point orders the
    // opponents all the same.
    MCSPoint about = m_About->Position().point;
    scanner = MCMRegion(new MCSPoint(about));
    return about;
}

void ZPOpponentChoice::UseScanner(MCMem &memory, const MCMRegion &scanner)
{
    if (scanner.valid())
        memory.SetScanner(scanner);
    else
        MCLog::Log(1, m_Prefix + "Position : unable to set scanner");
}

MOPosition ZPOpponentChoice::Unpicked(const MCSPoint &about)
{
    if (m_OtherwiseIsAbout == 0 && m_Otherwise.valid())
        return m_Otherwise->Position();
    return MOPosition(about);
}
