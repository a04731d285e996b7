#include "ZPTestPos.h"

#include "MCNestedLogger.h"
#include "Positioning.h"

ZP_PROTOTYPE(ZPTestPos)

const MCString ZPTestPos::ClassName("ZPTestPos::");

namespace {
const MCString KeyTest("TEST");
const MCString KeyTrue("TRUE");
const MCString KeyFalse("FALSE");
const MCString KeyXL("XL");
const MCString KeyXH("XH");
const MCString KeyYL("YL");
const MCString KeyYH("YH");
} // namespace

ZPTestPos::ZPTestPos() : m_XL(-1000), m_XH(1000), m_YL(-1000), m_YH(1000), m_TrueIsTest(1)
{
    m_Name = "TESTPOS";
}

MCString ZPTestPos::Representation() const
{
    return Describe(m_Name, {{KeyTest, m_TestName},
                             {KeyTrue, m_TrueName},
                             {KeyFalse, m_FalseName},
                             {KeyXL, MCString(m_XL)},
                             {KeyXH, MCString(m_XH)},
                             {KeyYL, MCString(m_YL)},
                             {KeyYH, MCString(m_YH)}});
}

void ZPTestPos::DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry)
{
    Key(description, KeyTest, m_TestName);
    Key(description, KeyTrue, m_TrueName);
    Key(description, KeyFalse, m_FalseName);
    Key(description, KeyXL, m_XL);
    Key(description, KeyXH, m_XH);
    Key(description, KeyYL, m_YL);
    Key(description, KeyYH, m_YH);
    m_Test = Resolve(m_TestName, "BALL", registry);
    if (m_TrueName.empty()) {
        m_True = m_Test;
        m_TrueIsTest = 1;
    } else {
        m_True = SubPositioner(m_TrueName, registry);
        m_TrueIsTest = 0;
    }
    m_False = Resolve(m_FalseName, "HOME", registry);
}

MObjectBase *ZPTestPos::Clone() const
{
    return new ZPTestPos(*this);
}

MOPosition ZPTestPos::__Position()
{
    MCSPoint p;
    if (m_Test.valid())
        p = m_Test->Position().point;
    else
        MCLog::Log(1, ClassName + "Position : Invalid test point, using (0,0)");
    // The bounds are taken as given: a box with a low bound above its high
    // one holds nothing.
    bool inside = m_XL <= p.x && p.x <= m_XH && m_YL <= p.y && p.y <= m_YH;
    if (!inside) {
        if (m_False.valid())
            return m_False->Position();
        MCLog::Log(1, ClassName + "Position : Invalid failure point.");
        return MOPosition(p);
    }
    if (m_TrueIsTest)
        return MOPosition(p);
    if (m_True.valid())
        return m_True->Position();
    MCLog::Log(1, ClassName + "Position : Invalid success point.");
    return MOPosition(p);
}
