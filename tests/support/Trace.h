#ifndef TRACE_H
#define TRACE_H

#include <string>
#include <vector>

// The recorded server traces of tests/data (format in its README.md): one
// datagram a line, "DIR <TAB> MS <TAB> PORT <TAB> PAYLOAD", the payload
// escaped. Comment lines are skipped, except that "# client: ..." starts the
// section of a new client, whose text the following records carry.
struct TraceRecord
{
    bool received;       // "recv" (server to client); false for "sent"
    long ms;             // since the scenario started
    int port;            // the server's port
    std::string bytes;   // the datagram as it went over the wire, NULs included
    std::string client;  // the "# client:" line's text, empty before the first
};

// Reads a whole trace file; throws std::runtime_error when it cannot be read
// or a line is malformed.
std::vector<TraceRecord> ReadTrace(const std::string &path);

// The paths of the *.trace files in a directory, sorted.
std::vector<std::string> TraceFiles(const std::string &directory);

#endif
