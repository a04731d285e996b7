#ifndef AUDIOSCAN_H
#define AUDIOSCAN_H

#include <cstddef>

// Scanner of a hearing message, protocol 6.00, for example
//   (hear 217 referee play_on)
//   (hear 55 self quoted hello)
//   (hear 0 online_coach_left coach_hello)
//   (hear 55 -174 quoted hello)        another player, heard from direction -174
// The heard text ends at the first ')'.

enum class HearSender
{
    None,     // no sender this agent listens to, or no text
    Referee,
    Self,
    Coach,    // an online coach of either side
    Player    // another player, given by the direction it was heard from
};

struct HeardMessage
{
    int time;
    HearSender sender;
    int direction;   // Player only
    char text[640];  // always terminated; cut to 639 characters
};

// Returns false when the text is no hearing message (its time cannot be
// read); the time is valid whenever it returns true.
bool ScanHear(const char *text, std::size_t length, HeardMessage &heard);

#endif
