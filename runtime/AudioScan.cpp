#include "AudioScan.h"

#include <cstring>

#include "BoundedScan.h"

namespace
{
const std::size_t kTextWidth = sizeof(HeardMessage::text) - 1;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The heard text at from: blanks skipped, then up to the first ')', the end
// or a NUL, cut to the buffer. False, with out untouched, when it is empty.
// A say of a team-mate is some five hundred characters, so this is the
// hearing's inner loop, and runs on memchr and strnlen.
bool CopyText(const char *from, std::size_t rest, char *out)
{
    std::size_t skip = 0;
    while (skip < rest && from[skip] != '\0' && IsBlank(from[skip]))
        skip++;
    from += skip;
    rest -= skip;
    std::size_t limit = rest < kTextWidth ? rest : kTextWidth;
    const void *paren = std::memchr(from, ')', limit);
    if (paren != nullptr)
        limit = static_cast<std::size_t>(static_cast<const char *>(paren) - from);
    const std::size_t count = strnlen(from, limit);
    if (count == 0)
        return false;
    std::memcpy(out, from, count);
    out[count] = '\0';
    return true;
}

// A sender's word, then its text: as scanning "WORD %639[^)]".
bool WordThenText(const char *from, std::size_t rest, const char *word, char *out)
{
    const std::size_t length = std::strlen(word);
    if (rest < length || std::strncmp(from, word, length) != 0)
        return false;
    return CopyText(from + length, rest - length, out);
}
}  // namespace

bool ScanHear(const char *text, std::size_t length, HeardMessage &heard)
{
    heard.sender = HearSender::None;
    heard.direction = 0;
    heard.text[0] = '\0';
    // "(hear %d", read with BoundedScan's steps.
    const char *at = text;
    if (!MatchAt(at, text + length, "(hear ") || !ScanIntAt(at, text + length, heard.time))
        return false;
    // The sender starts after the blank that follows the time.
    std::size_t pos = static_cast<std::size_t>(at - text) + 1;
    if (pos >= length)
        return true;
    const char *sender = text + pos;
    const std::size_t rest = length - pos;
    switch (*sender)
    {
    case 'r':
        if (WordThenText(sender, rest, "referee", heard.text))
            heard.sender = HearSender::Referee;
        break;
    case 's':
        if (WordThenText(sender, rest, "self", heard.text))
            heard.sender = HearSender::Self;
        break;
    case 'o':
        if (rest >= 17 && std::strncmp(sender, "online_coach_left", 17) == 0)
        {
            if (WordThenText(sender, rest, "online_coach_left", heard.text))
                heard.sender = HearSender::Coach;
        }
        else if (WordThenText(sender, rest, "online_coach_right", heard.text))
            heard.sender = HearSender::Coach;
        break;
    default: {
        const char *after = sender;
        if (ScanIntAt(after, sender + rest, heard.direction) &&
            CopyText(after, rest - static_cast<std::size_t>(after - sender), heard.text))
            heard.sender = HearSender::Player;
        break;
    }
    }
    if (heard.sender == HearSender::None)
    {
        heard.direction = 0;
        heard.text[0] = '\0';
    }
    return true;
}
