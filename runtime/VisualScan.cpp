#include "VisualScan.h"

#include "BoundedScan.h"

namespace
{

const float kNoValue = static_cast<float>(kNotGiven);

char At(const char *text, std::size_t length, std::size_t pos)
{
    return pos < length ? text[pos] : '\0';
}

// The forms below are read with BoundedScan's own steps rather than by
// BoundedScan, which would read each form anew for every object of every
// visual. This is what its %n gives at the end of a form begun at
// text + pos: the characters read, or -1 when a step failed.
int Consumed(const char *text, std::size_t pos, const char *at, bool read)
{
    return read ? static_cast<int>(at - (text + pos)) : -1;
}

// Where an object whose scan stopped early ends: past the closing
// parentheses it still had ahead of pos (two while its name is still open,
// one after), or at the end of the text. Keeps one malformed object from
// taking the rest of the message with it.
std::size_t SkipCloses(const char *text, std::size_t length, std::size_t pos, int closes)
{
    while (closes > 0 && pos < length && text[pos] != '\0')
    {
        if (text[pos] == ')')
            --closes;
        ++pos;
    }
    return pos;
}

// The values of an object after its name, "12.3 -5) ..." or, with the two
// changes, "12.3 -5 0.1 0.2) ..." (a real server sends changes even for a
// goal). Starts just after the name's closing parenthesis; returns the count
// up to just past the object's closing parenthesis. A player's changes come
// with its body and head facings when those are asked for; two changes
// without the facings also end at the object's closing parenthesis.
std::size_t ScanValues(const char *text, std::size_t length, std::size_t pos, float &distance,
                       float &direction, float &distanceChange, float &directionChange,
                       float *bodyFacing = nullptr, float *headFacing = nullptr)
{
    const char *end = text + length;
    const char *at = text + pos;
    int n = Consumed(text, pos, at, ScanFloatAt(at, end, distance) && ScanFloatAt(at, end, direction));
    if (n < 0)
        return SkipCloses(text, length, pos, 1);
    pos += static_cast<std::size_t>(n);
    if (At(text, length, pos) == ')')
        return pos + 1;
    // " %f %f %f %f)" with the facings, else " %f %f)".
    at = text + pos;
    bool read = ScanFloatAt(at, end, distanceChange) && ScanFloatAt(at, end, directionChange);
    if (read && bodyFacing != nullptr && headFacing != nullptr)
        read = ScanFloatAt(at, end, *bodyFacing) && ScanFloatAt(at, end, *headFacing);
    n = Consumed(text, pos, at, read && MatchAt(at, end, ")"));
    if (n < 0)
        return SkipCloses(text, length, pos, 1);
    return pos + static_cast<std::size_t>(n);
}

// Consumes a literal part of an object's text; false (and pos unchanged)
// when the text differs.
bool Expect(const char *text, std::size_t length, std::size_t &pos, const char *literal)
{
    std::size_t p = pos;
    for (; *literal != '\0'; ++literal, ++p)
        if (At(text, length, p) != *literal)
            return false;
    pos = p;
    return true;
}

// An object whose name is a single letter, "B) 1.2 180)": the name, then the
// values.
std::size_t ScanLetterObject(const char *text, std::size_t length, const char *name, float &distance,
                             float &direction, float &distanceChange, float &directionChange)
{
    std::size_t pos = 0;
    if (!Expect(text, length, pos, name))
        return SkipCloses(text, length, pos, 2);
    return ScanValues(text, length, pos, distance, direction, distanceChange, directionChange);
}

} // namespace

std::size_t ScanVisualTime(const char *text, std::size_t length, int &time)
{
    const char *at = text;
    const int n = Consumed(text, 0, at, MatchAt(at, text + length, "(see ") && ScanIntAt(at, text + length, time));
    return n < 0 ? 0 : static_cast<std::size_t>(n);
}

// ((p "OtherTeam" 1 goalie) 3 0 -0 0 -176 -176)  ((p "TestTeam") 24.5 -3)
// ((p) 60.3 12)  ((P) 1.1 45)
std::size_t ScanPlayer(const char *text, std::size_t length, bool named, SeenPlayer &player)
{
    player.number = kNotGiven;
    player.team = 'u';
    player.teamName[0] = '\0';
    player.distance = player.direction = kNoValue;
    player.distanceChange = player.directionChange = kNoValue;
    player.bodyFacing = player.headFacing = kNoValue;
    player.goalie = false;

    std::size_t pos = 0;
    if (!named)
    {
        player.number = 0;
        player.team = 'c';
        return ScanLetterObject(text, length, "P)", player.distance, player.direction, player.distanceChange,
                                player.directionChange);
    }
    if (!Expect(text, length, pos, "p"))
        return SkipCloses(text, length, pos, 2);
    if (At(text, length, pos) == ')')
    {
        float ignored = kNoValue;
        return ScanValues(text, length, pos + 1, player.distance, player.direction, ignored, ignored);
    }

    const char *end = text + length;
    const char *at = text + pos;
    const std::size_t kTeamWidth = sizeof player.teamName - 1;
    int n = Consumed(text, pos, at, MatchAt(at, end, " \"") && ScanUntilAt(at, end, kTeamWidth, '"', player.teamName));
    if (n < 0)
    {
        player.teamName[0] = '\0';
        return SkipCloses(text, length, pos, 2);
    }
    pos += static_cast<std::size_t>(n);
    // A name longer than the field is cut; the rest of it is skipped.
    while (At(text, length, pos) != '"' && At(text, length, pos) != '\0')
        ++pos;
    if (!Expect(text, length, pos, "\""))
        return pos;
    if (At(text, length, pos) == ')')
    {
        float ignored = kNoValue;
        return ScanValues(text, length, pos + 1, player.distance, player.direction, ignored, ignored);
    }

    at = text + pos;
    n = Consumed(text, pos, at, ScanIntAt(at, end, player.number));
    if (n < 0)
        return SkipCloses(text, length, pos, 2);
    pos += static_cast<std::size_t>(n);
    if (At(text, length, pos) != ')')
    {
        at = text + pos;
        n = Consumed(text, pos, at, MatchAt(at, end, " goalie"));
        if (n < 0)
            return SkipCloses(text, length, pos, 2);
        pos += static_cast<std::size_t>(n);
        player.goalie = true;
        if (At(text, length, pos) != ')')
            return SkipCloses(text, length, pos, 2);
    }
    ++pos;  // the name's closing parenthesis
    return ScanValues(text, length, pos, player.distance, player.direction, player.distanceChange,
                      player.directionChange, &player.bodyFacing, &player.headFacing);
}

namespace
{

// Goals and lines: a side letter after the kind's letter, or the upper-case
// letter alone (side 'c'), then distance and direction. Changes, which a
// real server sends for a close goal, are read and dropped.
std::size_t ScanSidedObject(const char *text, std::size_t length, bool named, char letter, char &side,
                            float &distance, float &direction)
{
    side = 'c';
    distance = direction = kNoValue;
    float changes = kNoValue;
    if (!named)
    {
        const char unnamed[] = {static_cast<char>(letter - 'a' + 'A'), ')', '\0'};
        return ScanLetterObject(text, length, unnamed, distance, direction, changes, changes);
    }
    side = 'u';
    int n = -1;
    if (At(text, length, 0) == letter)
    {
        // " %c)"
        const char *at = text + 1;
        SkipBlanksAt(at, text + length);
        n = Consumed(text, 1, at, ScanCharAt(at, text + length, side) && MatchAt(at, text + length, ")"));
    }
    if (n < 0)
        return SkipCloses(text, length, 0, 2);
    return ScanValues(text, length, 1 + static_cast<std::size_t>(n), distance, direction, changes, changes);
}

} // namespace

// ((g r) 62.8 0)  ((g l) 12.3 -5 0.1 0.2)  ((G) 1.5 -179)
std::size_t ScanGoal(const char *text, std::size_t length, bool named, SeenGoal &goal)
{
    return ScanSidedObject(text, length, named, 'g', goal.side, goal.distance, goal.direction);
}

// ((b) 2.7 -32 0 0)  ((b) 40.4 -9)  ((B) 1.2 180)
std::size_t ScanBall(const char *text, std::size_t length, bool named, SeenBall &ball)
{
    ball.distance = ball.direction = ball.distanceChange = ball.directionChange = kNoValue;
    ball.close = named ? 0 : 1;
    return ScanLetterObject(text, length, named ? "b)" : "B)", ball.distance, ball.direction,
                            ball.distanceChange, ball.directionChange);
}

// ((l r) 52.6 -39)  ((L) 3 4)
std::size_t ScanLine(const char *text, std::size_t length, bool named, SeenLine &line)
{
    return ScanSidedObject(text, length, named, 'l', line.side, line.distance, line.direction);
}

// ((f c) 10 0 0 0)  ((f l b 10) 48.4 23)  ((f t 0) 21.1 -5 0 0)  ((f g r b) 62.8 6)
// ((f p l c) 26.3 37 0 0)  ((f c t) 9.5 18)  ((f r 0) 47.9 35)  ((F) 2.1 170)
std::size_t ScanFlag(const char *text, std::size_t length, bool named, SeenFlag &flag)
{
    flag.kind = flag.across = flag.along = 'u';
    flag.number = kNotGiven;
    flag.distance = flag.direction = flag.distanceChange = flag.directionChange = kNoValue;
    flag.knownName = true;
    std::size_t pos = 0;
    if (!named)
        return ScanLetterObject(text, length, "F)", flag.distance, flag.direction, flag.distanceChange,
                                flag.directionChange);
    if (!Expect(text, length, pos, "f "))
        return SkipCloses(text, length, pos, 2);

    // The name's letters up to, not including, its closing parenthesis; a
    // letter read by %c is stored only when the whole name matched.
    const std::size_t nameStart = pos;
    char first = At(text, length, pos);
    char across = 'u';
    char along = 'u';
    int number = kNotGiven;
    int n = -1;
    const char *end = text + length;
    const char *at = nullptr;
    switch (first)
    {
    case 't':
    case 'b':
        pos = pos + 2 < length ? pos + 2 : length;
        if (At(text, length, pos) == '0')
        {
            number = 0;
            n = 1;
        }
        else
        {
            // "%c %d"
            at = text + pos;
            n = Consumed(text, pos, at, ScanCharAt(at, end, across) && ScanIntAt(at, end, number));
        }
        along = first;
        break;
    case 'l':
    case 'r':
        pos = pos + 2 < length ? pos + 2 : length;
        across = first;
        if (At(text, length, pos) == '0')
        {
            number = 0;
            n = 1;
        }
        else if (At(text, length, pos + 1) == ')')
        {
            along = At(text, length, pos);
            n = 1;
        }
        else
        {
            at = text + pos;
            n = Consumed(text, pos, at, ScanCharAt(at, end, along) && ScanIntAt(at, end, number));
            flag.kind = 'h';
        }
        break;
    case 'p':
    case 'g':
        flag.kind = first;
        pos = pos + 1 < length ? pos + 1 : length;
        // " %c %c"
        at = text + pos;
        SkipBlanksAt(at, end);
        if (ScanCharAt(at, end, across))
        {
            SkipBlanksAt(at, end);
            n = Consumed(text, pos, at, ScanCharAt(at, end, along));
        }
        break;
    case 'c':
        across = 'c';
        pos = pos + 1 < length ? pos + 1 : length;
        if (At(text, length, pos) == ')')
            n = 0;
        else
        {
            // " %c"
            at = text + pos;
            SkipBlanksAt(at, end);
            n = Consumed(text, pos, at, ScanCharAt(at, end, along));
        }
        break;
    default:
        n = -1;
        break;
    }
    if (n < 0 || At(text, length, pos + static_cast<std::size_t>(n)) != ')')
    {
        flag.kind = 'u';
        flag.knownName = false;
        return SkipCloses(text, length, nameStart, 2);
    }
    flag.across = across;
    flag.along = along;
    flag.number = number;
    pos += static_cast<std::size_t>(n) + 1;
    return ScanValues(text, length, pos, flag.distance, flag.direction, flag.distanceChange,
                      flag.directionChange);
}
