#include "Trace.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace
{

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

// The bytes of an escaped payload: \\ \0 \n \r \t and \xHH.
static std::string UnescapeTracePayload(const std::string &escaped)
{
    std::string bytes;
    bytes.reserve(escaped.size());
    for (std::size_t i = 0; i < escaped.size(); ++i)
    {
        char c = escaped[i];
        if (c != '\\' || i + 1 == escaped.size())
        {
            bytes += c;
            continue;
        }
        char e = escaped[++i];
        switch (e)
        {
        case '\\': bytes += '\\'; break;
        case '0': bytes += '\0'; break;
        case 'n': bytes += '\n'; break;
        case 'r': bytes += '\r'; break;
        case 't': bytes += '\t'; break;
        case 'x':
            if (i + 2 < escaped.size() && HexDigit(escaped[i + 1]) >= 0 && HexDigit(escaped[i + 2]) >= 0)
            {
                bytes += static_cast<char>(HexDigit(escaped[i + 1]) * 16 + HexDigit(escaped[i + 2]));
                i += 2;
                break;
            }
            throw std::runtime_error("bad \\x escape in trace payload: " + escaped);
        default:
            throw std::runtime_error("unknown escape in trace payload: " + escaped);
        }
    }
    return bytes;
}

std::vector<TraceRecord> ReadTrace(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read trace " + path);
    std::vector<TraceRecord> records;
    std::string client;
    std::string line;
    const std::string clientMark = "# client:";
    while (std::getline(in, line))
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        if (line[0] == '#')
        {
            if (line.compare(0, clientMark.size(), clientMark) == 0)
            {
                std::size_t start = line.find_first_not_of(' ', clientMark.size());
                client = start == std::string::npos ? "" : line.substr(start);
            }
            continue;
        }
        std::size_t t1 = line.find('\t');
        std::size_t t2 = t1 == std::string::npos ? t1 : line.find('\t', t1 + 1);
        std::size_t t3 = t2 == std::string::npos ? t2 : line.find('\t', t2 + 1);
        if (t3 == std::string::npos)
            throw std::runtime_error("malformed trace line in " + path + ": " + line);
        TraceRecord record;
        std::string dir = line.substr(0, t1);
        if (dir != "recv" && dir != "sent")
            throw std::runtime_error("unknown direction in " + path + ": " + line);
        record.received = dir == "recv";
        record.ms = std::stol(line.substr(t1 + 1, t2 - t1 - 1));
        record.port = std::stoi(line.substr(t2 + 1, t3 - t2 - 1));
        record.bytes = UnescapeTracePayload(line.substr(t3 + 1));
        record.client = client;
        records.push_back(std::move(record));
    }
    return records;
}

std::vector<std::string> TraceFiles(const std::string &directory)
{
    std::vector<std::string> files;
    for (const auto &entry : std::filesystem::directory_iterator(directory))
        if (entry.is_regular_file() && entry.path().extension() == ".trace")
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}
