#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "SensorsRig.h"
#include "Trace.h"

namespace
{

// Whether a client section of a trace is a player speaking protocol 6: its
// first registration names version 6 (6, 6.00, 6.99 are all protocol 6), or
// it reconnects a player of the 6.00 team. A reconnection of a number that
// never registered gets the server's oldest protocol (its sense_body lacks
// the neck), so it is no protocol-6 player.
bool IsProtocol6Player(const std::vector<TraceRecord> &records, const std::string &client)
{
  if (client.find("never connected") != std::string::npos)
    return false;
  for (const TraceRecord &r : records)
  {
    if (r.client != client || r.received || r.port != 6000)
      continue;
    if (r.bytes.compare(0, 10, "(reconnect") == 0)
      return true;
    if (r.bytes.compare(0, 5, "(init") == 0)
      return r.bytes.find("(version 6") != std::string::npos;
  }
  return false;
}

bool StartsWith(const std::string &s, const char *prefix)
{
  return s.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

std::size_t CountOf(const std::string &s, const std::string &part)
{
  std::size_t count = 0;
  for (std::size_t at = s.find(part); at != std::string::npos; at = s.find(part, at + 1))
    ++count;
  return count;
}

// The message with every number replaced by N: messages of one shape take
// the same paths through the parsers.
std::string ShapeOf(const std::string &bytes)
{
  std::string shape;
  for (std::size_t i = 0; i < bytes.size(); ++i)
  {
    const char c = bytes[i];
    const bool digit = c >= '0' && c <= '9';
    const bool sign = c == '-' && i + 1 < bytes.size() && bytes[i + 1] >= '0' && bytes[i + 1] <= '9';
    if (!digit && !sign)
    {
      shape += c;
      continue;
    }
    while (i + 1 < bytes.size() && ((bytes[i + 1] >= '0' && bytes[i + 1] <= '9') || bytes[i + 1] == '.'))
      ++i;
    shape += 'N';
  }
  return shape;
}

// Swallows what it is given, so that the error lines of mangled messages
// cost no system calls.
class NullBuffer : public std::streambuf
{
protected:
  int overflow(int c) override { return c == traits_type::eof() ? 0 : c; }
  std::streamsize xsputn(const char *, std::streamsize n) override { return n; }
};

using TraceReplayTest = SensorsFixture;

}  // namespace

TEST_F(TraceReplayTest, EveryRecordedMessageOfAPlayerParsesCleanly)
{
  int seen = 0, heard = 0, sensed = 0;
  for (const std::string &file : TraceFiles(TEST_DATA_DIR))
  {
    const std::vector<TraceRecord> records = ReadTrace(file);
    std::map<std::string, bool> protocol6;
    bool highQuality = true;
    for (const TraceRecord &r : records)
    {
      auto known = protocol6.find(r.client);
      if (known == protocol6.end())
        known = protocol6.emplace(r.client, IsProtocol6Player(records, r.client)).first;
      if (!r.received || !known->second)
        continue;
      const bool see = StartsWith(r.bytes, "(see ");
      const bool body = StartsWith(r.bytes, "(sense_body ");
      const bool hear = StartsWith(r.bytes, "(hear ");
      if (body)
        highQuality = r.bytes.find("(view_mode high") != std::string::npos;

      agent.Clear();
      agent.SetLastVisualTime(-1);  // so that every visual is read, not only the first of its time
      std::ostringstream captured;
      std::streambuf *stderrBuffer = std::cerr.rdbuf(captured.rdbuf());
      agent.Analyse(r.bytes);
      std::cerr.rdbuf(stderrBuffer);
      const std::string err = captured.str();
      if (!(body || hear || (see && highQuality)))
        continue;
      EXPECT_EQ(std::string::npos, err.find("ERROR")) << file << ": " << r.bytes << "\n" << err;
      if (see)
      {
        // Every object is written, then the updates run once.
        ASSERT_FALSE(agent.calls.empty()) << r.bytes;
        EXPECT_EQ(CountOf(r.bytes, "(("), agent.calls.size() - 1) << file << ": " << r.bytes;
        EXPECT_EQ("updates", agent.calls.back());
        ++seen;
      }
      heard += hear ? 1 : 0;
      sensed += body ? 1 : 0;
    }
  }
  EXPECT_GT(seen, 1000);
  EXPECT_GT(heard, 100);
  EXPECT_GT(sensed, 2000);
}

namespace
{

// The forms of the objects of a visual message's shape, "((f c) N N)".
std::vector<std::string> ObjectForms(const std::string &shape)
{
  std::vector<std::string> forms;
  for (std::size_t at = shape.find("(("); at != std::string::npos; at = shape.find("((", at + 2))
  {
    std::size_t nameEnd = shape.find(')', at);
    std::size_t end = nameEnd == std::string::npos ? nameEnd : shape.find(')', nameEnd + 1);
    if (end == std::string::npos)
      break;
    forms.push_back(shape.substr(at, end + 1 - at));
  }
  return forms;
}

// One recorded message of every shape, except that of the visual messages
// only as many are kept as carry every object form between them: the cost
// of cutting grows with the square of the length.
std::vector<std::string> RecordedForms()
{
  std::map<std::string, std::string> shapes;
  for (const std::string &file : TraceFiles(TEST_DATA_DIR))
    for (const TraceRecord &r : ReadTrace(file))
      if (r.received)
      {
        std::string &kept = shapes[ShapeOf(r.bytes)];
        if (r.bytes.size() > kept.size())
          kept = r.bytes;
      }
  std::vector<std::string> forms;
  std::map<std::string, bool> objectsCovered;
  for (const auto &entry : shapes)
  {
    if (!StartsWith(entry.second, "(see "))
    {
      forms.push_back(entry.second);
      continue;
    }
    bool adds = false;
    for (const std::string &object : ObjectForms(entry.first))
      if (!objectsCovered[object])
        adds = objectsCovered[object] = true;
    if (adds)
      forms.push_back(entry.second);
  }
  return forms;
}

}  // namespace

// Whatever arrives on the port, cut anywhere or with any byte changed, the
// parsers stay inside their buffers and come to an end.
TEST_F(TraceReplayTest, CutAndMangledMessagesNeitherCrashNorOverrun)
{
  const std::vector<std::string> forms = RecordedForms();
  ASSERT_GT(forms.size(), 50u);

  NullBuffer null;
  std::streambuf *err = std::cerr.rdbuf(&null);
  agent.recording = false;
  const char nasty[] = {')', '(', ' ', '\0', '"', 'f', '-', '9', '.', 'e', '\xff', 'p', 'g'};
  std::size_t analysed = 0;
  for (const std::string &bytes : forms)
  {
    // Messages the dispatcher only reports are decided by their first
    // characters; cutting them further only copies bytes.
    const bool parsed = StartsWith(bytes, "(see ") || StartsWith(bytes, "(hear ") || StartsWith(bytes, "(sense_body ");
    const std::size_t reach = parsed ? bytes.size() : std::min<std::size_t>(bytes.size(), 16);
    for (std::size_t cut = 0; cut <= reach; ++cut)
    {
      agent.SetLastVisualTime(-1);
      agent.Sensors()->Receive(bytes.data(), cut);
      agent.Sensors()->AnalyseData();
      ++analysed;
    }
    std::string mangled = bytes;
    for (std::size_t i = 0; i < reach; ++i)
    {
      const char kept = mangled[i];
      mangled[i] = nasty[i % sizeof nasty];
      agent.SetLastVisualTime(-1);
      agent.Analyse(mangled);
      mangled[i] = kept;
      ++analysed;
    }
  }
  std::cerr.rdbuf(err);
  EXPECT_GT(analysed, 10000u);
}
