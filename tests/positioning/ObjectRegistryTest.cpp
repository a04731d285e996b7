#include "MCDictIniSafe.h"
#include "MObjectRegistry.h"
#include "PositioningTestSupport.h"

#include <gtest/gtest.h>

namespace {

// A kind with a text parameter and an optional link to another object by
// name, enough to exercise building, cloning and nested registration.
class Tagged : public MObjectBase
{
public:
    Tagged() { m_Name = "TAGGED"; }
    MCString Representation() const override { return "(TAGGED:(TAG:" + tag + ",LINK:" + link + "))"; }
    void DecodeRepresentation(const MCObjectDescription &d, MObjectRegistry &registry) override
    {
        MCDictionaryRV v = d.attributes.__get("TAG");
        if (v.code == 0)
            tag = v.value;
        v = d.attributes.__get("LINK");
        if (v.code == 0) {
            link = v.value;
            MOR_ORV found = registry.FindObject(link);
            linked = found.object;
            linkError = found.error;
        }
    }
    MObjectBase *Clone() const override
    {
        Tagged *t = new Tagged();
        t->tag = tag;
        t->link = link;
        t->linked = linked;
        return t;
    }

    MCString tag;
    MCString link;
    MObject linked;
    int linkError = 0;
};

class Broken : public MObjectBase
{
public:
    MObjectBase *Clone() const override { return nullptr; }
};

class TaggedRegistry : public MObjectRegistry
{
public:
    void LibraryObjects() override
    {
        Register("TAGGED", MObject(new Tagged()));
        Register("BROKEN", MObject(new Broken()));
        Register("VOID", MObject());
    }
};

class ObjectRegistryTest : public testing::Test
{
protected:
    void SetUp() override
    {
        dict.parse("[Objects]\n"
                   "Red = (TAGGED:(TAG:red))\n"
                   "Dark = (Red:(TAG:dark))\n"
                   "Linked = (TAGGED:(TAG:outer,LINK:Red))\n"
                   "Shadow = (Red)\n"
                   "Both = (TAGGED:(TAG:first))\n"
                   "Blank =\n"
                   "Bare = TAGGED\n"
                   "Unclosed = (TAGGED:(TAG:x\n"
                   "Unknown = (NOSUCH:(TAG:x))\n"
                   "Self = (Self:(TAG:x))\n"
                   "PingA = (PingB)\n"
                   "PingB = (PingA)\n"
                   "Loop = (TAGGED:(LINK:Loop))\n"
                   "Hollow = (VOID)\n"
                   "Cracked = (BROKEN)\n"
                   "[More]\n"
                   "Both = (TAGGED:(TAG:second))\n"
                   "Blank = (TAGGED:(TAG:fallback))\n"
                   "Extra = (TAGGED:(TAG:extra))\n");
        registry.LibraryObjects();
        registry.RegisterDescriptions(&dict, "Objects");
        registry.RegisterDescriptions(nullptr, ",More");
    }

    Tagged *Built(const char *name)
    {
        MOR_ORV r = registry.FindObject(name);
        EXPECT_EQ(r.error, 0) << name;
        return static_cast<Tagged *>(r.object.get());
    }

    MCDictIniSafe dict;
    TaggedRegistry registry;
};

} // namespace

TEST_F(ObjectRegistryTest, DefinitionsThatLeadBackToThemselvesFail)
{
    LogCapture log;
    EXPECT_EQ(registry.FindObject("Self").error, MOR_ORV::Circular);
    EXPECT_TRUE(log.Has("MObjectRegistry::FindObject : \"Self\" is defined through itself."));
    EXPECT_EQ(registry.FindObject("PingA").error, MOR_ORV::Circular);
    EXPECT_EQ(registry.FindObject("PingB").error, MOR_ORV::Circular);

    // An object that links to its own name is built, with the link failed.
    Tagged *loop = Built("Loop");
    ASSERT_NE(loop, nullptr);
    EXPECT_EQ(loop->linkError, MOR_ORV::Circular);
    EXPECT_TRUE(loop->linked.null());
}
