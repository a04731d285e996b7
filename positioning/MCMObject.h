#ifndef MCMOBJECT_H
#define MCMOBJECT_H

#include "MCShape.h"

// A counted handle to a shape that the positioners' memory hands out. The
// count is the shape's own; the last handle to let go deletes the shape.
class MCMObject
{
public:
    MCMObject() : m_Shape(nullptr) {}
    // Takes a shape made with new.
    explicit MCMObject(MCShape *shape);
    MCMObject(const MCMObject &other);
    MCMObject &operator=(const MCMObject &other);
    ~MCMObject();

    void AdRef();
    // Drops this handle's reference and empties it.
    void DeRef();
    bool valid() const { return m_Shape != nullptr; }
    // Null, after a message, on an empty handle: test valid() first.
    MCShape *at() const;
    // Copy on write: a shared shape is replaced, for this handle only, by a
    // clone of it.
    void unique();

private:
    MCShape *m_Shape;
};

// A goal mouth: a line across a goal.
class MCMBase : public MCMObject
{
public:
    MCMBase() {}
    explicit MCMBase(MCShape *shape) : MCMObject(shape) {}
};

// An area or a point: home, zone, the areas to protect and to attack, the
// pitch, the ball, the scanner.
class MCMRegion : public MCMObject
{
public:
    MCMRegion() {}
    explicit MCMRegion(MCShape *shape) : MCMObject(shape) {}
};

// A player: a circle of the player's size about its position.
class MCMUnit : public MCMObject
{
public:
    MCMUnit() {}
    explicit MCMUnit(MCShape *shape) : MCMObject(shape) {}
};

// The positioning role of the agent.
enum MCMRoles : int
{
    MCMR_Unset = 0,
    MCMR_Sweeper = 1,
    MCMR_CentralDefender = 2,
    MCMR_OutsideDefender = 3,
    MCMR_CentralMidfielder = 4,
    MCMR_OutsideMidfielder = 5,
    MCMR_CentralForward = 6,
    MCMR_OutsideForward = 7
};

// The agent itself: its unit and its role.
class MCMMyUnit : public MCMUnit
{
public:
    MCMMyUnit() : m_Role(MCMR_Unset) {}
    explicit MCMMyUnit(MCShape *shape, MCMRoles role = MCMR_Unset) : MCMUnit(shape), m_Role(role) {}

    MCMRoles Role() const { return m_Role; }

private:
    MCMRoles m_Role;
};

#endif
