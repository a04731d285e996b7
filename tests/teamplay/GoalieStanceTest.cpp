// The goalkeeper's square stance on his way to his point while their shot
// may come: when he keeps it and when the usual walk takes over.

#include <gtest/gtest.h>

#include "GoalieStance.h"

namespace
{
TEST(GoalieStanceTest, KeepsTheSquareStanceOnlyWhereSlidingLeavesHimUsefullyPlaced)
{
  const STANCELIMITS limits;
  // Mostly the ball 15 m straight out; square means the body at 80 degrees
  // either way off the ball's direction.
  const CVector front(-37.5f, 0);
  const struct
  {
    const char *what;
    CVector ball, me;
    float body;
    CVector point;
    StanceStep step;
  } rows[] = {
      {"square, point a metre deeper and to the side", front, CVector(-50, 0), 80,
       CVector(-51, 1.5f), StanceStep::Slide},
      {"square the other way", front, CVector(-50, 0), -80, CVector(-51, -1.5f), StanceStep::Slide},
      {"twenty degrees off square: a small turn back", front, CVector(-50, 0), 60,
       CVector(-51, 1), StanceStep::SquareUp},
      // Facing the ball, a walk down its line needs no turn at all.
      {"facing the ball", front, CVector(-50, 0), 0, CVector(-51, 1), StanceStep::Leave},
      // Far off his depth the walk to the point is worth the turns.
      {"the point three metres deeper", front, CVector(-48, 0), 80, CVector(-51, 0),
       StanceStep::Leave},
      // Seen in a match: the ball wide by our line, square to it is up the
      // field, and the error off the body's line ran along the goal: he
      // held 1.8 m inside his post, and the shot along the line went in.
      {"ball wide by our line, the post's point beside him", CVector(-51.5f, 12.5f),
       CVector(-51.5f, 4.2f), 12, CVector(-51.5f, 6.01f), StanceStep::Leave},
      // Sliding along a body turned to the goal line would take him behind it.
      {"slide would end past the goal line", front, CVector(-51.6f, 5), -100,
       CVector(-51.5f, -1.5f), StanceStep::Leave},
  };
  for (const auto &row : rows)
  {
    STANCEVIEW v;
    v.me = row.me;
    v.body = row.body;
    v.ball = row.ball;
    v.point = row.point;
    EXPECT_EQ(row.step, SquareStanceStep(v, limits)) << row.what;
  }
}
}
