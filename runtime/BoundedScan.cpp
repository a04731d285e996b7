#include "BoundedScan.h"

#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdarg>

namespace
{

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The input side of a scan: a position that never passes the end or a NUL.
struct Input
{
    const char *pos;
    const char *end;

    bool AtEnd() const { return pos >= end || *pos == '\0'; }
    char Peek() const { return AtEnd() ? '\0' : *pos; }
    void SkipBlanks()
    {
        while (!AtEnd() && IsBlank(*pos))
            ++pos;
    }
};

bool ReadInt(Input &in, int &value)
{
    in.SkipBlanks();
    const char *p = in.pos;
    bool negative = false;
    if (in.Peek() == '-' || in.Peek() == '+')
    {
        negative = in.Peek() == '-';
        ++in.pos;
    }
    if (!IsDigit(in.Peek()))
    {
        in.pos = p;
        return false;
    }
    long long magnitude = 0;
    while (IsDigit(in.Peek()))
    {
        if (magnitude <= static_cast<long long>(INT_MAX) + 1)
            magnitude = magnitude * 10 + (*in.pos - '0');
        ++in.pos;
    }
    long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT_MAX)
        signedValue = INT_MAX;
    if (signedValue < INT_MIN)
        signedValue = INT_MIN;
    value = static_cast<int>(signedValue);
    return true;
}

bool ReadFloat(Input &in, float &value)
{
    in.SkipBlanks();
    const char *start = in.pos;
    Input probe = in;
    bool negative = false;
    if (probe.Peek() == '-' || probe.Peek() == '+')
    {
        negative = probe.Peek() == '-';
        ++probe.pos;
    }
    const char *numberStart = probe.pos;
    int digits = 0;
    while (IsDigit(probe.Peek()))
    {
        ++probe.pos;
        ++digits;
    }
    if (probe.Peek() == '.')
    {
        ++probe.pos;
        while (IsDigit(probe.Peek()))
        {
            ++probe.pos;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    // An exponent counts only when digits follow it, as with strtof.
    if (probe.Peek() == 'e' || probe.Peek() == 'E')
    {
        Input exponent = probe;
        ++exponent.pos;
        if (exponent.Peek() == '-' || exponent.Peek() == '+')
            ++exponent.pos;
        if (IsDigit(exponent.Peek()))
        {
            while (IsDigit(exponent.Peek()))
                ++exponent.pos;
            probe = exponent;
        }
    }
    float magnitude = 0.0f;
    std::from_chars_result result = std::from_chars(numberStart, probe.pos, magnitude);
    if (result.ec != std::errc() || result.ptr != probe.pos || !std::isfinite(magnitude))
    {
        in.pos = start;
        return false;
    }
    value = negative ? -magnitude : magnitude;
    in.pos = probe.pos;
    return true;
}

// Reads the scan set of a %[ directive; returns the format just after its ']',
// or null when the set is not closed.
const char *ReadScanSet(const char *format, bool &negated, const char *&setBegin, const char *&setEnd)
{
    negated = false;
    if (*format == '^')
    {
        negated = true;
        ++format;
    }
    setBegin = format;
    if (*format == ']')
        ++format;
    while (*format != '\0' && *format != ']')
        ++format;
    if (*format != ']')
        return nullptr;
    setEnd = format;
    return format + 1;
}

bool InSet(char c, const char *setBegin, const char *setEnd)
{
    for (const char *s = setBegin; s < setEnd; ++s)
        if (*s == c)
            return true;
    return false;
}

} // namespace

void SkipBlanksAt(const char *&pos, const char *end)
{
    Input in{pos, end};
    in.SkipBlanks();
    pos = in.pos;
}

bool MatchAt(const char *&pos, const char *end, const char *literal)
{
    Input in{pos, end};
    for (; *literal != '\0'; ++literal)
    {
        if (IsBlank(*literal))
            in.SkipBlanks();
        else if (in.Peek() != *literal)
            return false;
        else
            ++in.pos;
    }
    pos = in.pos;
    return true;
}

bool ScanCharAt(const char *&pos, const char *end, char &value)
{
    Input in{pos, end};
    if (in.AtEnd())
        return false;
    value = *pos++;
    return true;
}

bool ScanIntAt(const char *&pos, const char *end, int &value)
{
    Input in{pos, end};
    const bool read = ReadInt(in, value);
    pos = in.pos;
    return read;
}

bool ScanFloatAt(const char *&pos, const char *end, float &value)
{
    Input in{pos, end};
    const bool read = ReadFloat(in, value);
    pos = in.pos;
    return read;
}

namespace
{
// %Ns and %N[^stop]: at least one character taken, at most width.
bool ScanRunAt(const char *&pos, const char *end, std::size_t width, bool word, char stop, char *out)
{
    Input in{pos, end};
    if (word)
        in.SkipBlanks();
    std::size_t count = 0;
    while (count < width && !in.AtEnd())
    {
        const char c = *in.pos;
        if (word ? IsBlank(c) : c == stop)
            break;
        out[count++] = c;
        ++in.pos;
    }
    pos = in.pos;
    if (count == 0)
        return false;
    out[count] = '\0';
    return true;
}
}  // namespace

bool ScanWordAt(const char *&pos, const char *end, std::size_t width, char *out)
{
    return ScanRunAt(pos, end, width, true, '\0', out);
}

bool ScanUntilAt(const char *&pos, const char *end, std::size_t width, char stop, char *out)
{
    return ScanRunAt(pos, end, width, false, stop, out);
}

int BoundedScan(const char *text, std::size_t length, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    Input in{text, text + length};
    int converted = 0;
    bool failed = false;
    while (*format != '\0' && !failed)
    {
        char f = *format;
        if (IsBlank(f))
        {
            in.SkipBlanks();
            ++format;
            continue;
        }
        if (f != '%' || format[1] == '%')
        {
            if (f == '%')
                ++format;
            if (in.Peek() != *format)
                break;
            ++in.pos;
            ++format;
            continue;
        }
        ++format;
        std::size_t width = 0;
        while (IsDigit(*format))
        {
            width = width * 10 + static_cast<std::size_t>(*format - '0');
            ++format;
        }
        char conversion = *format;
        if (conversion == '\0')
            break;
        ++format;
        switch (conversion)
        {
        case 'd':
        {
            int value = 0;
            if (ReadInt(in, value))
            {
                *va_arg(args, int *) = value;
                ++converted;
            }
            else
                failed = true;
            break;
        }
        case 'f':
        {
            float value = 0.0f;
            if (ReadFloat(in, value))
            {
                *va_arg(args, float *) = value;
                ++converted;
            }
            else
                failed = true;
            break;
        }
        case 'c':
            if (in.AtEnd())
                failed = true;
            else
            {
                *va_arg(args, char *) = *in.pos++;
                ++converted;
            }
            break;
        case 'n':
            *va_arg(args, int *) = static_cast<int>(in.pos - text);
            break;
        case 's':
        case '[':
        {
            bool negated = false;
            const char *setBegin = nullptr;
            const char *setEnd = nullptr;
            if (conversion == '[')
            {
                format = ReadScanSet(format, negated, setBegin, setEnd);
                if (format == nullptr)
                {
                    failed = true;
                    break;
                }
            }
            else
                in.SkipBlanks();
            if (width == 0)
            {
                failed = true;
                break;
            }
            char *out = va_arg(args, char *);
            std::size_t count = 0;
            while (count < width && !in.AtEnd())
            {
                char c = *in.pos;
                bool take = conversion == 's' ? !IsBlank(c) : InSet(c, setBegin, setEnd) != negated;
                if (!take)
                    break;
                out[count++] = c;
                ++in.pos;
            }
            if (count == 0)
            {
                failed = true;
                break;
            }
            out[count] = '\0';
            ++converted;
            break;
        }
        default:
            failed = true;
            break;
        }
    }
    va_end(args);
    return converted;
}
