#include "MObjectRegistry.h"

#include <algorithm>

#include "MCDictIniSafe.h"
#include "MCNestedLogger.h"

MObjectRegistry::MObjectRegistry() : m_Dictionary(nullptr)
{
}

MObjectRegistry::~MObjectRegistry()
{
}

MCObjectDescription MObjectRegistry::ProcessDescription(const MCString &text)
{
    return MCObjectDescription(text, ':', ',');
}

MCString MObjectRegistry::FindDescription(const MCString &name)
{
    if (m_Dictionary == nullptr)
        return MCString();
    MCString rest = m_Sections;
    while (!rest.empty()) {
        MCString section = rest.tokenise(',');
        MCString text = m_Dictionary->get(section, name, MCString());
        if (!text.empty())
            return text;
    }
    return MCString();
}

MObjectRegistry::operator const MCString() const
{
    MCString listing;
    for (const auto &entry : m_Objects) {
        listing += entry.first;
        listing += "\t";
        listing += entry.second.operator const MCString();
        listing += "\n";
    }
    return listing;
}

MCString MObjectRegistry::Display() const
{
    return operator const MCString();
}

void MObjectRegistry::RegisterDescriptions(MCDictIniSafe *dictionary, const MCString &sections)
{
    if (dictionary != nullptr)
        m_Dictionary = dictionary;
    m_Sections += sections;
}

int MObjectRegistry::Register(const MCString &name, const MObject &object)
{
    if (m_Objects.find(name) != m_Objects.end())
        return 1;
    m_Objects.insert(std::make_pair(name, object));
    return 0;
}

// Positioners = { Mark = (TESTPOS:(TEST:BALL,TRUE:Near)), Sweep = (Mark:(TRUE:Far)) }
// Sweep names Mark as its keyword: Mark is built first, then Sweep is a clone
// of it with TRUE replaced.
MOR_ORV MObjectRegistry::FindObject(const MCString &name)
{
    auto registered = m_Objects.find(name);
    if (registered != m_Objects.end())
        return MOR_ORV(registered->second);

    if (std::find(m_Building.begin(), m_Building.end(), name) != m_Building.end()) {
        MCLog::Log(1, "MObjectRegistry::FindObject : \"" + name + "\" is defined through itself.");
        return MOR_ORV(MOR_ORV::Circular);
    }

    MCObjectDescription description = ProcessDescription(FindDescription(name));
    if (description.name.empty())
        return MOR_ORV(MOR_ORV::NoDescription);

    m_Building.push_back(name);
    MOR_ORV result = FindObject(description.name);
    if (result.error == MOR_ORV::Found) {
        // The source is always held by the map too, so this makes a clone.
        MObject built = result.object;
        built.Isolate();
        if (built.null()) {
            result = MOR_ORV(MOR_ORV::EmptyKeyword);
        } else {
            built->DecodeRepresentation(description, *this);
            Register(name, built);
            result = MOR_ORV(built);
        }
    }
    m_Building.pop_back();
    return result;
}

std::ostream &operator<<(std::ostream &os, MObjectRegistry &registry)
{
    return os << registry.Display();
}
