#include "AudioScan.h"

#include <cstring>

#include "BoundedScan.h"

bool ScanHear(const char *text, std::size_t length, HeardMessage &heard)
{
    heard.sender = HearSender::None;
    heard.direction = 0;
    heard.text[0] = '\0';
    int n = -1;
    BoundedScan(text, length, "(hear %d%n", &heard.time, &n);
    if (n < 0)
        return false;
    // The sender starts after the blank that follows the time.
    std::size_t pos = static_cast<std::size_t>(n) + 1;
    if (pos >= length)
        return true;
    const char *sender = text + pos;
    const std::size_t rest = length - pos;
    switch (*sender)
    {
    case 'r':
        if (BoundedScan(sender, rest, "referee  %639[^)]", heard.text) == 1)
            heard.sender = HearSender::Referee;
        break;
    case 's':
        if (BoundedScan(sender, rest, "self %639[^)]", heard.text) == 1)
            heard.sender = HearSender::Self;
        break;
    case 'o':
        if (rest >= 17 && std::strncmp(sender, "online_coach_left", 17) == 0)
        {
            if (BoundedScan(sender, rest, "online_coach_left %639[^)]", heard.text) == 1)
                heard.sender = HearSender::Coach;
        }
        else if (BoundedScan(sender, rest, "online_coach_right %639[^)]", heard.text) == 1)
            heard.sender = HearSender::Coach;
        break;
    default:
        if (BoundedScan(sender, rest, "%d  %639[^)]", &heard.direction, heard.text) == 2)
            heard.sender = HearSender::Player;
        break;
    }
    if (heard.sender == HearSender::None)
    {
        heard.direction = 0;
        heard.text[0] = '\0';
    }
    return true;
}
