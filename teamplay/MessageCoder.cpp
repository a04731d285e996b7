#include "MessageCoder.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "SipHash.h"

namespace
{
// The bit layout of a team message, in the order the fields follow each
// other after the identifier. A number field of n bits holds codes 0 to
// 2^n - 2 spread evenly over [low, high] (so 0 of a symmetric range is
// exact); its resolution is half a step. Six bits make one symbol.
enum Field
{
  F_TIME,           // 16 bits: encrypted time stamp (cycle 0 to 65535)
  F_SENDER,         //  4 bits: sender's uniform number, 1 to 11
  F_SIDE,           //  1 bit : sender's side, 0 left, 1 right (the other team may share the identifier)
  F_PLAY_MODE,      //  6 bits: play mode + 16, so -16 to 47
  F_BALL_KNOWN,     //  1 bit : the ball follows
  F_BALL_X,         // 12 bits: ball x, -60 to 60 m, step 0.029 m
  F_BALL_Y,         // 11 bits: ball y, -40 to 40 m, step 0.039 m
  F_BALL_VX,        //  9 bits: ball vx, +-ball speed max x decay (2.538: step 0.0100)
  F_BALL_VY,        //  9 bits: ball vy, likewise
  F_BALL_AGE,       //  7 bits: ball confidence as cycles of decay, 0 to 127
  F_PLAYER_COUNT,   //  5 bits: players that follow, 0 to 23 (the sender first)
  F_PLAYER_OURS,    //  1 bit : a player of the sender's team
  F_PLAYER_UNUM,    //  4 bits: uniform number 1 to 11, 0 when unknown
  F_PLAYER_GOALIE,  //  1 bit : a goalkeeper
  F_PLAYER_X,       // 12 bits: x as the ball's
  F_PLAYER_Y,       // 11 bits: y as the ball's
  F_PLAYER_VX,      //  8 bits: vx, +-player speed max x decay (0.4: step 0.0031)
  F_PLAYER_VY,      //  8 bits: vy, likewise
  F_PLAYER_AGE,     //  7 bits: confidence as the ball's
  F_PASS_KNOWN,     //  1 bit : a pass announcement follows
  F_PASS_TIME,      // 16 bits: the cycle of the pass, 0 to 65535
  F_PASS_RECEIVER,  //  4 bits: the receiver's uniform number, 1 to 11
  F_PASS_X,         // 12 bits: pass target x as the ball's
  F_PASS_Y,         // 11 bits: pass target y as the ball's
  // Zero bits fill the rest up to the check.
  F_CHECK_HIGH,     // 32 bits: the team's keyed code of every character before
  F_CHECK_LOW,      // 32 bits: it, high half first; two zero bits end the text
  FIELD_COUNT
};

const int kFieldBits[FIELD_COUNT] = {16, 4, 1, 6,  1, 12, 11, 9, 9, 7,  5, 1, 4,
                                     1,  12, 11, 8, 8, 7,  1, 16, 4, 12, 11, 32, 32};

// The ranges of the position fields: the pitch with its surroundings.
const float kHalfSpanX = 60;
const float kHalfSpanY = 40;
const int kPlayModeOffset = 16;
const int kMaxAge = 127;
// 64 bits of code in eleven symbols.
const int kCheckSymbols = 11;
const int kSymbolBits = 6;

// Letters, digits, '+' and '/': the server relays all of them in a say, and
// none ends the heard text or splits it.
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// The values of the alphabet's characters, -1 for any other: a heard
// message is some five hundred symbols, each looked up here. Made when the
// program is built, so a look-up is one load.
struct SymbolTable
{
  signed char value[256];

  constexpr SymbolTable() : value()
  {
    for (signed char &v : value)
      v = -1;
    for (int i = 0; kAlphabet[i] != '\0'; i++)
      value[static_cast<unsigned char>(kAlphabet[i])] = static_cast<signed char>(i);
  }
};

constexpr SymbolTable kSymbols;

inline int SymbolValue(char c)
{
  return kSymbols.value[static_cast<unsigned char>(c)];
}

// Characters the server passes unchanged in a say besides the alphabet;
// parentheses pass too but would end the heard text.
bool RelayedCharacter(char c)
{
  return SymbolValue(c) >= 0 || std::strchr("*-.<>?_", c) != nullptr;
}

// The code's key: only who knows the team's key and identifier can make a
// text the team takes. The identifier alone is no secret (every say starts
// with it); the key is.
void CheckKey(int encryptKey, const char *identifier, unsigned char key[SIPHASH_KEY_LENGTH])
{
  std::memset(key, 0, SIPHASH_KEY_LENGTH);
  const std::uint32_t k = static_cast<std::uint32_t>(encryptKey);
  for (int i = 0; i < 4; i++)
    key[i] = static_cast<unsigned char>(k >> (8 * i));
  for (std::size_t i = 0; identifier != nullptr && identifier[i] != '\0' && 4 + i < SIPHASH_KEY_LENGTH; i++)
    key[4 + i] = static_cast<unsigned char>(identifier[i]);
}

std::uint64_t CheckValue(const char *text, std::size_t length, int encryptKey, const char *identifier)
{
  unsigned char key[SIPHASH_KEY_LENGTH];
  CheckKey(encryptKey, identifier, key);
  return siphash24(key, text, length);
}

std::uint32_t MaxCode(Field f)
{
  return (1u << kFieldBits[f]) - 2;
}

std::uint32_t Quantise(float value, float low, float high, Field f)
{
  const std::uint32_t top = MaxCode(f);
  if (!(high > low) || !std::isfinite(value))
    return top / 2;
  const double code = std::round((value - low) / (high - low) * top);
  if (code <= 0)
    return 0;
  return code >= top ? top : static_cast<std::uint32_t>(code);
}

float Dequantise(std::uint32_t code, float low, float high, Field f)
{
  return static_cast<float>(low + (high - low) * static_cast<double>(code) / MaxCode(f));
}

// A velocity is cut to the fastest the range allows, keeping its heading.
CVector Capped(CVector v, float max)
{
  if (max <= 0)
    return CVector(0, 0);
  if (v.GetMag() > max)
    v.SetMag(max);
  return v;
}

float SafeDrop(float drop)
{
  return drop > 0 && drop < 1 ? drop : 0.962f;
}

int AgeOf(float conf, float drop)
{
  if (!(conf > 0))
    return kMaxAge;
  if (conf >= 1)
    return 0;
  const double age = std::round(std::log(conf) / std::log(SafeDrop(drop)));
  return age >= kMaxAge ? kMaxAge : static_cast<int>(age);
}

float ConfOf(std::uint32_t age, float drop)
{
  return static_cast<float>(std::pow(SafeDrop(drop), static_cast<double>(age)));
}

// The confidences of every age for one decay: a message carries up to 24
// of them, and the decay is the team's, the same for every message.
class ConfTable
{
public:
  float Of(std::uint32_t age, float drop)
  {
    if (age > static_cast<std::uint32_t>(kMaxAge))
      return ConfOf(age, drop);
    if (!m_Filled || m_Drop != drop)
    {
      for (int a = 0; a <= kMaxAge; a++)
        m_Conf[a] = ConfOf(static_cast<std::uint32_t>(a), drop);
      m_Drop = drop;
      m_Filled = true;
    }
    return m_Conf[age];
  }

private:
  bool m_Filled = false;
  float m_Drop = 0;
  float m_Conf[kMaxAge + 1] = {};
};

float HeardConf(std::uint32_t age, float drop)
{
  // One a thread: every thread that decodes has its own.
  static thread_local ConfTable table;
  return table.Of(age, drop);
}

// The message's bits, six to a symbol, most significant first.
class BitStream
{
public:
  BitStream(char *symbols, int count) : m_Symbols(symbols), m_Count(count) {}

  bool Put(Field f, std::uint32_t value)
  {
    for (int i = kFieldBits[f] - 1; i >= 0; i--)
    {
      if (m_Pos >= m_Count * kSymbolBits)
        return false;
      const int symbol = m_Pos / kSymbolBits;
      const int shift = kSymbolBits - 1 - m_Pos % kSymbolBits;
      if ((value >> i) & 1u)
        m_Symbols[symbol] = static_cast<char>(m_Symbols[symbol] | (1 << shift));
      m_Pos++;
    }
    return true;
  }

  // A symbol's bits at a time: a heard message is some three thousand bits.
  bool Get(Field f, std::uint32_t &value)
  {
    value = 0;
    int wanted = kFieldBits[f];
    if (m_Pos + wanted > m_Count * kSymbolBits)
      return false;
    while (wanted > 0)
    {
      const int left = kSymbolBits - m_Pos % kSymbolBits;
      const int taken = wanted < left ? wanted : left;
      const unsigned symbol = static_cast<unsigned>(m_Symbols[m_Pos / kSymbolBits]);
      value = (value << taken) | ((symbol >> (left - taken)) & ((1u << taken) - 1u));
      m_Pos += taken;
      wanted -= taken;
    }
    return true;
  }

  // A quantised field whose code lies outside its range marks a garbled text.
  bool GetNumber(Field f, float low, float high, float &value)
  {
    std::uint32_t code;
    if (!Get(f, code) || code > MaxCode(f))
      return false;
    value = Dequantise(code, low, high, f);
    return true;
  }

  bool PutPoint(Field fx, Field fy, CVector p)
  {
    return Put(fx, Quantise(p.GetX(), -kHalfSpanX, kHalfSpanX, fx)) &&
           Put(fy, Quantise(p.GetY(), -kHalfSpanY, kHalfSpanY, fy));
  }

  bool GetPoint(Field fx, Field fy, CVector &p)
  {
    float x, y;
    if (!GetNumber(fx, -kHalfSpanX, kHalfSpanX, x) || !GetNumber(fy, -kHalfSpanY, kHalfSpanY, y))
      return false;
    p = CVector(x, y);
    return true;
  }

  bool PutVelocity(Field fx, Field fy, CVector v, float max)
  {
    v = Capped(v, max);
    return Put(fx, Quantise(v.GetX(), -max, max, fx)) && Put(fy, Quantise(v.GetY(), -max, max, fy));
  }

  bool GetVelocity(Field fx, Field fy, float max, CVector &v)
  {
    float x, y;
    if (!GetNumber(fx, -max, max, x) || !GetNumber(fy, -max, max, y))
      return false;
    v = Capped(CVector(x, y), max);
    return true;
  }

  // The rest of the symbol under way, then whole symbols: the filling is
  // most of a message.
  bool RestIsZero() const
  {
    const int end = m_Count * kSymbolBits;
    if (m_Pos >= end)
      return true;
    int symbol = m_Pos / kSymbolBits;
    const int left = kSymbolBits - m_Pos % kSymbolBits;
    if (static_cast<unsigned>(m_Symbols[symbol]) & ((1u << left) - 1u))
      return false;
    for (symbol++; symbol < m_Count; symbol++)
      if (m_Symbols[symbol] != 0)
        return false;
    return true;
  }

private:
  char *m_Symbols;
  int m_Count;
  int m_Pos = 0;
};

bool IsUNum(int n)
{
  return n >= 1 && n <= 11;
}

// Whether the head of a text (its time, sender and side) could be a message
// of the team on this side: a text whose head does not fit is refused
// whatever follows.
bool HeadFits(char *values, int count, char side)
{
  BitStream head(values, count);
  std::uint32_t v;
  return head.Get(F_TIME, v) && head.Get(F_SENDER, v) && IsUNum(static_cast<int>(v)) && head.Get(F_SIDE, v) &&
         (v != 0) == (side == 'r');
}
}  // namespace

CMessageCoder::CMessageCoder(const TeamMessageSettings &settings) : m_Settings(settings)
{
  if (m_Settings.identifier == nullptr)
    m_Settings.identifier = "";
}

bool CMessageCoder::UsableIdentifier(const char *identifier)
{
  if (identifier == nullptr)
    return false;
  const std::size_t length = strnlen(identifier, MAX_IDENTIFIER_LENGTH + 1);
  if (length < 1 || length > static_cast<std::size_t>(MAX_IDENTIFIER_LENGTH))
    return false;
  for (std::size_t i = 0; i < length; i++)
    if (!RelayedCharacter(identifier[i]))
      return false;
  return true;
}

int CMessageCoder::EncryptTimeStamp(int time, int key)
{
  const unsigned mask = (static_cast<unsigned>(key) * 0x9E37u + 0x5A3Cu) & 0xFFFFu;
  const unsigned turn = static_cast<unsigned>(key) & 15u;
  const unsigned x = (static_cast<unsigned>(time) & 0xFFFFu) ^ mask;
  return static_cast<int>(((x << turn) | (x >> ((16u - turn) & 15u))) & 0xFFFFu);
}

int CMessageCoder::DecryptTimeStamp(int stamp, int key)
{
  const unsigned mask = (static_cast<unsigned>(key) * 0x9E37u + 0x5A3Cu) & 0xFFFFu;
  const unsigned turn = static_cast<unsigned>(key) & 15u;
  const unsigned x = static_cast<unsigned>(stamp) & 0xFFFFu;
  return static_cast<int>((((x >> turn) | (x << ((16u - turn) & 15u))) & 0xFFFFu) ^ mask);
}

bool CMessageCoder::Encode(const TeamMessage &m, char *out, std::size_t size) const
{
  if (out == nullptr || size == 0)
    return false;
  out[0] = '\0';
  if (size < static_cast<std::size_t>(MESSAGE_LENGTH) + 1 || !UsableIdentifier(m_Settings.identifier))
    return false;
  if (m.time < 0 || m.time > 0xFFFF || !IsUNum(m.sender) || m.playerCount < 0 ||
      m.playerCount > TeamMessage::MAX_PLAYERS)
    return false;
  const std::size_t idLength = std::strlen(m_Settings.identifier);
  const int symbols = MESSAGE_LENGTH - static_cast<int>(idLength);
  char values[MESSAGE_LENGTH] = {};
  BitStream bits(values, symbols - kCheckSymbols);
  const float drop = m_Settings.confDrop;
  bool fits = bits.Put(F_TIME, static_cast<std::uint32_t>(EncryptTimeStamp(m.time, m_Settings.encryptKey))) &&
              bits.Put(F_SENDER, static_cast<std::uint32_t>(m.sender)) &&
              bits.Put(F_SIDE, m_Settings.side == 'r' ? 1 : 0);
  const int mode = m.playMode + kPlayModeOffset;
  fits = fits && mode >= 0 && mode < 64 && bits.Put(F_PLAY_MODE, static_cast<std::uint32_t>(mode));
  fits = fits && bits.Put(F_BALL_KNOWN, m.ball.known ? 1 : 0);
  if (m.ball.known)
    fits = fits && bits.PutPoint(F_BALL_X, F_BALL_Y, m.ball.pos) &&
           bits.PutVelocity(F_BALL_VX, F_BALL_VY, m.ball.vel, m_Settings.ballSpeedMax) &&
           bits.Put(F_BALL_AGE, static_cast<std::uint32_t>(AgeOf(m.ball.conf, drop)));
  fits = fits && bits.Put(F_PLAYER_COUNT, static_cast<std::uint32_t>(m.playerCount));
  for (int i = 0; fits && i < m.playerCount; i++)
  {
    const TeamMessagePlayer &p = m.players[i];
    fits = bits.Put(F_PLAYER_OURS, p.ours ? 1 : 0) &&
           bits.Put(F_PLAYER_UNUM, IsUNum(p.unum) ? static_cast<std::uint32_t>(p.unum) : 0) &&
           bits.Put(F_PLAYER_GOALIE, p.goalie ? 1 : 0) && bits.PutPoint(F_PLAYER_X, F_PLAYER_Y, p.pos) &&
           bits.PutVelocity(F_PLAYER_VX, F_PLAYER_VY, p.vel, m_Settings.playerSpeedMax) &&
           bits.Put(F_PLAYER_AGE, static_cast<std::uint32_t>(AgeOf(p.conf, drop)));
  }
  const bool pass = m.pass.announced && IsUNum(m.pass.receiver) && m.pass.time >= 0 && m.pass.time <= 0xFFFF;
  fits = fits && bits.Put(F_PASS_KNOWN, pass ? 1 : 0);
  if (pass)
    fits = fits && bits.Put(F_PASS_TIME, static_cast<std::uint32_t>(m.pass.time)) &&
           bits.Put(F_PASS_RECEIVER, static_cast<std::uint32_t>(m.pass.receiver)) &&
           bits.PutPoint(F_PASS_X, F_PASS_Y, m.pass.target);
  if (!fits)
    return false;

  std::memcpy(out, m_Settings.identifier, idLength);
  char *text = out + idLength;
  for (int i = 0; i < symbols - kCheckSymbols; i++)
    text[i] = kAlphabet[static_cast<unsigned char>(values[i])];
  char check[kCheckSymbols] = {};
  BitStream checkBits(check, kCheckSymbols);
  const std::uint64_t code =
    CheckValue(out, MESSAGE_LENGTH - kCheckSymbols, m_Settings.encryptKey, m_Settings.identifier);
  checkBits.Put(F_CHECK_HIGH, static_cast<std::uint32_t>(code >> 32));
  checkBits.Put(F_CHECK_LOW, static_cast<std::uint32_t>(code));
  for (int i = 0; i < kCheckSymbols; i++)
    text[symbols - kCheckSymbols + i] = kAlphabet[static_cast<unsigned char>(check[i])];
  out[MESSAGE_LENGTH] = '\0';
  return true;
}

bool CMessageCoder::Decode(const char *text, TeamMessage &out) const
{
  // Nothing of a refused text is handed out.
  out = TeamMessage();
  TeamMessage m;
  if (!DecodeInto(text, m))
    return false;
  out = m;
  return true;
}

bool CMessageCoder::DecodeInto(const char *text, TeamMessage &m) const
{
  if (text == nullptr || strnlen(text, MESSAGE_LENGTH + 1) != static_cast<std::size_t>(MESSAGE_LENGTH))
    return false;
  const std::size_t idLength = std::strlen(m_Settings.identifier);
  if (idLength == 0 || idLength > static_cast<std::size_t>(MAX_IDENTIFIER_LENGTH) ||
      std::strncmp(text, m_Settings.identifier, idLength) != 0)
    return false;
  const int symbols = MESSAGE_LENGTH - static_cast<int>(idLength);
  char values[MESSAGE_LENGTH] = {};
  // The opponents' texts of a team playing our program differ from ours
  // only in the sender's side, which leads the text: they are refused from
  // its first symbols, before the symbols of the rest and the code are
  // worked out.
  const int headSymbols = (kFieldBits[F_TIME] + kFieldBits[F_SENDER] + kFieldBits[F_SIDE] + kSymbolBits - 1) /
                          kSymbolBits;
  for (int i = 0; i < symbols; i++)
  {
    const int v = SymbolValue(text[idLength + static_cast<std::size_t>(i)]);
    if (v < 0)
      return false;
    values[i] = static_cast<char>(v);
    if (i + 1 == headSymbols && !HeadFits(values, symbols - kCheckSymbols, m_Settings.side))
      return false;
  }
  std::uint32_t high, low;
  BitStream checkBits(values + symbols - kCheckSymbols, kCheckSymbols);
  if (!checkBits.Get(F_CHECK_HIGH, high) || !checkBits.Get(F_CHECK_LOW, low) || !checkBits.RestIsZero())
    return false;
  const std::uint64_t code = (static_cast<std::uint64_t>(high) << 32) | low;
  if (code != CheckValue(text, MESSAGE_LENGTH - kCheckSymbols, m_Settings.encryptKey, m_Settings.identifier))
    return false;

  BitStream bits(values, symbols - kCheckSymbols);
  std::uint32_t v;
  if (!bits.Get(F_TIME, v))
    return false;
  m.time = DecryptTimeStamp(static_cast<int>(v), m_Settings.encryptKey);
  if (!bits.Get(F_SENDER, v) || !IsUNum(static_cast<int>(v)))
    return false;
  m.sender = static_cast<int>(v);
  // The opponents hear our says, and a team playing our own program says
  // texts with our identifier: only the sender's side tells them apart.
  if (!bits.Get(F_SIDE, v) || (v != 0) != (m_Settings.side == 'r'))
    return false;
  if (!bits.Get(F_PLAY_MODE, v))
    return false;
  m.playMode = static_cast<int>(v) - kPlayModeOffset;
  if (!bits.Get(F_BALL_KNOWN, v))
    return false;
  m.ball.known = v != 0;
  if (m.ball.known)
  {
    if (!bits.GetPoint(F_BALL_X, F_BALL_Y, m.ball.pos) ||
        !bits.GetVelocity(F_BALL_VX, F_BALL_VY, m_Settings.ballSpeedMax, m.ball.vel) ||
        !bits.Get(F_BALL_AGE, v))
      return false;
    m.ball.conf = HeardConf(v, m_Settings.confDrop);
  }
  if (!bits.Get(F_PLAYER_COUNT, v) || v > static_cast<std::uint32_t>(TeamMessage::MAX_PLAYERS))
    return false;
  m.playerCount = static_cast<int>(v);
  for (int i = 0; i < m.playerCount; i++)
  {
    TeamMessagePlayer &p = m.players[i];
    if (!bits.Get(F_PLAYER_OURS, v))
      return false;
    p.ours = v != 0;
    if (!bits.Get(F_PLAYER_UNUM, v) || v > 11)
      return false;
    p.unum = static_cast<int>(v);
    if (!bits.Get(F_PLAYER_GOALIE, v))
      return false;
    p.goalie = v != 0;
    if (!bits.GetPoint(F_PLAYER_X, F_PLAYER_Y, p.pos) ||
        !bits.GetVelocity(F_PLAYER_VX, F_PLAYER_VY, m_Settings.playerSpeedMax, p.vel) ||
        !bits.Get(F_PLAYER_AGE, v))
      return false;
    p.conf = HeardConf(v, m_Settings.confDrop);
  }
  if (!bits.Get(F_PASS_KNOWN, v))
    return false;
  m.pass.announced = v != 0;
  if (m.pass.announced)
  {
    if (!bits.Get(F_PASS_TIME, v))
      return false;
    m.pass.time = static_cast<int>(v);
    if (!bits.Get(F_PASS_RECEIVER, v) || !IsUNum(static_cast<int>(v)))
      return false;
    m.pass.receiver = static_cast<int>(v);
    if (!bits.GetPoint(F_PASS_X, F_PASS_Y, m.pass.target))
      return false;
  }
  // The filling is zero as written; anything else is a garbled text that
  // happened to pass the check.
  return bits.RestIsZero();
}
