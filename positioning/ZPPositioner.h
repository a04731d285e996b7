#ifndef ZPPOSITIONER_H
#define ZPPOSITIONER_H

#include <initializer_list>
#include <utility>
#include <vector>

#include "MCMObject.h"
#include "MCObjectDescription.h"
#include "MCString.h"
#include "MOPosition.h"
#include "MObject.h"
#include "MObjectBase.h"

class MObjectRegistry;

// A positioner computes one target point from what the positioners' memory
// reports and from the points of other positioners, which it names and
// shares through the registry. Each kind is described in the configuration
// as its keyword with keys, such as (OFFSET:(FROM:BALL,X:10,Y:0)).
//
// A kind derives from this class, sets m_Name to its keyword, reads its
// keys in DecodeRepresentation (absent keys leave what a clone copied),
// writes them back in Representation, copies its parameters and the
// handles of its sub-positioners in Clone, and computes in __Position. It
// asks other positioners only through Position(), so a positioner shared by
// many is computed once per cycle. A new kind is listed in Positioning.cpp.
class ZPPositioner : public MObjectBase
{
public:
    ZPPositioner();
    // A copy carries the parameters but not the cache: it computes afresh.
    ZPPositioner(const ZPPositioner &other);
    ZPPositioner &operator=(const ZPPositioner &other) = delete;

    // "(" keyword ")".
    MCString Representation() const override;
    MObjectBase *Clone() const override;
    // The point of the memory's current cycle: computed by the first call
    // in a cycle, the same answer to later calls in it.
    MOPosition Position() final;
    // Computes the point now.
    virtual MOPosition __Position();
    // The named positioner, or an empty handle after a message.
    virtual MObject SubPositioner(const MCString &name, MObjectRegistry &registry);

protected:
    // Description helpers for the kinds: each sets its value and answers
    // true when the key is present, and leaves it otherwise. Numbers are
    // read as MCString reads them: text that is not a finite number gives 0.
    static bool Key(const MCObjectDescription &description, const MCString &key, MCString &value);
    static bool Key(const MCObjectDescription &description, const MCString &key, double &value);
    static bool Key(const MCObjectDescription &description, const MCString &key, int &value);
    // Gives an empty name its default and resolves it through SubPositioner.
    MObject Resolve(MCString &name, const MCString &defaultName, MObjectRegistry &registry);
    // For kinds that word their own message: the named positioner into the
    // handle, true when found; the handle is left as it was otherwise.
    static bool Lookup(const MCString &name, MObject &handle, MObjectRegistry &registry);
    // "(KEYWORD:(K1:v1,K2:v2,FLAG))", or "(KEYWORD)" when there is nothing
    // to write. Flags are written by key alone, after the items.
    typedef std::pair<MCString, MCString> Item;
    static MCString Describe(const MCString &keyword, std::initializer_list<Item> items,
                             const std::vector<MCString> &flags = std::vector<MCString>());
    // A sub-positioner's answer, or error -1 at (0, 0) for an empty handle.
    static MOPosition PositionOf(const MObject &handle);
    // The centre of a memory shape, or error -1 at (0, 0) when the memory
    // has no such shape.
    static MOPosition CentreOf(const MCMObject &shape);

    int m_LastCycle;
    MOPosition m_Cached;
};

#endif
