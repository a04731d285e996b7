#include "MObjectBase.h"

#include "MCNestedLogger.h"
#include "MCObjectDescription.h"

int MObjectBase::inuse = 0;
int MObjectBase::peak = 0;

static void CountCreation()
{
    ++MObjectBase::inuse;
    if (MObjectBase::inuse > MObjectBase::peak)
        MObjectBase::peak = MObjectBase::inuse;
}

MObjectBase::MObjectBase() : m_Name("<MOBJECTBASE>")
{
    CountCreation();
}

MObjectBase::MObjectBase(const MObjectBase &other) : MCReferenceCounter(), m_Name(other.m_Name)
{
    CountCreation();
}

MObjectBase &MObjectBase::operator=(const MObjectBase &other)
{
    m_Name = other.m_Name;
    return *this;
}

MObjectBase::~MObjectBase()
{
    if (--inuse < 0) {
        inuse = 0;
        MCLog::Log(1, "MObjectBase::~ : Destroyed more MObjects than have been created.");
    }
}

MCString MObjectBase::Representation() const
{
    return m_Name;
}

void MObjectBase::DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &)
{
    if (!description.name.empty())
        m_Name = description.name;
}

MObjectBase::operator const MCString() const
{
    return Representation();
}

MObjectBase *MObjectBase::Clone() const
{
    return new MObjectBase();
}

MOPosition MObjectBase::Position()
{
    return MOPosition();
}

MCString MObjectBase::Statistics() const
{
    return MCString(inuse) + " objects, peak is " + MCString(peak) + ", this object has " +
           MCString(CurRef()) + " references.";
}
