#include <gtest/gtest.h>

#include <algorithm>
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

// Identifiers outside the store's tables are reported and store nothing.
TEST_F(StoreTest, IdentifiersThatNameNothingAreReported)
{
  memory().SetTime(30);
  CaptureStderr();
  memory().SetFlag(30, 54, 1, 1, 0, 0);
  memory().SetFlag(30, -1, 1, 1, 0, 0);
  memory().SetLine(30, 'x', 1, 1);
  EXPECT_EQ(memory().GetFlag(0), nullptr);
  EXPECT_EQ(memory().GetGoal('t'), nullptr);
  const std::string err = GetCapturedStderr();
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 5) << err;
  EXPECT_EQ(memory().GetNewVisualPlayer(22), nullptr);
  EXPECT_EQ(memory().GetNewVisualPlayer(-1), nullptr);
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
  EXPECT_NEAR(centre->GetRDir(), -2.5, 1e-4);  // the middle of the cut degree
  EXPECT_FLOAT_EQ(store.GetFlag(42)->GetRMag(), 75.2f);  // (f r b 30)
  EXPECT_EQ(store.GetFlag(8)->GetConf(), 0);              // (f l b): not seen
  EXPECT_NEAR(store.GetLine('r')->GetRDir(), 90, 1e-4);  // looked at square on: exact
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
