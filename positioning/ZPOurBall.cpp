#include "ZPOurBall.h"

#include "MCMem.h"
#include "MCNestedLogger.h"
#include "Positioning.h"

ZP_PROTOTYPE(ZPOurBall)

const MCString ZPOurBall::ClassName("ZPOurBall::");

namespace {
const MCString KeyTrue("TRUE");
const MCString KeyFalse("FALSE");
} // namespace

ZPOurBall::ZPOurBall()
{
    m_Name = "OURBALL";
}

MCString ZPOurBall::Representation() const
{
    return Describe(m_Name, {{KeyFalse, m_FalseName}, {KeyTrue, m_TrueName}});
}

void ZPOurBall::DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry)
{
    Key(description, KeyTrue, m_TrueName);
    Key(description, KeyFalse, m_FalseName);
    m_True = Resolve(m_TrueName, "HOME", registry);
    m_False = Resolve(m_FalseName, "BALL", registry);
}

MObjectBase *ZPOurBall::Clone() const
{
    return new ZPOurBall(*this);
}

MOPosition ZPOurBall::__Position()
{
    if (MCMem().Offensive()) {
        if (m_True.valid())
            return m_True->Position();
        MCLog::Log(1, ClassName + "Position : Is our ball, but unable to determine target.");
        return MOPosition(-1);
    }
    if (m_False.valid())
        return m_False->Position();
    MCLog::Log(1, ClassName + "Position : Not our ball, but unable to determine target.");
    return MOPosition(-1);
}
