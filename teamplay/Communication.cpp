#include "CBehaviours.h"

#include <cstring>

// A team-mate's message is a 511-character text that begins with the team's
// identifier. Shorter texts, or texts with another identifier, are other
// players' chatter (the opponents hear our says too), and are dropped
// without a word.
void CBehaviours::ParseMessage(char *text) const
{
  if (!m_UseCommunication || text == nullptr)
    return;
  if (strnlen(text, MESSAGE_MIN_LENGTH) < MESSAGE_MIN_LENGTH)
    return;
  // The identifier field may fill all its characters without a terminator;
  // only the first nine count.
  if (std::strncmp(text, m_CommId, 9) != 0)
    return;
  std::size_t length = strnlen(text, MESSAGE_BUFFER_LENGTH - 1);
  std::memcpy(m_MessageBuffer, text, length);
  m_MessageBuffer[length] = '\0';
  DeconstructMessage();
}

// Decoding the message's contents belongs to team play, which is not built
// yet: the accepted message waits in the buffer.
void CBehaviours::DeconstructMessage() const
{
}

// Saying the team's messages is not built yet.
void CBehaviours::Communicate()
{
}
