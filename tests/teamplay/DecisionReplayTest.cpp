// The commands the player sends, cycle by cycle, for recorded and scripted
// worlds, held against the record in tests/data/decisions.golden.
//
// Recorded worlds: every player section of the server traces in tests/data
// goes through the real parsers and world model, and a decision pass runs
// after each sense_body as the main loop's would. Scripted worlds: a full
// pitch of 22 whose ball, opponents and team-mates move by simple rules, and
// whose agent moves by the commands it sends, so that each pass meets the
// world its earlier passes made.
//
// A change meant to leave the play alone (speed, structure) must leave every
// line as it was. A change of play regenerates the record (tests/data/README.md):
//   UPDATE_DECISION_GOLDEN=1 ctest --test-dir build -R DecisionReplay

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <vector>

#include "AgentHarness.h"
#include "CBall.h"
#include "CPlayer.h"
#include "Defaults.h"
#include "Trace.h"

namespace
{

const char *const kGolden = TEST_DATA_DIR "/decisions.golden";
const char *const kUpdateVariable = "UPDATE_DECISION_GOLDEN";

// The agent of a match, its configuration files included, with two
// differences: a sent command goes out at once (nobody waits for the
// actuators' thread), and the farewell ends the replay, not the process.
class ReplayAgent : public RecordingAgent
{
public:
  explicit ReplayAgent(MCDictIniSafe &config) : RecordingAgent(config) {}

  // A command of the brain is logged for the world model's replay at the
  // next cycle, as the agent does, and counts as sent.
  void ModuleChanged(CModule *module) override
  {
    if (module != brain)
    {
      RecordingAgent::ModuleChanged(module);
      return;
    }
    const char *command = brain->GetActionBuffer();
    sent.push_back(command);
    const int count = GetActionCount();
    SetLastAction(count, command);
    SetActionCount(std::min(count + 1, MAX_ACTIONS - 1));
    brain->SetActionBuffer("");
  }

  [[noreturn]] void DoExit(int code) override
  {
    throw std::runtime_error("the agent left with code " + std::to_string(code));
  }

  std::vector<std::string> sent;
};

void Configure(MCDictIniSafe &config)
{
  primeini(config);
  config.importordie(TEST_DATA_DIR "/../../conf/agent.conf");
  // The replay has no threads to wait for.
  config.insert("Timing", "max_sim_pol_wait", 0);
  config.insert("Timing", "max_sim_visual_wait", 0);
  config.setsafe(0);
  config.importflatordie(TEST_DATA_DIR "/../../conf/server.conf", "Server", ':');
}

std::unique_ptr<ReplayAgent> MakeAgent(MCDictIniSafe &config)
{
  return std::unique_ptr<ReplayAgent>(new ReplayAgent(config));
}

void Dispose(std::unique_ptr<ReplayAgent> &agent)
{
  agent.reset();
}

// Swallows what it is given: the agents' console lines (progress, the
// commands the scripted clients of the traces did not send) stay out of the
// test's output.
class NullBuffer : public std::streambuf
{
protected:
  int overflow(int c) override { return c == traits_type::eof() ? 0 : c; }
  std::streamsize xsputn(const char *, std::streamsize n) override { return n; }
};

class Quiet
{
public:
  Quiet() : m_Out(std::cout.rdbuf(&m_Null)), m_Err(std::cerr.rdbuf(&m_Null)) {}
  ~Quiet()
  {
    std::cout.rdbuf(m_Out);
    std::cerr.rdbuf(m_Err);
  }

private:
  NullBuffer m_Null;
  std::streambuf *m_Out;
  std::streambuf *m_Err;
};

// What the handshake does once the server has answered.
void Register(ReplayAgent &agent, MCDictIniSafe &config, char side, int unum, const char *mode)
{
  if (side == 'r')
    agent.memory->RevertSigns();
  agent.memory->InitPlayerArrays(side, config);
  agent.brain->SetSide(side);
  agent.brain->SetUNum(unum);
  std::string text(mode);
  agent.playmode->SetPlayMode(&text[0]);
}

// A team message is long and dense: its digest stands for it.
std::string Digest(const std::string &text)
{
  std::uint64_t hash = 1469598103934665603ULL;
  for (unsigned char c : text)
    hash = (hash ^ c) * 1099511628211ULL;
  char out[20];
  std::snprintf(out, sizeof out, "%016llx", static_cast<unsigned long long>(hash));
  return out;
}

// The cycle's commands in the order they went, one line.
std::string Commands(const std::vector<std::string> &sent)
{
  std::string line;
  for (std::string command : sent)
  {
    while (!command.empty() && command.back() == '\n')
      command.pop_back();
    if (command.compare(0, 5, "(say ") == 0)
      command = "(say #" + Digest(command) + ")";
    line += (line.empty() ? "" : " ") + command;
  }
  return line.empty() ? "-" : line;
}

// One pass of the main loop: decide under the world-model lock, then send.
// Returns the line of the cycle, and the bundle it sent; the farewell is
// recorded, not sent.
std::string Pass(ReplayAgent &agent, bool &left, ACTIONQUEUE *bundle = nullptr)
{
  const PlayMode previous = agent.playmode->GetPlayMode(false);
  const PlayMode current = agent.playmode->GetPlayMode(true);
  agent.memory->Lock();
  const int time = agent.GetTime();
  agent.brain->SetThinkingInProgress(true);
  agent.DecideCycle(previous, current);
  agent.brain->SetThinkingInProgress(false);
  agent.memory->Unlock();
  Calls().Clear();

  std::ostringstream out;
  out << time << ' ';
  const ACTIONQUEUE queue = agent.brain->GetQueue();
  if (bundle != nullptr)
    *bundle = queue;
  left = queue.command == CMD_BYE;
  if (left)
    return out.str() + "(bye)";
  agent.sent.clear();
  agent.brain->SendAllActions(time);
  out << Commands(agent.sent);
  agent.sent.clear();
  return out.str();
}

// ------------------------------------------------------------ recorded

bool StartsWith(const std::string &s, const char *prefix)
{
  return s.compare(0, std::strlen(prefix), prefix) == 0;
}

// The lines of one player's section of a trace: registration, then a pass
// after each sense_body; the lines are "file#section cycle commands".
void ReplaySection(const std::string &name, const std::vector<TraceRecord> &records,
                   const std::string &client, std::vector<std::string> &lines)
{
  MCDictIniSafe config;
  Configure(config);
  std::unique_ptr<ReplayAgent> agent;
  std::string team;
  int unum = 0;
  for (const TraceRecord &r : records)
  {
    if (r.client != client)
      continue;
    if (!agent)
    {
      char word[64] = "", side = 0, mode[64] = "before_kick_off";
      int number = 0;
      // The request names the team and, for a second half, the number;
      // only protocol-6 players of the first half or a reconnection play.
      if (!r.received && r.port == 6000)
      {
        const bool init = StartsWith(r.bytes, "(init ") && r.bytes.find("(version 6") != std::string::npos;
        const bool again = std::sscanf(r.bytes.c_str(), "(reconnect %63s %d", word, &number) == 2;
        if (init && std::sscanf(r.bytes.c_str(), "(init %63s", word) == 1)
          team = word;
        else if (again)
        {
          team = word;
          unum = number;
        }
        else
          team.clear();
      }
      else if (r.received && !team.empty() &&
               std::sscanf(r.bytes.c_str(), "(init %c %d %63[^)]", &side, &number, mode) >= 2)
      {
        agent = MakeAgent(config);
        agent->SetTName(team.c_str());
        Register(*agent, config, side, number, mode);
      }
      else if (r.received && !team.empty() && unum > 0 &&
               std::sscanf(r.bytes.c_str(), "(reconnect %c", &side) == 1)
      {
        agent = MakeAgent(config);
        agent->SetTName(team.c_str());
        Register(*agent, config, side, unum, "before_kick_off");
      }
      continue;
    }
    if (!r.received || !(StartsWith(r.bytes, "(see ") || StartsWith(r.bytes, "(hear ") ||
                         StartsWith(r.bytes, "(sense_body ")))
      continue;
    agent->sensors->Receive(r.bytes.data(), r.bytes.size());
    agent->sensors->AnalyseData();
    Calls().Clear();
    if (StartsWith(r.bytes, "(sense_body "))
    {
      bool left = false;
      lines.push_back(name + ' ' + Pass(*agent, left));
      if (left)
        break;
    }
  }
  if (agent)
    Dispose(agent);
}

void ReplayTraces(std::vector<std::string> &lines)
{
  for (const std::string &path : TraceFiles(TEST_DATA_DIR))
  {
    const std::vector<TraceRecord> records = ReadTrace(path);
    std::vector<std::string> clients;
    for (const TraceRecord &r : records)
      if (clients.empty() || clients.back() != r.client)
        if (std::find(clients.begin(), clients.end(), r.client) == clients.end())
          clients.push_back(r.client);
    const std::string file = path.substr(path.find_last_of('/') + 1);
    for (size_t i = 0; i < clients.size(); i++)
      ReplaySection(file + '#' + std::to_string(i), records, clients[i], lines);
  }
}

// ------------------------------------------------------------ scripted

const float kPitchHalfLength = 52.5f;
const float kPitchHalfWidth = 34.0f;
const float kBallDecay = 0.94f;
const float kBallSpeedMax = 2.7f;
const float kPlayerDecay = 0.4f;
const float kPlayerSpeedMax = 1.05f;
const float kDashPowerRate = 0.006f;
const float kInertiaMoment = 5.0f;
const float kKickPowerRate = 0.027f;
const float kKickableMargin = 0.7f;
const float kBallAndPlayerSize = 0.385f;
const float kStaminaMax = 3500.0f;
const float kStaminaIncrement = 45.0f;
const float kNeckMax = 90.0f;
const float kChaserSpeed = 0.6f;
const float kDrift = 0.1f;
const float kFoeKickSpeed = 2.0f;
const float kFoeReach = 1.0f;
// Cycles before a set play nobody takes goes on as play on.
const int kSetPlayPatience = 10;
const int kFirstCycle = 200;

// Where each number of a side stands, for the left side; the right side's
// players stand mirrored.
const CVector kLineUp[11] = {CVector(-50, 0),   CVector(-35, -20), CVector(-36, -7), CVector(-36, 7),
                             CVector(-35, 20),  CVector(-15, -15), CVector(-17, 0),  CVector(-15, 15),
                             CVector(5, -18),   CVector(8, 2),     CVector(5, 18)};

struct Scripted
{
  const char *name;
  int unum;
  const char *call;
  CVector me;
  float facing;
  CVector ball;
  CVector ballVel;
  int cycles;
};

// The world's truth, moved on by the agent's commands and simple rules.
class ScriptedWorld
{
public:
  ScriptedWorld(const Scripted &s) : m_S(s), m_Me(s.me), m_Body(s.facing), m_Ball(s.ball), m_BallVel(s.ballVel)
  {
    for (int i = 0; i < 11; i++)
    {
      m_Mates[i] = kLineUp[i] + CVector(static_cast<float>((i * 7) % 5) - 2, static_cast<float>((i * 3) % 4) - 1.5f);
      m_Foes[i] = CVector(-kLineUp[i].GetX() + 3, kLineUp[i].GetY() + static_cast<float>((i * 5) % 7) - 3);
    }
  }

  void Run(std::vector<std::string> &lines)
  {
    MCDictIniSafe config;
    Configure(config);
    std::unique_ptr<ReplayAgent> agent = MakeAgent(config);
    agent->SetTName("Replay");
    agent->memory->SetTime(kFirstCycle);
    Register(*agent, config, 'l', m_S.unum, m_S.call);
    std::string call = m_S.call;
    for (int cycle = 0; cycle < m_S.cycles; cycle++)
    {
      const int time = kFirstCycle + cycle;
      Show(*agent, time);
      bool left = false;
      ACTIONQUEUE bundle;
      const std::string line = Pass(*agent, left, &bundle);
      lines.push_back(std::string(m_S.name) + ' ' + line);
      if (left)
        break;
      const bool kicked = Apply(bundle, line);
      MoveOthers();
      // A set play goes on as play on once taken, or after a while untaken.
      if (call != "play_on" && (kicked || cycle + 1 >= kSetPlayPatience))
      {
        call = "play_on";
        agent->playmode->SetPlayMode(&call[0]);
      }
      if (std::fabs(m_Ball.GetX()) > kPitchHalfLength || std::fabs(m_Ball.GetY()) > kPitchHalfWidth)
        break;
    }
    Dispose(agent);
  }

private:
  // A clear visual of everything, this cycle.
  void Show(ReplayAgent &agent, int time)
  {
    CMemory &memory = *agent.memory;
    memory.SetNewTime(time);
    memory.SetTime(time);
    memory.SetLastVisualTime(time);
    memory.SetGPos(m_Me);
    memory.SetVelocity(m_Vel);
    memory.SetBFacing(m_Body);
    memory.SetFacing(m_Body + m_Neck);
    sensebody sb = RestedBody();
    sb.time = time;
    sb.stamina = m_Stamina;
    sb.speed = m_Vel.GetMag();
    sb.head_angle = m_Neck;
    memory.SetSB(sb);
    CBall *ball = memory.GetNonConstBall();
    ball->SetTime(time);
    ball->SetGPos(m_Ball);
    ball->SetConf(1);
    ball->SetVelocity(m_BallVel);
    ball->SetVelConf(1);
    int mate = 0;
    for (int i = 0; i < 11; i++)
    {
      if (i + 1 != m_S.unum && mate < 10)
        Place(memory.GetAFriend(mate++), m_Mates[i], i + 1, 'l', i == 0, time);
      Place(memory.GetAFoe(i), m_Foes[i], i + 1, 'r', i == 0, time);
    }
    memory.UpdateRelatives();
  }

  static void Place(CPlayer *p, CVector pos, int unum, char side, bool goalie, int time)
  {
    p->SetGPos(pos);
    p->SetTime(time);
    p->SetConf(1);
    p->SetUNum(unum);
    p->SetSide(side);
    p->SetIsGoalie(goalie);
    p->SetSource(0);
  }

  // The agent's main command and neck turn, as the server would carry them
  // out (roughly; the replay needs them only the same each run). Returns
  // whether the agent kicked the ball.
  bool Apply(const ACTIONQUEUE &q, const std::string &line)
  {
    bool kicked = false;
    const bool sentMain = line.find("(dash") != std::string::npos || line.find("(turn ") != std::string::npos ||
                          line.find("(kick") != std::string::npos || line.find("(move") != std::string::npos;
    if (sentMain)
      switch (q.command)
      {
        case CMD_DASH:
        {
          m_Vel = m_Vel + Polar2CVector(q.power * kDashPowerRate, m_Body);
          if (m_Vel.GetMag() > kPlayerSpeedMax)
            m_Vel = Polar2CVector(kPlayerSpeedMax, m_Vel.GetDir());
          m_Stamina -= q.power > 0 ? q.power : -2 * q.power;
          break;
        }
        case CMD_TURN:
          m_Body = Normalise(m_Body + q.angle / (1 + kInertiaMoment * m_Vel.GetMag()));
          break;
        case CMD_KICK:
        {
          const CVector rel = m_Ball - m_Me;
          const float reach = rel.GetMag() - kBallAndPlayerSize;
          if (reach <= kKickableMargin)
          {
            const float dirDiff = std::fabs(Normalise(rel.GetDir() - m_Body));
            const float rate = kKickPowerRate * (1 - 0.25f * dirDiff / 180 - 0.25f * reach / kKickableMargin);
            m_BallVel = m_BallVel + Polar2CVector(q.power * rate, Normalise(m_Body + q.angle));
            if (m_BallVel.GetMag() > kBallSpeedMax)
              m_BallVel = Polar2CVector(kBallSpeedMax, m_BallVel.GetDir());
            kicked = true;
          }
          break;
        }
        case CMD_MOVE:
          m_Me = CVector(static_cast<float>(q.move_x), static_cast<float>(q.move_y));
          m_Vel = CVector(0, 0);
          break;
        default:
          break;
      }
    if (q.turn_neck && line.find("(turn_neck") != std::string::npos)
      m_Neck = std::fmax(-kNeckMax, std::fmin(kNeckMax, m_Neck + q.neck_angle));
    m_Me = m_Me + m_Vel;
    m_Vel = m_Vel * kPlayerDecay;
    m_Stamina = std::fmin(kStaminaMax, m_Stamina + kStaminaIncrement);
    m_Ball = m_Ball + m_BallVel;
    m_BallVel = m_BallVel * kBallDecay;
    return kicked;
  }

  // The opponent nearest the ball runs at it and, reaching it, kicks it
  // at our goal; our nearest other player runs at it too; everybody else
  // drifts with the ball.
  void MoveOthers()
  {
    int foe = 0, mate = -1;
    for (int i = 0; i < 11; i++)
    {
      if (m_Foes[i].dist(m_Ball) < m_Foes[foe].dist(m_Ball))
        foe = i;
      if (i + 1 != m_S.unum && (mate < 0 || m_Mates[i].dist(m_Ball) < m_Mates[mate].dist(m_Ball)))
        mate = i;
    }
    for (int i = 0; i < 11; i++)
    {
      m_Foes[i] = Towards(m_Foes[i], m_Ball, i == foe ? kChaserSpeed : kDrift);
      if (i + 1 != m_S.unum)
        m_Mates[i] = Towards(m_Mates[i], m_Ball, i == mate ? kChaserSpeed : kDrift);
    }
    if (m_Foes[foe].dist(m_Ball) < kFoeReach)
      m_BallVel = Polar2CVector(kFoeKickSpeed, (CVector(-kPitchHalfLength, 0) - m_Ball).GetDir());
  }

  static CVector Towards(CVector from, CVector to, float step)
  {
    const CVector way = to - from;
    if (way.GetMag() <= step)
      return to;
    return from + Polar2CVector(step, way.GetDir());
  }

  static float Normalise(float angle)
  {
    while (angle > 180)
      angle -= 360;
    while (angle < -180)
      angle += 360;
    return angle;
  }

  const Scripted &m_S;
  CVector m_Me;
  CVector m_Vel;
  float m_Body;
  float m_Neck = 0;
  float m_Stamina = kStaminaMax;
  CVector m_Ball;
  CVector m_BallVel;
  CVector m_Mates[11];
  CVector m_Foes[11];
};

// Each role with the ball at its feet, coming, passing by and far, and the
// set plays of both sides.
const Scripted kScripted[] = {
    {"goalie-shot", 1, "play_on", CVector(-50, 0), 0, CVector(-30, 5), CVector(-2.2f, -0.3f), 30},
    {"goalie-at-feet", 1, "play_on", CVector(-48, 2), 0, CVector(-47.5f, 2), CVector(), 30},
    {"goalie-far", 1, "play_on", CVector(-50, 0), 0, CVector(20, -10), CVector(0.5f, 0.2f), 20},
    {"goalie-goal-kick", 1, "goal_kick_l", CVector(-49, 0), 0, CVector(-47, 9), CVector(), 25},
    {"back-at-feet", 3, "play_on", CVector(-30, -6), 0, CVector(-29.5f, -6), CVector(), 30},
    {"back-cross", 2, "play_on", CVector(-35, -18), 45, CVector(-20, -30), CVector(-1.2f, 1.5f), 30},
    {"back-their-free-kick", 4, "free_kick_r", CVector(-30, 8), 180, CVector(-25, 5), CVector(), 25},
    {"mid-at-feet", 7, "play_on", CVector(-5, 3), 0, CVector(-4.4f, 3), CVector(0.1f, 0), 30},
    {"mid-rolling", 7, "play_on", CVector(-5, 3), 0, CVector(4, -6), CVector(-1.6f, 0.9f), 30},
    {"mid-far", 6, "play_on", CVector(-10, -12), 90, CVector(40, 25), CVector(0.3f, 0), 20},
    {"mid-kick-in", 8, "kick_in_l", CVector(-10, 25), -90, CVector(-8, 34), CVector(), 25},
    {"forward-at-feet", 10, "play_on", CVector(30, 4), 0, CVector(30.6f, 4), CVector(), 30},
    {"forward-through-ball", 9, "play_on", CVector(20, -10), 0, CVector(10, -5), CVector(2, -0.5f), 30},
    {"forward-kick-off", 10, "kick_off_l", CVector(-0.5f, 0), 0, CVector(0, 0), CVector(), 25},
    {"forward-corner", 11, "corner_kick_l", CVector(45, 20), 0, CVector(52, 33.5f), CVector(), 25},
    {"forward-before-kick-off", 9, "before_kick_off", CVector(-20, -5), 0, CVector(0, 0), CVector(), 5},
};

void RunScripted(std::vector<std::string> &lines)
{
  for (const Scripted &s : kScripted)
    ScriptedWorld(s).Run(lines);
}

// ------------------------------------------------------------ the record

std::vector<std::string> ReadLines(const char *path)
{
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

TEST(DecisionReplay, SendsTheRecordedCommandsForEveryRecordedAndScriptedWorld)
{
  std::vector<std::string> lines;
  {
    Quiet quiet;
    ReplayTraces(lines);
    RunScripted(lines);
  }
  ASSERT_GT(lines.size(), 1000u);

  const char *update = std::getenv(kUpdateVariable);
  if (update != nullptr && std::strcmp(update, "1") == 0)
  {
    std::ofstream out(kGolden);
    for (const std::string &line : lines)
      out << line << '\n';
    ASSERT_TRUE(out.good()) << "cannot write " << kGolden;
    std::cout << "[ rewrote ] " << kGolden << " (" << lines.size() << " cycles)\n";
    return;
  }

  const std::vector<std::string> golden = ReadLines(kGolden);
  std::ostringstream diff;
  int differing = 0;
  const size_t n = std::max(lines.size(), golden.size());
  for (size_t i = 0; i < n; i++)
  {
    const std::string was = i < golden.size() ? golden[i] : "(nothing)";
    const std::string now = i < lines.size() ? lines[i] : "(nothing)";
    if (was == now)
      continue;
    if (++differing <= 12)
      diff << "  line " << i + 1 << "\n    recorded: " << was << "\n    now:      " << now << '\n';
  }
  EXPECT_EQ(0, differing)
      << "The player sent other commands than tests/data/decisions.golden records (" << differing
      << " of " << n << " cycles differ; world, cycle, commands):\n"
      << diff.str()
      << "A change meant to keep the play (speed, structure) must not do this. If the play is meant "
         "to change, regenerate the record and commit it with the change:\n"
         "  UPDATE_DECISION_GOLDEN=1 ctest --test-dir build -R DecisionReplay\n";
}

}  // namespace
