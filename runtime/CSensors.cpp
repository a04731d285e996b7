#include "CSensors.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <iostream>

#include "AudioScan.h"
#include "CVector.h"
#include "FlagTable.h"
#include "Geometry.h"
#include "SenseBodyScan.h"
#include "VisualScan.h"

namespace
{
// The server of our protocol cuts every direction it reports to the whole
// degree towards zero: a flag reported at 20 lies between 20 and 21 degrees,
// one at -20 between -21 and -20. The middle of that degree halves the error
// and takes away its bias, which otherwise turned our facing, and with it
// every position seen, by up to a degree the same way; 0 stands for both
// sides. A value the server left out (-999) stays as it is.
float UncutDirection(float reported)
{
  if (reported <= -998)
    return reported;
  return reported > 0 ? reported + 0.5f : reported < 0 ? reported - 0.5f : reported;
}

// A line's angle to our line of sight is at most a right angle, reported as
// 90 only when we look straight at it.
float UncutLineDirection(float reported)
{
  const float kRightAngle = 90;
  return std::max(-kRightAngle, std::min(kRightAngle, UncutDirection(reported)));
}
}  // namespace

CSensors::CSensors(CMediator *mediator)
  : CModule(mediator), m_Socket(), m_RecvBuffer(), m_VisualText(), m_AudioText(),
    m_SenseBodyText(), m_NewVisual(false)
{
  m_Socket.socketfd = -1;
  std::cout << "[Creating Eyes & Ears             ]" << std::endl;
}

CSensors::~CSensors()
{
}

CSensors *CSensors::GetThis()
{
  return this;
}

void CSensors::Report(const char *text) const
{
  std::cerr << GetTime() << text << std::endl;
}

std::size_t CSensors::TextLength() const
{
  return strnlen(m_RecvBuffer, BUFFER_LENGTH);
}

std::size_t CSensors::Remaining(const char *text) const
{
  // The object parsers get a plain pointer; inside the receive buffer the
  // buffer's end bounds them even if its terminator were lost.
  const char *end = m_RecvBuffer + BUFFER_LENGTH;
  if (text >= m_RecvBuffer && text < end)
    return strnlen(text, static_cast<std::size_t>(end - text));
  return std::strlen(text);
}

char *CSensors::GetBuffer()
{
  return m_RecvBuffer;
}

void CSensors::Receive(const char *bytes, std::size_t length)
{
  if (length > BUFFER_LENGTH - 1)
    length = BUFFER_LENGTH - 1;
  std::memcpy(m_RecvBuffer, bytes, length);
  m_RecvBuffer[length] = '\0';
}

bool CSensors::GetNewVisual() const
{
  return m_NewVisual;
}

void CSensors::SensorThread()
{
  std::cout << "SENSORS thread started!" << std::endl;
  while (GetStatus() == 1)
  {
    m_NewVisual = false;
    int received = ReceiveMessage(m_RecvBuffer, BUFFER_LENGTH);
    if (received == 1)
    {
      LockMemory();
      AnalyseData();
      // A stale buffer must never be taken for a new message.
      m_RecvBuffer[1] = '\0';
      UnlockMemory();
      // The brain is woken only after the world-model lock is released: it
      // takes that lock again as soon as it wakes.
      S2BNewCycleSignal();
      if (m_NewVisual)
      {
        NewVisualLock();
        SetIsNewVisual(1);
        NewVisualUnlock();
        // After the mutex is let go: the woken brain takes it at once.
        S2BNewVisualSignal();
        SendQueuedScans();
      }
    }
    else if (received == -1)
    {
      std::cerr << "ERROR: CSensors: SensorThread: Problem while receiving data...Has server died?"
                << std::endl;
      SetStatus(0);
    }
  }
}

void CSensors::AnalyseData()
{
  // The first character is the opening parenthesis. A text shorter than
  // four characters has no fourth: the byte there is an older message's.
  const char fourth = strnlen(m_RecvBuffer, 4) == 4 ? m_RecvBuffer[3] : '\0';
  switch (m_RecvBuffer[1])
  {
  case 'i':
    Report(" ERROR: CSensors: AnalyseData: Another init command?");
    break;
  case '\0':
    Report(" ERROR: CSensors: AnalyseData: NULL buffer?");
    break;
  case 'e':
    Report(" ERROR: CSensors: AnalyseData: Received error command...");
    break;
  case 'h':
    ParseAudio();
    break;
  case 'r':
    Report(" ERROR: CSensors: AnalyseData: Another reconnect command?");
    break;
  case 's':
    if (fourth == 'e')
    {
      if (ParseVisual() != 0)
      {
        UpdateGPos();
        StorePlayers();
        RemoveGhosts();
        m_NewVisual = true;
        SetHaveVisualForThisAngle(true);
      }
    }
    else if (fourth == 'n')
      ParseSenseBody();
    else
      Report(" ERROR: CSensors: AnalyseData: Sensory data starting with -s- was neither visual nor "
             "sense_body...");
    break;
  default:
    Report(" ERROR: CSensors: AnalyseData: Default?");
    break;
  }
}

// (sense_body 207 (view_mode high normal) (stamina 8000 1) (speed 0.35 -135) (head_angle -59)
//  (kick 0) (dash 12) (turn 7) (say 5) (turn_neck 8))
void CSensors::ParseSenseBody()
{
  // Fields a cut message does not give keep the last stored values.
  sensebody sb = GetSB();
  int fields = ScanSenseBody(m_RecvBuffer, TextLength(), sb);
  if (fields < kSenseBodyFields)
  {
    // Counters that were not all read would strike commands the server
    // did get, so only the time goes on.
    Report(" ERROR: CSensors: ParseSenseBody: Incomplete sense_body message...");
    if (fields >= 1)
    {
      SetNewTime(sb.time);
      Changed();
    }
    return;
  }

  sb.head_angle = UncutDirection(sb.head_angle);

  if (sb.time > GetTime())
    Check4LostActions(sb.kick, sb.dash, sb.turn, sb.say, sb.turn_neck);
  SetNewTime(sb.time);
  Changed();

  // The sensed speed is exact only to the server's rounding; the model's
  // own estimate is kept while the two agree.
  CVector velocity = GetVelocity();
  const float facing = GetFacing();
  if (std::fabs(velocity.GetMag() - sb.speed) > 0.1f)
  {
    // Moving other than planned (a collision, most often): where the model
    // put us, and so what it reckons near us, is not to be trusted.
    velocity.SetMag(sb.speed);
    SetLastCollisionTime(sb.time);
  }
  else
    sb.speed = velocity.GetMag();

  // The server gives the speed's direction relative to the neck; the
  // model's facing is the neck's, so their sum is the direction on the field.
  const float sensed = NormaliseAngle(static_cast<float>(sb.speed_dir) + facing);
  if (std::fabs(NormaliseAngle(velocity.GetDir() - sensed)) > 10.0f)
    velocity.SetDir(sensed);
  else
    sb.speed_dir = static_cast<int>(std::lround(NormaliseAngle(velocity.GetDir() - facing)));

  SetVelocity(velocity);
  SetSB(sb);
}

float CSensors::NormaliseAngle(float angle)
{
  bool tooLarge = false;
  const float normalised = ::NormaliseAngle(angle, tooLarge);
  if (tooLarge)
    std::cerr << GetTime() << " ERROR: CSensors: NormaliseAngle: CRITICAL ERROR - Angle = " << angle
              << std::endl;
  return normalised;
}

// (see 217 ((f c) 10 0 0 0) ((g r) 62.8 0) ((b) 2.7 -32 0 0) ((p "OtherTeam" 1 goalie) 3 0 -0 0 -176 -176)
//  ((P) 1.1 45) ((l r) 52.6 -39))
int CSensors::ParseVisual()
{
  const std::size_t length = TextLength();
  int time = 0;
  std::size_t pos = ScanVisualTime(m_RecvBuffer, length, time);
  if (pos == 0)
  {
    Report(" ERROR: CSensors: ParseVisual: No time in visual message...");
    return 0;
  }
  // Before kick-off the server's clock stands at 0, so every visual of that
  // wait carries the same time and only the first is taken.
  if (time == GetLastVisualTime())
    return 0;

  // A mangled time may lie anywhere in the int range: the interval is kept
  // within it rather than overflowing.
  const long long interval = static_cast<long long>(time) - GetLastVisualTime();
  SetLastVisualInterval(static_cast<int>(std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, interval))));
  SetLastVisualTime(time);
  SetNewTime(time);
  Changed();

  while (pos < length && m_RecvBuffer[pos] != ')')
  {
    // A real server describes a player it took in by reconnection, without
    // a team, as an object without a name: "( 24.5 33 0 0 -146 -146)".
    // Nothing tells what it is, so it is passed over.
    if (pos + 2 < length && m_RecvBuffer[pos + 1] == '(' && m_RecvBuffer[pos + 2] != '(')
    {
      pos += 2;
      while (pos < length && m_RecvBuffer[pos] != ')')
        ++pos;
      if (pos < length)
        ++pos;
      continue;
    }
    pos += 3;  // the blank and the two opening parentheses
    if (pos >= length)
      break;
    char *object = m_RecvBuffer + pos;
    const int named = (*object >= 'a' && *object <= 'z') ? 1 : 0;
    switch (*object)
    {
    case 'b':
    case 'B':
      pos += static_cast<std::size_t>(ParseBall(named, object));
      break;
    case 'f':
    case 'F':
      pos += static_cast<std::size_t>(ParseFlag(named, object));
      break;
    case 'g':
    case 'G':
      pos += static_cast<std::size_t>(ParseGoal(named, object));
      break;
    case 'l':
    case 'L':
      pos += static_cast<std::size_t>(ParseLine(named, object));
      break;
    case 'p':
    case 'P':
      pos += static_cast<std::size_t>(ParsePlayer(named, object));
      break;
    default:
      std::cerr.write(m_RecvBuffer, static_cast<std::streamsize>(length));
      std::cerr << std::endl;
      std::cerr << GetTime() << " ERROR for ";
      std::cerr.write(object, static_cast<std::streamsize>(length - pos));
      std::cerr << std::endl;
      Report(" ERROR: CSensors: ParseVisual: Default?");
      break;
    }
  }
  return 1;
}

int CSensors::ParsePlayer(int named, char *text)
{
  SeenPlayer p;
  std::size_t consumed = ScanPlayer(text, Remaining(text), named != 0, p);
  char team = p.team;
  if (p.teamName[0] != '\0')
  {
    const char *ours = GetTName();
    team = (ours != nullptr && std::strncmp(ours, p.teamName, 30) == 0) ? GetSide() : TheirSide();
  }
  S2MWritePlayer(GetTime(), p.number, team, p.distance, UncutDirection(p.direction),
                 p.distanceChange, p.directionChange, UncutDirection(p.bodyFacing),
                 UncutDirection(p.headFacing), p.goalie);
  return static_cast<int>(consumed);
}

int CSensors::ParseGoal(int named, char *text)
{
  SeenGoal g;
  std::size_t consumed = ScanGoal(text, Remaining(text), named != 0, g);
  S2MWriteGoal(GetTime(), g.side, g.distance, UncutDirection(g.direction));
  return static_cast<int>(consumed);
}

int CSensors::ParseBall(int named, char *text)
{
  SeenBall b;
  std::size_t consumed = ScanBall(text, Remaining(text), named != 0, b);
  S2MWriteBall(GetTime(), b.distance, UncutDirection(b.direction), b.distanceChange,
               b.directionChange, b.close);
  return static_cast<int>(consumed);
}

int CSensors::ParseFlag(int named, char *text)
{
  SeenFlag f;
  std::size_t consumed = ScanFlag(text, Remaining(text), named != 0, f);
  if (!f.knownName)
    Report(" ERROR: CSensors: ParseFlag: What flag is that?");
  S2MWriteFlag(GetTime(), Flag2ID(f.kind, f.across, f.along, f.number), f.distance,
               UncutDirection(f.direction),
               f.distanceChange, f.directionChange);
  return static_cast<int>(consumed);
}

int CSensors::ParseLine(int named, char *text)
{
  SeenLine l;
  std::size_t consumed = ScanLine(text, Remaining(text), named != 0, l);
  S2MWriteLine(GetTime(), l.side, l.distance, UncutLineDirection(l.direction));
  return static_cast<int>(consumed);
}

int CSensors::Flag2ID(char kind, char across, char along, int number) const
{
  int id = FlagNumber(kind, across, along, number);
  if (id == kNoSuchFlag)
    std::cerr << GetTime() << " ERROR: CSensors: Flag2ID: No match found for " << kind << ' ' << across
              << ' ' << along << ' ' << number << std::endl;
  return id;
}

// (hear 217 referee play_on)  (hear 55 self quoted hello)  (hear 0 online_coach_left coach_hello)
// (hear 55 -174 quoted hello)
void CSensors::ParseAudio()
{
  HeardMessage heard;
  if (!ScanHear(m_RecvBuffer, TextLength(), heard))
  {
    Report(" ERROR: CSensors: ParseAudio: No time in hearing message...");
    return;
  }
  SetNewTime(heard.time);
  Changed();
  switch (heard.sender)
  {
  case HearSender::Referee:
    LockPlayMode();
    S2PWritePlayMode(heard.text);
    UnlockPlayMode();
    break;
  case HearSender::Player:
    ParseMessage(heard.text);
    break;
  case HearSender::Self:
  case HearSender::Coach:
  case HearSender::None:
    // Our own words and the coaches' carry nothing the agent uses.
    break;
  }
}

void CSensors::Display() const
{
  std::cout << "SENSORS Visual: " << m_VisualText << std::endl;
  std::cout << "SENSORS Audio: " << m_AudioText << std::endl;
  std::cout << "SENSORS SenseBody: " << m_SenseBodyText << std::endl;
}

void CSensors::Abort(const char *text, int code)
{
  std::cerr << GetTime() << " CSensors ABORTING: " << text << std::endl;
  DoExit(code);
}
