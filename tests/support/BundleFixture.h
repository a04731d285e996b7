#ifndef BUNDLEFIXTURE_H
#define BUNDLEFIXTURE_H

#include "AgentHarness.h"

// A recording agent at cycle 42 as number 9, standing still with the neck
// straight, full stamina and the view normal and high.
class BundleTest : public AgentFixture
{
protected:
  void SetUp() override
  {
    AgentFixture::SetUp();
    brain = agent->brain;
    agent->SetTime(42);
    agent->SetUNum(9);
    agent->SetSB(RestedBody());
  }

  CBehaviours *brain = nullptr;
};

#endif
