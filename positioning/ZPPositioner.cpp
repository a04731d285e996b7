#include "ZPPositioner.h"

#include <cmath>

#include "MCMem.h"
#include "MCNestedLogger.h"
#include "MObjectRegistry.h"
#include "Positioning.h"

ZP_PROTOTYPE(ZPPositioner)

ZPPositioner::ZPPositioner() : m_LastCycle(-1)
{
    m_Name = "BASE";
}

ZPPositioner::ZPPositioner(const ZPPositioner &other) : MObjectBase(other), m_LastCycle(-1)
{
}

MCString ZPPositioner::Representation() const
{
    return "(" + m_Name + ")";
}

MObjectBase *ZPPositioner::Clone() const
{
    return new ZPPositioner();
}

MOPosition ZPPositioner::Position()
{
    // Signed comparison: a clock that goes back keeps the old answer until
    // it passes the cycle of that answer again.
    int now = MCMem().Time();
    if (now > m_LastCycle) {
        m_Cached = __Position();
        m_LastCycle = now;
    }
    return m_Cached;
}

MOPosition ZPPositioner::__Position()
{
    return MOPosition();
}

MObject ZPPositioner::SubPositioner(const MCString &name, MObjectRegistry &registry)
{
    MOR_ORV found = registry.FindObject(name);
    if (found.error == MOR_ORV::Found)
        return found.object;
    MCLog::Log(1, "Unable to establish sub positioner object (" + name + ")");
    return MObject();
}

bool ZPPositioner::Key(const MCObjectDescription &description, const MCString &key, MCString &value)
{
    MCDictionaryRV found = description.attributes.__get(key);
    if (found.code != 0)
        return false;
    value = found.value;
    return true;
}

bool ZPPositioner::Key(const MCObjectDescription &description, const MCString &key, double &value)
{
    MCString text;
    if (!Key(description, key, text))
        return false;
    value = text.operator double();
    // "nan" and "inf" read as numbers, but no point or distance can be
    // built on them: like any other text that is no number, they give 0.
    if (!std::isfinite(value))
        value = 0;
    return true;
}

bool ZPPositioner::Key(const MCObjectDescription &description, const MCString &key, int &value)
{
    MCString text;
    if (!Key(description, key, text))
        return false;
    value = text.operator int();
    return true;
}

MObject ZPPositioner::Resolve(MCString &name, const MCString &defaultName, MObjectRegistry &registry)
{
    if (name.empty())
        name = defaultName;
    return SubPositioner(name, registry);
}

bool ZPPositioner::Lookup(const MCString &name, MObject &handle, MObjectRegistry &registry)
{
    MOR_ORV found = registry.FindObject(name);
    if (found.error != MOR_ORV::Found)
        return false;
    handle = found.object;
    return true;
}

MCString ZPPositioner::Describe(const MCString &keyword, std::initializer_list<Item> items,
                                const std::vector<MCString> &flags)
{
    MCString list;
    for (const Item &item : items) {
        if (!list.empty())
            list += ",";
        list += item.first;
        list += ":";
        list += item.second;
    }
    for (const MCString &flag : flags) {
        if (!list.empty())
            list += ",";
        list += flag;
    }
    if (list.empty())
        return "(" + keyword + ")";
    return "(" + keyword + ":(" + list + "))";
}

MOPosition ZPPositioner::PositionOf(const MObject &handle)
{
    return handle.valid() ? handle->Position() : MOPosition(-1);
}

MOPosition ZPPositioner::CentreOf(const MCMObject &shape)
{
    return shape.valid() ? MOPosition(shape.at()->Centre()) : MOPosition(-1);
}
