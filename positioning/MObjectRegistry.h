#ifndef MOBJECTREGISTRY_H
#define MOBJECTREGISTRY_H

#include <map>
#include <ostream>
#include <vector>

#include "MCObjectDescription.h"
#include "MCString.h"
#include "MObject.h"

class MCDictIniSafe;

// The outcome of a registry lookup: error 0 with the object, or a code with
// an empty handle.
class MOR_ORV
{
public:
    enum
    {
        Found = 0,
        NoDescription = 2, // no description text, or one without keyword
        EmptyKeyword = 4,  // the keyword named an empty handle
        Circular = 8       // the name is defined, directly or not, through itself
    };

    MOR_ORV(int e) : error(e) {}
    MOR_ORV(const MObject &o) : error(Found), object(o) {}
    MOR_ORV(const MOR_ORV &other) : error(other.error), object(other.object) {}
    MOR_ORV &operator=(const MOR_ORV &other)
    {
        error = other.error;
        object = other.object;
        return *this;
    }

    int error;
    MObject object;
};

// Finds objects by name, building each on its first lookup from the
// description text that the configuration holds for the name: the text's
// keyword names a prototype or another description, whose object is cloned
// and given the text's keys. Every built object is registered, so all later
// lookups of its name share it.
class MObjectRegistry
{
public:
    MObjectRegistry();
    virtual ~MObjectRegistry();
    MObjectRegistry(const MObjectRegistry &) = delete;
    MObjectRegistry &operator=(const MObjectRegistry &) = delete;

    // Creates and registers the prototypes.
    virtual void LibraryObjects() = 0;
    virtual MCObjectDescription ProcessDescription(const MCString &text);
    // The first non-empty text for the name in the listed sections.
    virtual MCString FindDescription(const MCString &name);
    virtual operator const MCString() const;

    // A null dictionary keeps the one held. The section text is appended to
    // the list as it stands: a second section comes with its leading ','.
    void RegisterDescriptions(MCDictIniSafe *dictionary, const MCString &sections);
    // 1, and nothing changes, when the name is taken already.
    int Register(const MCString &name, const MObject &object);
    MOR_ORV FindObject(const MCString &name);
    // Each registered name, a tab and the object's text, a line each.
    MCString Display() const;

private:
    MCDictIniSafe *m_Dictionary;
    MCString m_Sections;
    std::map<MCString, MObject> m_Objects;
    // Names whose objects are being built, to stop definitions that lead
    // back to themselves.
    std::vector<MCString> m_Building;
};

std::ostream &operator<<(std::ostream &os, MObjectRegistry &registry);

#endif
