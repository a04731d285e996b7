#ifndef BRAINWORLDFIXTURE_H
#define BRAINWORLDFIXTURE_H

#include <cstring>

#include "../world/PlayerFixture.h"

// Number 5 of the left side at the centre spot, body along x, at rest,
// neck straight, rested, seeing "normal" wide, in cycle 10; the brain asks
// a real world model.
class BrainWorldTest : public PlayerFixture
{
protected:
  void SetUp() override
  {
    PlayerFixture::SetUp();
    memory().SetBFacing(0);
    memory().SetVelocity(CVector(0, 0));
    Body(0, 0, "normal");
  }

  CBehaviours &brain() { return *agent->brain; }

  void Body(float speed, float head, const char *width)
  {
    sensebody sb;
    std::memset(&sb, 0, sizeof sb);
    std::strncpy(sb.view_width, width, sizeof sb.view_width - 1);
    std::strcpy(sb.view_quality, "high");
    sb.stamina = 3500;
    sb.effort = 1;
    sb.speed = speed;
    sb.head_angle = head;
    memory().SetSB(sb);
  }
};

#endif
