#include "MObject.h"

#include "MCNestedLogger.h"

MObject::MObject() : m_Object(nullptr)
{
}

MObject::MObject(const MObject &other) : m_Object(nullptr)
{
    Hold(other.m_Object);
}

MObject::MObject(MObjectBase &object) : m_Object(nullptr)
{
    Hold(&object);
}

MObject::MObject(MObjectBase *object) : m_Object(nullptr)
{
    Hold(object);
}

MObject &MObject::operator=(const MObject &other)
{
    // Taken first, so that assigning a handle to itself, or to another
    // handle of the same last-held object, never frees it in between.
    MObjectBase *incoming = other.m_Object;
    if (incoming != nullptr)
        incoming->IncRef();
    DeReference();
    m_Object = incoming;
    return *this;
}

MObject::~MObject()
{
    DeReference();
}

void MObject::Hold(MObjectBase *object)
{
    m_Object = object;
    if (m_Object != nullptr)
        m_Object->IncRef();
}

void MObject::DeReference()
{
    if (m_Object == nullptr)
        return;
    MObjectBase *old = m_Object;
    m_Object = nullptr;
    if (old->DecRef() == 0)
        delete old;
}

void MObject::Isolate()
{
    if (m_Object == nullptr || m_Object->CurRef() <= 1)
        return;
    MObjectBase *copy = m_Object->Clone();
    DeReference();
    Hold(copy);
}

MObjectBase *MObject::operator->() const
{
    if (m_Object == nullptr)
        MCLog::Log(1, MCString("MObject::") + "operator-> : Null Object has no methods. (SIGSEGV...)");
    return m_Object;
}

MObject::operator const MCString() const
{
    if (m_Object == nullptr)
        return "<None>";
    return m_Object->Representation();
}

MCString MObject::Display() const
{
    return operator const MCString();
}

std::ostream &operator<<(std::ostream &os, MObject &object)
{
    return os << object.Display();
}
