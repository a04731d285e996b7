#include "ZPMemDump.h"

#include <fcntl.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <fstream>

#include "MCMem.h"
#include "MCNestedLogger.h"
#include "MCSCircle.h"
#include "MCSPoint.h"
#include "MObjectRegistry.h"
#include "Positioning.h"

ZP_PROTOTYPE(ZPMemDump)

namespace {
const MCString KeyFrom("FROM");
const MCString KeyColour("COLOUR");
const MCString KeyStep("STEP");
const MCString KeySort("SORT");

void Block(std::ostream &out, const char *label, const MCShape &shape, const MCString &colour)
{
    out << "MEMORY " << label << ":\n" << shape.MemDump() << "\n* Colour : " << colour << "\n";
}
} // namespace

ZPMemDump::ZPMemDump() : m_Step(100), m_NextDump(-1), m_Sort(0), m_Colour("White")
{
    m_Name = "MEMDUMP";
}

MCString ZPMemDump::Representation() const
{
    std::vector<MCString> flags;
    if (m_Sort)
        flags.push_back(KeySort);
    return Describe(m_Name, {{KeyFrom, m_FromName}, {KeyStep, MCString(m_Step)}, {KeyColour, m_Colour}}, flags);
}

void ZPMemDump::DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry)
{
    Key(description, KeyFrom, m_FromName);
    Key(description, KeyColour, m_Colour);
    Key(description, KeyStep, m_Step);
    MCString sort;
    if (Key(description, KeySort, sort))
        m_Sort = sort.empty() ? 1 : sort.operator int();
    if (m_FromName.empty())
        m_FromName = "BALL";
    if (!Lookup(m_FromName, m_From, registry))
        MCLog::Log(1, "ZPMemDump::DR : Error, unable to find FROM object (" + m_FromName + ")");
}

MObjectBase *ZPMemDump::Clone() const
{
    ZPMemDump *copy = new ZPMemDump(*this);
    copy->m_NextDump = -1;
    return copy;
}

MOPosition ZPMemDump::__Position()
{
    MOPosition result;
    if (m_From.valid())
        result = m_From->Position();
    int now = MCMem().Time();
    if (now > m_NextDump) {
        Dump(result.point, now);
        // Held inside the int range: a step that would overflow it means no
        // further dump, not a wrapped cycle.
        long long next = static_cast<long long>(m_NextDump) + m_Step;
        m_NextDump = static_cast<int>(next > INT_MAX ? INT_MAX : next < INT_MIN ? INT_MIN : next);
    }
    return result;
}

void ZPMemDump::Dump(const MCSPoint &point, int now) const
{
    char name[64];
    std::snprintf(name, sizeof name, "%s.%.2f.%.2f.mem.dump.%04d", static_cast<const char *>(m_FromName), point.x,
                  point.y, now);
    // Created with the permissions a dump is meant to have; the stream then
    // writes into the file that is there.
    int fd = ::open(name, O_WRONLY | O_CREAT | O_TRUNC, 0664);
    if (fd < 0)
        return;
    ::close(fd);
    std::ofstream file(name, std::ios::out | std::ios::trunc);
    if (!file)
        return;
    MakeMemDump(file, m_Sort);
    Block(file, "PositioningTo", point, m_Colour);
    const int radii[] = {5, 10, 20};
    for (int r : radii) {
        std::string label = "PositioningTo" + std::to_string(r) + "m";
        Block(file, label.c_str(), MCSCircle(point.x, point.y, r), m_Colour);
    }
}
