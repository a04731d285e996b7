#include "FixPlanCodes.h"

#include <algorithm>
#include <iterator>

namespace
{
const int kTriggers[] = {FPT_NONE,
                         FPT_OUR_GOAL_KICK,
                         FPT_THEIR_GOAL_KICK,
                         FPT_MATE_IN_AREA,
                         FPT_ME_IN_AREA,
                         FPT_BALL_IN_AREA,
                         FPT_PLAY_ON,
                         FPT_OUR_KICK_IN,
                         FPT_OUR_CORNER_KICK,
                         FPT_BALL_KICKABLE,
                         FPT_OUR_GOALIE_CATCH,
                         FPT_THEIR_GOALIE_CATCH,
                         FPT_AFTER_OUR_CORNER_KICK,
                         FPT_AFTER_OUR_GOAL_KICK,
                         FPT_AFTER_OUR_KICK_IN,
                         FPT_NO_MATE_IN_AREA,
                         FPT_CAN_KEEP_BALL,
                         FPT_NOT_AT_POINT,
                         FPT_ME_NOT_IN_AREA,
                         FPT_NO_FOE_HAS_BALL,
                         FPT_AFTER_OUR_FREE_KICK,
                         FPT_OUR_BALL,
                         FPT_BALL_NOT_KICKABLE};
const int kAborts[] = {FPX_NONE, FPX_FOE_HAS_BALL, FPX_PLAY_MODE_CHANGED, FPX_THEIR_SET_PLAY};

template <std::size_t N> bool Known(const int (&codes)[N], int code)
{
  return std::find(std::begin(codes), std::end(codes), code) != std::end(codes);
}
}

bool IsFixPlanTrigger(int code)
{
  return Known(kTriggers, code);
}

bool IsFixPlanAbort(int code)
{
  return Known(kAborts, code);
}

bool IsFixPlanCoordType(int code)
{
  return code == FPC_PITCH || code == FPC_BALL;
}

bool IsFixPlanKickType(int code)
{
  return code == FPK_STRAIGHT || code == FPK_SMART || code == FPK_PASS;
}
