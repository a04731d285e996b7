#ifndef MESSAGECODER_H
#define MESSAGECODER_H

#include <cstddef>

#include "CVector.h"
#include "Records.h"

// What one team message carries: the sender's summary of its world model in
// the cycle it speaks. Coordinates are the team's own frame (own goal at
// negative x), so every team-mate reads them as they are.
struct TeamMessageBall
{
  bool known = false;
  CVector pos;
  CVector vel;
  float conf = 0;
};

struct TeamMessagePlayer
{
  bool ours = true;
  int unum = 0;  // 1 to 11, or 0 when the sender does not know it
  bool goalie = false;
  CVector pos;
  CVector vel;
  float conf = 0;
};

struct TeamMessagePass
{
  bool announced = false;
  int time = 0;
  int receiver = 0;
  CVector target;
};

struct TeamMessage
{
  // The sender, then up to 22 players it knows.
  static const int MAX_PLAYERS = 23;

  int time = 0;
  int sender = 0;
  PlayMode playMode = PM_BEFORE_KICK_OFF;
  TeamMessageBall ball;
  int playerCount = 0;
  TeamMessagePlayer players[MAX_PLAYERS];
  TeamMessagePass pass;
};

// The team's settings that both ends of a message must share.
struct TeamMessageSettings
{
  const char *identifier = "";
  // The team's side, 'l' or 'r': the frame the coordinates are in.
  char side = 'l';
  int encryptKey = 0;
  // Confidence travels as the number of cycles it would take to decay to
  // it, which is exact for what the world model decays by this factor.
  float confDrop = 0.962f;
  // The fastest a reported ball or player can move: the server caps speed
  // before it moves an object and decays it after, so no report exceeds
  // the maximum times the decay.
  float ballSpeedMax = 2.7f * 0.94f;
  float playerSpeedMax = 1.0f * 0.4f;
};

// Turns a team message into the text said to the team and back. The text
// is the identifier followed by symbols of a 64-character alphabet that the
// server relays unchanged inside a say, 511 characters in all; its last
// symbols are a code of the rest keyed by the team's key and identifier, so
// that a garbled text, or one made by anybody who lacks the key (every
// player on the pitch hears every say), is refused.
class CMessageCoder
{
public:
  static const int MESSAGE_LENGTH = 511;
  static const int MAX_IDENTIFIER_LENGTH = 10;

  explicit CMessageCoder(const TeamMessageSettings &settings);

  // Whether the identifier can head a say: 1 to 10 characters that the
  // server relays unchanged.
  static bool UsableIdentifier(const char *identifier);

  // Writes the message's text with its terminator into out (at least
  // MESSAGE_LENGTH + 1 bytes). False, with out empty, when the identifier
  // cannot head a say or the message's numbers do not fit (a time outside
  // 0 to 65535, a sender outside 1 to 11).
  bool Encode(const TeamMessage &message, char *out, std::size_t size) const;
  // Reads a heard text. False when it is not exactly a message of this team
  // as Encode writes it: another length, identifier or side, a symbol
  // outside the alphabet, a check that fails, or a value outside its
  // field's range.
  bool Decode(const char *text, TeamMessage &message) const;

  // The time stamp as it travels, and back. A listener whose key differs
  // reads another cycle, and so takes the message for an old one.
  static int EncryptTimeStamp(int time, int key);
  static int DecryptTimeStamp(int stamp, int key);

private:
  bool DecodeInto(const char *text, TeamMessage &message) const;

  TeamMessageSettings m_Settings;
};

#endif
