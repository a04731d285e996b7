#include "Positioning.h"

// The positioner kinds, in registration order: a kind's line names its
// class, whose source file holds ZP_PROTOTYPE of it.
#define ZP_KINDS(KIND)                                                                                             \
    KIND(ZPPositioner) /* BASE */                                                                                  \
    KIND(ZPHome) /* HOME */                                                                                        \
    KIND(ZPBall) /* BALL */                                                                                        \
    KIND(ZPMyPos) /* MYPOS */                                                                                      \
    KIND(ZPOffset) /* OFFSET */                                                                                    \
    KIND(ZPProtected) /* PROTECTED */                                                                              \
    KIND(ZPZone) /* ZONE */                                                                                        \
    KIND(ZPFixed) /* FIXED */                                                                                      \
    KIND(ZPGoal) /* GOAL */                                                                                        \
    KIND(ZPInterpolate) /* INTERPOLATE */                                                                          \
    KIND(ZPRightAngle) /* RIGHTANGLE */                                                                            \
    KIND(ZPSupport) /* SUPPORT */                                                                                  \
    KIND(ZPCombine) /* COMBINE */                                                                                  \
    KIND(ZPRole) /* ROLE */                                                                                        \
    KIND(ZPTrackValid) /* TRACKVALID */                                                                            \
    KIND(ZPTestPos) /* TESTPOS */                                                                                  \
    KIND(ZPCongestion) /* CONGESTION */                                                                            \
    KIND(ZPConstrainPos) /* CONSTRAIN */                                                                           \
    KIND(ZPNear) /* NEAR */                                                                                        \
    KIND(ZPOurBall) /* OURBALL */                                                                                  \
    KIND(ZPBestOpponent) /* BESTOPPONENT */                                                                        \
    KIND(ZPSelectOpponent) /* SELECTOPPONENT */                                                                    \
    /* end of the kinds */

#define ZP_DECLARE_MAKER(cls) MObjectBase *ZPPrototype_##cls();
ZP_KINDS(ZP_DECLARE_MAKER)
#undef ZP_DECLARE_MAKER

std::vector<MObjectBase *> ZPPrototypes()
{
    std::vector<MObjectBase *> prototypes;
#define ZP_MAKE(cls) prototypes.push_back(ZPPrototype_##cls());
    ZP_KINDS(ZP_MAKE)
#undef ZP_MAKE
    return prototypes;
}
