#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>
#include <string>

#include "AgentHarness.h"
#include "Trace.h"

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

namespace
{
void ExpectAt(CVector v, float x, float y)
{
  EXPECT_NEAR(v.GetX(), x, 1e-3) << "x";
  EXPECT_NEAR(v.GetY(), y, 1e-3) << "y";
}

// A store whose player arrays are made, for the left side.
class StoreTest : public AgentFixture
{
protected:
  void SetUp() override
  {
    AgentFixture::SetUp();
    agent->SetSide('l');
    memory().InitPlayerArrays('l', config);
  }
  CMemory &memory() { return *agent->memory; }
};

using FreshStoreTest = AgentFixture;

class SmallPitchTest : public AgentFixture
{
protected:
  void Configure(MCDictIniSafe &config) override
  {
    config.insert("NotInServer", "pitch_length", 100.0);
    config.insert("NotInServer", "pitch_margin", 2.0);
    config.insert("Server", "goal_width", 10.0);
    config.insert("Memory", "stat_conf_thr", 0.7);
  }
};
}

TEST_F(FreshStoreTest, LandmarksStandWhereTheDefaultPitchPutsThem)
{
  CMemory &memory = *agent->memory;
  ExpectAt(memory.GetFlag(9)->GetGPos(), -52.5f, 7.01f);
  ExpectAt(memory.GetFlag(25)->GetGPos(), -50, -39);
  ExpectAt(memory.GetFlag(18)->GetGPos(), -57.5f, 30);
  ExpectAt(memory.GetFlag(42)->GetGPos(), 57.5f, 30);
  ExpectAt(memory.GetFlag(53)->GetGPos(), -50, 39);
  EXPECT_FLOAT_EQ(memory.GetLine('l')->GetGDir(), 180);
  EXPECT_FLOAT_EQ(memory.GetLine('t')->GetGDir(), -90);
  ExpectAt(memory.GetGoal('r')->GetGPos(), 52.5f, 0);

  // The right side sees the pitch turned round; the close records stay.
  memory.RevertSigns();
  ExpectAt(memory.GetFlag(9)->GetGPos(), 52.5f, -7.01f);
  ExpectAt(memory.GetFlag(25)->GetGPos(), 50, 39);
  ExpectAt(memory.GetLine('l')->GetGPos(), 52.5f, 0);
  ExpectAt(memory.GetGoal('l')->GetGPos(), 52.5f, 0);
}

TEST_F(SmallPitchTest, LandmarksFollowTheConfiguredPitch)
{
  CMemory &memory = *agent->memory;
  ExpectAt(memory.GetFlag(8)->GetGPos(), -50, 34);
  ExpectAt(memory.GetFlag(15)->GetGPos(), 50, 5);
  ExpectAt(memory.GetFlag(3)->GetGPos(), -33.5f, 0);
  ExpectAt(memory.GetFlag(21)->GetGPos(), -52, 0);
  ExpectAt(memory.GetFlag(30)->GetGPos(), 0, -36);
  EXPECT_FLOAT_EQ(memory.GetGoal('c')->GetConfThr(), 0.7f);
}

TEST_F(FreshStoreTest, TheDumpListsEveryRecordInOrder)
{
  CMemory &memory = *agent->memory;
  std::ostringstream dump;
  memory.Display(dump);
  const std::string text = dump.str();
  const std::string head = "MEMORY GoalClose: \n\tGOAL Time:0\n\tGOAL Conf: 0\n\tGOAL ID: u\n"
                           "\tGOAL GX: 0\n\tGOAL GY: 0\n\tGOAL RDist: 0\n\tGOAL RDir: 0\n"
                           "MEMORY FlagClose: \n";
  EXPECT_EQ(text.substr(0, head.size()), head);
  const char *order[] = {"MEMORY LineClose: \n\tLINE Time:0", "MEMORY LineB: \n",
                         "MEMORY FlagC: \n\tFLAG Time:0\n\tFLAG Conf: 0\n\tFLAG ID: 1\n",
                         "MEMORY FlagGLB: \n",
                         "MEMORY FlagBL50: \n\tFLAG Time:0\n\tFLAG Conf: 0\n\tFLAG ID: 53\n"
                         "\tFLAG GX: -50\n\tFLAG GY: 39\n",
                         "MEMORY GoalR: \n", "MEMORY Ball: \n\tBALL Time: 0\n",
                         "MEMORY ClosePlayer[0]:\n\tNULL\n", "MEMORY Friend[10]:\n\tNULL\n",
                         "MEMORY Foe[0]:\n", "MEMORY UnknownPlayer[21]:\n\tNULL\n"};
  std::size_t at = 0;
  for (const char *part : order)
  {
    const std::size_t found = text.find(part, at);
    ASSERT_NE(found, std::string::npos) << part;
    at = found;
  }
  EXPECT_EQ(text.substr(text.find("MEMORY OffsideLine:")),
            "MEMORY OffsideLine:\n\tDLINE GX : 0\n\tDLINE GY : -34\n\tDLINE DX : 0\n"
            "\tDLINE DY : 68\n\tDLINE Time : 0\n\tDLINE Colour : Red\n"
            "MEMORY OurOffsideLine:\n\tDLINE GX : 0\n\tDLINE GY : -34\n\tDLINE DX : 0\n"
            "\tDLINE DY : 68\n\tDLINE Time : 0\n\tDLINE Colour : Green\n");
}

TEST_F(StoreTest, SeenLandmarksAreStoredRelativeToTheNeck)
{
  memory().SetFlag(12, 40, 10, 90, -999, -999);
  const CFlag *flag = memory().GetFlag(40);
  ExpectAt(flag->GetRPos(), 0, 10);
  EXPECT_EQ(flag->GetConf(), 1);
  EXPECT_EQ(flag->GetTime(), 12);
  memory().SetLine(12, 'c', 3, 0);
  ExpectAt(memory().GetLine('c')->GetRPos(), 3, 0);
  memory().SetGoal(12, 'c', 4, 180);
  ExpectAt(memory().GetGoal('c')->GetRPos(), -4, 0);
  EXPECT_EQ(memory().GetGoal('c')->GetConf(), 1);
}

TEST_F(StoreTest, IdentifiersThatNameNothingAreReported)
{
  memory().SetTime(30);
  CaptureStderr();
  memory().SetFlag(30, 54, 1, 1, 0, 0);
  memory().SetFlag(30, 99, 1, 1, 0, 0);
  memory().SetFlag(30, -1, 1, 1, 0, 0);
  memory().SetLine(30, 'x', 1, 1);
  memory().SetGoal(30, 'u', 1, 1);
  EXPECT_EQ(memory().GetFlag(0), nullptr);
  EXPECT_EQ(memory().GetLine('u'), nullptr);
  EXPECT_EQ(memory().GetGoal('t'), nullptr);
  EXPECT_EQ(memory().GetNonConstGoal('b'), nullptr);
  const std::string err = GetCapturedStderr();
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 9) << err;
  EXPECT_NE(err.find("30 ERROR: CMemory: SetFlag: What flag is that?\n"), std::string::npos);
  // Flag 0 is the close flag: written, though no one can ask for it.
  CaptureStderr();
  memory().SetFlag(30, 0, 2, 0, 0, 0);
  EXPECT_EQ(GetCapturedStderr(), "");
  std::ostringstream dump;
  memory().Display(dump);
  EXPECT_NE(dump.str().find("MEMORY FlagClose: \n\tFLAG Time:30\n\tFLAG Conf: 1\n"),
            std::string::npos);
}

TEST_F(StoreTest, TheBallsVelocityComesFromTheChangesWhenBothWereSent)
{
  memory().SetBall(5, 5, 0, 1, 0, 0);
  const CBall *ball = memory().GetBall();
  ExpectAt(ball->GetVelocity(), 1, 0);
  EXPECT_EQ(ball->GetVelConf(), 1);
  EXPECT_EQ(ball->GetConf(), 1);
  memory().GetNonConstBall()->SetVelConf(0.5f);
  memory().SetBall(6, 5, 0, 1, -999, 1);
  ExpectAt(ball->GetVelocity(), 1, 0);
  EXPECT_EQ(ball->GetVelConf(), 0.5f);
  EXPECT_EQ(ball->GetClose(), 1);
  EXPECT_EQ(ball->GetTime(), 6);

  // The direction change turns into a sideways speed, then into the global
  // frame of an agent facing down the pitch and moving itself.
  memory().SetFacing(90);
  memory().SetVelocity(CVector(0.5f, 0));
  memory().SetBall(7, 10, 0, 0, 5.7295779f, 0);
  ExpectAt(ball->GetVelocity(), -0.5f, 0);
}

TEST_F(StoreTest, SeenPlayersWaitInTheBufferWithGlobalFacings)
{
  EXPECT_EQ(memory().GetNewVisualPlayer(0)->GetUNum(), 0);
  memory().SetTime(40);
  memory().SetFacing(170);
  memory().SetVelocity(CVector(0.2f, 0));
  memory().SetPlayer(40, 3, 'r', 10, 90, -999, -999, 30, -999, true);
  memory().SetPlayer(40, -999, 'u', 20, 0, 0.5f, 0, -999, 60, false);
  const CPlayer *header = memory().GetNewVisualPlayer(0);
  EXPECT_EQ(header->GetTime(), 40);
  EXPECT_EQ(header->GetUNum(), 2);

  const CPlayer *first = memory().GetNewVisualPlayer(1);
  EXPECT_EQ(first->GetUNum(), 3);
  EXPECT_EQ(first->GetSide(), 'r');
  EXPECT_TRUE(first->GetIsGoalie());
  ExpectAt(first->GetRPos(), 0, 10);
  EXPECT_FLOAT_EQ(first->GetGBFacing(), -160);
  ExpectAt(first->GetVelocity(), 0, 0);

  const CPlayer *second = memory().GetNewVisualPlayer(2);
  EXPECT_EQ(second->GetGBFacing(), -999);
  EXPECT_FALSE(second->GetBodyAngleValid());
  EXPECT_FLOAT_EQ(second->GetGFacing(), -130);
  // 0.5 m a cycle away, seen by an agent facing 170 and moving itself.
  ExpectAt(second->GetVelocity(), 0.2f - 0.4924039f, 0.0868241f);

}

TEST_F(StoreTest, TheBufferHoldsOneVisualAndWrapsAfterTwentyOne)
{
  memory().SetTime(50);
  for (int i = 1; i <= 22; i++)
    memory().SetPlayer(50, i % 11 + 1, 'l', static_cast<float>(i), 0, -999, -999, -999, -999,
                       false);
  EXPECT_EQ(memory().GetNewVisualPlayer(0)->GetUNum(), 1);
  EXPECT_FLOAT_EQ(memory().GetNewVisualPlayer(1)->GetRMag(), 22);
  EXPECT_FLOAT_EQ(memory().GetNewVisualPlayer(21)->GetRMag(), 21);
  // The first player of another cycle starts afresh.
  memory().SetPlayer(50, 1, 'l', 3, 0, -999, -999, -999, -999, false);
  memory().SetTime(51);
  memory().SetPlayer(51, 2, 'l', 4, 0, -999, -999, -999, -999, false);
  EXPECT_EQ(memory().GetNewVisualPlayer(0)->GetUNum(), 1);
  EXPECT_EQ(memory().GetNewVisualPlayer(0)->GetTime(), 51);
  EXPECT_FLOAT_EQ(memory().GetNewVisualPlayer(1)->GetRMag(), 4);
}

// A slot's tiredness, left by matching, must not pass to whoever the next
// visual writes there, on either side.
TEST_F(StoreTest, TirednessNeverOutlivesTheVisualThatMatchedIt)
{
  CMemory &store = memory();
  store.SetTime(60);
  store.SetPlayer(60, 5, 'l', 10, 0, -999, -999, -999, -999, false);
  store.SetPlayer(60, 5, 'r', 10, 0, -999, -999, -999, -999, false);
  for (int i = 1; i <= 2; i++)
  {
    CPlayer *record = const_cast<CPlayer *>(store.GetNewVisualPlayer(i));
    record->SetIsTired(true);
    record->SetIsTiredTime(55);
  }
  store.SetTime(61);
  store.SetPlayer(61, -999, 'l', 10, 0, -999, -999, -999, -999, false);
  store.SetPlayer(61, 5, 'r', 10, 0, -999, -999, -999, -999, false);
  for (int i = 1; i <= 2; i++)
  {
    EXPECT_FALSE(store.GetNewVisualPlayer(i)->GetIsTired()) << i;
    EXPECT_EQ(store.GetNewVisualPlayer(i)->GetIsTiredTime(), 0) << i;
  }
}

TEST_F(StoreTest, ErasingForgetsBallAndPlayersButNotLandmarks)
{
  memory().SetTime(70);
  memory().SetFlag(70, 1, 10, 0, 0, 0);
  memory().SetBall(70, 5, 0, 1, 0, 0);
  memory().SetPlayer(70, 4, 'l', 10, 0, -999, -999, -999, -999, false);
  memory().EraseMemory();
  EXPECT_FALSE(memory().GetBall()->GetPositionValid());
  EXPECT_FALSE(memory().GetBall()->GetVelocityValid());
  EXPECT_EQ(memory().GetNewVisualPlayer(1)->GetConf(), 0);
  EXPECT_EQ(memory().GetNewVisualPlayer(1)->GetTime(), 0);
  EXPECT_EQ(memory().GetFlag(1)->GetConf(), 1);
  std::ostringstream dump;
  memory().Display(dump);
  EXPECT_EQ(dump.str().find("PLAYER Conf: 1"), std::string::npos);
}

// A visual the server sent to a player of team TestTeam on the left: the
// sensors write what it holds into the store through the mediator.
TEST_F(StoreTest, AReplayedVisualFillsTheStore)
{
  std::string see;
  for (const TraceRecord &r : ReadTrace(std::string(TEST_DATA_DIR) + "/teammate.trace"))
    if (r.received && r.bytes.compare(0, 7, "(see 2 ") == 0)
    {
      see = r.bytes;
      break;
    }
  ASSERT_FALSE(see.empty());
  agent->SetTName("TestTeam");
  agent->sensors->Receive(see.data(), see.size());
  CaptureStderr();
  agent->sensors->AnalyseData();
  EXPECT_EQ(GetCapturedStderr(), "");

  CMemory &store = memory();
  EXPECT_EQ(store.GetTime(), 2);
  const CFlag *centre = store.GetFlag(1);  // (f c) 11.5 -2
  EXPECT_FLOAT_EQ(centre->GetRMag(), 11.5f);
  EXPECT_NEAR(centre->GetRDir(), -2, 1e-4);
  EXPECT_FLOAT_EQ(store.GetFlag(42)->GetRMag(), 75.2f);  // (f r b 30)
  EXPECT_EQ(store.GetFlag(8)->GetConf(), 0);              // (f l b): not seen
  EXPECT_NEAR(store.GetLine('r')->GetRDir(), 90, 1e-4);
  const CBall *ball = store.GetBall();  // (b) 11 -2 0 0
  EXPECT_EQ(ball->GetTime(), 2);
  EXPECT_FLOAT_EQ(ball->GetRMag(), 11);
  EXPECT_EQ(ball->GetVelConf(), 1);

  // Five players: two team-mates, the opponents' goalkeeper, and one far
  // away of unknown team.
  EXPECT_EQ(store.GetNewVisualPlayer(0)->GetUNum(), 4);
  const CPlayer *mate = store.GetNewVisualPlayer(2);  // ((p "TestTeam" 3) 11 -2 0 0 -8 -8)
  EXPECT_EQ(mate->GetSide(), 'l');
  const CPlayer *goalie = store.GetNewVisualPlayer(3);
  EXPECT_EQ(goalie->GetSide(), 'r');
  EXPECT_TRUE(goalie->GetIsGoalie());
  // ((p) 60.3 4): matching nobody known, it was filed as one of theirs.
  const CPlayer *far = store.GetNewVisualPlayer(4);
  EXPECT_EQ(far->GetSide(), 'r');
  EXPECT_EQ(far->GetUNum(), -999);
  EXPECT_FLOAT_EQ(far->GetRMag(), 60.3f);
}

// A low-quality view gives objects only a direction, which the sensors pass
// as the first number with -999 after it; a cut message may give nothing.
TEST_F(StoreTest, ASightingWithoutDistanceOrDirectionPlacesNothing)
{
  memory().SetTime(90);
  CaptureStderr();
  memory().SetFlag(90, 1, -30, -999, -999, -999);
  memory().SetLine(90, 'l', -999, -999);
  memory().SetGoal(90, 'r', -999, 12);
  memory().SetBall(90, -999, -999, -999, -999, 0);
  memory().SetPlayer(90, 3, 'l', 12, -999, -999, -999, -999, -999, false);
  EXPECT_EQ(GetCapturedStderr(), "");
  EXPECT_EQ(memory().GetFlag(1)->GetConf(), 0);
  EXPECT_EQ(memory().GetLine('l')->GetConf(), 0);
  EXPECT_EQ(memory().GetGoal('r')->GetConf(), 0);
  EXPECT_EQ(memory().GetBall()->GetConf(), 0);
  EXPECT_EQ(memory().GetNewVisualPlayer(0)->GetUNum(), 0);
  // The identifier is still checked first.
  CaptureStderr();
  memory().SetGoal(90, 'x', -999, -999);
  EXPECT_EQ(GetCapturedStderr(), "90 ERROR: CMemory: SetGoal: What goal is that?\n");
}
