#include "MCMObject.h"

#include "MCNestedLogger.h"
#include "MCString.h"

MCMObject::MCMObject(MCShape *shape) : m_Shape(shape)
{
    AdRef();
}

MCMObject::MCMObject(const MCMObject &other) : m_Shape(other.m_Shape)
{
    AdRef();
}

MCMObject &MCMObject::operator=(const MCMObject &other)
{
    // Counted before the old one is dropped, so a self-assignment keeps it.
    MCShape *incoming = other.m_Shape;
    if (incoming != nullptr)
        incoming->IncRef();
    DeRef();
    m_Shape = incoming;
    return *this;
}

MCMObject::~MCMObject()
{
    DeRef();
}

void MCMObject::AdRef()
{
    if (m_Shape != nullptr)
        m_Shape->IncRef();
}

void MCMObject::DeRef()
{
    if (m_Shape == nullptr)
        return;
    MCShape *old = m_Shape;
    m_Shape = nullptr;
    if (old->DecRef() <= 0)
        delete old;
}

MCShape *MCMObject::at() const
{
    if (m_Shape == nullptr) {
        MCLog::Log(1, "MCMObject : access to null pointer.");
        MCLog::Log(1, "MCMObject : segfault follows shortly...");
    }
    return m_Shape;
}

void MCMObject::unique()
{
    if (m_Shape == nullptr || m_Shape->CurRef() <= 1)
        return;
    MCShape *copy = m_Shape->clone();
    DeRef();
    m_Shape = copy;
    AdRef();
}
