#include "MCAutoLogger.h"

#include "MCString.h"

#include <iostream>

MCAutoLogger::MCAutoLogger() : limit(40), stdlimit(40), levelshift(0)
{
}

MCAutoLogger::~MCAutoLogger()
{
}

void MCAutoLogger::Limit(int n)
{
    // Errors always pass, so a limit below the error level is meaningless.
    limit = n < 2 ? 1 : n;
}

void MCAutoLogger::StdLimit(int n)
{
    stdlimit = n;
}

void MCAutoLogger::LevelShift(int n)
{
    levelshift = n;
}

void MCAutoLogger::Log(int level, const MCString &message)
{
    if (level <= 1)
        writelog(1, message);
    else if (level <= limit)
        writelog(level + levelshift, message);

    if (level <= stdlimit) {
        for (int i = level / 10; i > 0; --i)
            std::cout << ' ';
        std::cout << message << std::endl;
    }
    if (level <= 1)
        std::cerr << message << std::endl;
}

void MCAutoLogger::writelog(int, const MCString &)
{
}
