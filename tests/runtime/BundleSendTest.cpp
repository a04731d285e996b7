// Sending the cycle's bundle: one datagram a command in the fixed order,
// only in its own cycle; deferred scans sent once the visual is in.

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "AgentRig.h"
#include "CBall.h"
#include "ScriptedServer.h"

namespace
{
using Datagrams = std::vector<ScriptedServer::Datagram>;

class BundleSendTest : public AgentOnServer
{
protected:
  void SetUp() override
  {
    agent.Actuators()->SetMaxSimStepWait(50);
    agent.StartActuators();
    agent.SetTime(5);
  }

  // Waits for n commands, then a little longer to see that no more come.
  std::vector<std::string> Await(size_t n)
  {
    server.WaitFor([n](const Datagrams &got) { return Texts(got).size() >= n; }, 3000);
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    return Texts(server.Received());
  }
};

TEST_F(BundleSendTest, EveryKindGoesOutAsItsOwnDatagramInTheFixedOrder)
{
  CBehaviours *brain = agent.Brain();
  // Queued in the opposite order to the one they leave in.
  brain->SenseBody();
  brain->ChangeView("narrow", "low");
  brain->Say("hello");
  brain->TurnNeck(40);
  // A kick is queued only for a ball seen in reach.
  CBall *ball = agent.M2BReadNonConstBall();
  ball->SetGPos(agent.GetGPos() + CVector(0.7f, 0));
  ball->SetConf(1);
  brain->Kick(50, 30);
  EXPECT_EQ(1, brain->SendAllActions(5));
  EXPECT_EQ((std::vector<std::string>{"(kick 50.00 30.00)\n", "(turn_neck 40.00)\n",
                                      "(say hello)\n", "(change_view narrow low)\n",
                                      "(sense_body)\n"}),
            Await(5));
  EXPECT_EQ(5, brain->GetLastQueue().time);
  EXPECT_EQ(-999, brain->GetQueue().time);
}

TEST_F(BundleSendTest, ADeferredScanGoesOutWithTheVisualOfItsBundlesCycle)
{
  CBehaviours *brain = agent.Brain();
  brain->SenseBody();
  brain->QueueScan(SCAN_NECK, 25);
  // A visual of another cycle does not release it.
  agent.SetLastVisualTime(4);
  brain->SendQueuedScans();
  agent.SetLastVisualTime(5);
  brain->SendQueuedScans();
  EXPECT_EQ((std::vector<std::string>{"(turn_neck 25.00)\n"}), Await(1));

  // A scan goes once: a second visual of the cycle, after the bundle went,
  // does not send it again (the server would take only one neck turn).
  EXPECT_EQ(1, brain->SendAllActions(5));
  brain->SendQueuedScans();
  EXPECT_EQ((std::vector<std::string>{"(turn_neck 25.00)\n", "(sense_body)\n"}), Await(2));

  // A body scan turns by the moment for the present speed.
  agent.SetTime(6);
  brain->SenseBody();
  brain->QueueScan(SCAN_BODY, 20);
  agent.SetLastVisualTime(6);
  brain->SendQueuedScans();
  EXPECT_EQ((std::vector<std::string>{"(turn_neck 25.00)\n", "(sense_body)\n",
                                      "(turn 20.00)\n"}),
            Await(3));

  // The pass queued its own turns after the scan went: they stay back.
  brain->Turn(30);
  brain->TurnNeck(10);
  EXPECT_EQ(1, brain->SendAllActions(6));
  agent.SetTime(7);
  brain->Say("hi");
  brain->QueueScan(SCAN_NECK, 25);
  agent.SetLastVisualTime(7);
  brain->SendQueuedScans();
  brain->TurnNeck(10);
  brain->Turn(30);
  EXPECT_EQ(1, brain->SendAllActions(7));
  EXPECT_EQ((std::vector<std::string>{"(turn_neck 25.00)\n", "(sense_body)\n", "(turn 20.00)\n",
                                      "(turn_neck 10.00)\n", "(sense_body)\n",
                                      "(turn_neck 25.00)\n", "(turn 30.00)\n", "(say hi)\n"}),
            Await(8));
}
}
