#ifndef MOBJECT_H
#define MOBJECT_H

#include <ostream>

#include "MCString.h"
#include "MObjectBase.h"

// A counted handle to an MObjectBase; copies share the object, and the last
// handle to let go deletes it. Objects handed to a handle must come from new.
class MObject
{
public:
    MObject();
    MObject(const MObject &other);
    MObject(MObjectBase &object);
    MObject(MObjectBase *object);
    MObject &operator=(const MObject &other);
    virtual ~MObject();

    // Drops this handle's reference, deleting the object when it was the last.
    void DeReference();
    // Copy on write: a shared object is replaced, for this handle only, by a
    // clone of it.
    void Isolate();

    // Null, after a message, on an empty handle: test valid() first.
    MObjectBase *operator->() const;
    MObjectBase *get() const { return m_Object; }
    bool valid() const { return m_Object != nullptr; }
    bool null() const { return m_Object == nullptr; }

    // The object's description text, "<None>" for an empty handle.
    operator const MCString() const;
    MCString Display() const;

private:
    void Hold(MObjectBase *object);

    MObjectBase *m_Object;
};

std::ostream &operator<<(std::ostream &os, MObject &object);

#endif
