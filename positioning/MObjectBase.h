#ifndef MOBJECTBASE_H
#define MOBJECTBASE_H

#include "MCReferenceCounter.h"
#include "MCString.h"
#include "MOPosition.h"

class MCObjectDescription;
class MObjectRegistry;

// The root of the objects that a registry builds by name from description
// texts. The count lives in the object; the MObject handles that share it
// maintain it, and the last of them deletes the object.
class MObjectBase : public MCReferenceCounter
{
public:
    MObjectBase();
    // A copy is a new object that nobody holds yet, so the count starts at 0.
    MObjectBase(const MObjectBase &other);
    // Only the name is taken; the holders of this object stay its own.
    MObjectBase &operator=(const MObjectBase &other);
    virtual ~MObjectBase();

    // The description text that rebuilds the object; here its name.
    virtual MCString Representation() const;
    // Applies a parsed description; here the keyword, when there is one,
    // becomes the name.
    virtual void DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry);
    virtual operator const MCString() const;
    // A new object owned by the caller until a handle takes it. The base
    // gives a fresh default object, not a copy.
    virtual MObjectBase *Clone() const;
    virtual MOPosition Position();

    int IncRef() { return attach(); }
    // Never below 0: the counter reports that and stops there.
    int DecRef() { return detach(); }
    int CurRef() const { return attachments(); }

    const MCString &Name() const { return m_Name; }
    // Live objects and the most there have been, with this one's count.
    MCString Statistics() const;

    static int inuse;
    static int peak;

protected:
    MCString m_Name;
};

#endif
