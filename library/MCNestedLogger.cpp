#include "MCNestedLogger.h"

#include "MCAutoLogger.h"
#include "MCString.h"

#include <iostream>

MCAutoLogger *MCLog::LogObject = nullptr;

int MCNestLog::current_level = 10;
int MCNestLog::base_level = 10;
int MCNestLog::level_step = 10;

void MCLog::LogTo(MCAutoLogger *logger)
{
    LogObject = logger;
}

void MCLog::Log(int level, const MCString &message)
{
    if (LogObject != nullptr) {
        LogObject->Log(level, message);
        return;
    }
    std::cerr << "MCLog::Log(" << level << ",\"" << message << "\"); // No log" << std::endl;
}

MCNestLog::MCNestLog()
{
    current_level += level_step;
}

MCNestLog::~MCNestLog()
{
    current_level -= level_step;
    if (current_level < base_level)
        current_level = base_level;
}

void MCNestLog::NLog(const MCString &message)
{
    MCLog::Log(current_level, message);
}

void MCNestLog::SetBase(int n)
{
    if (n <= 0)
        return;
    current_level = n + (current_level - base_level);
    base_level = n;
}

void MCNestLog::SetStep(int n)
{
    if (n <= 0)
        return;
    int depth = (current_level - base_level) / level_step;
    level_step = n;
    current_level = base_level + depth * n;
}
