#include "MCFileLog.h"

#include "MCString.h"

#include <fcntl.h>
#include <unistd.h>

std::ofstream MCFileLog::logfile;

void MCFileLog::LogTo(const MCString &filename)
{
    if (logfile.is_open())
        logfile.close();
    logfile.clear();
    const char *name = filename;
    if (name == nullptr)
        name = "";
    // The stream cannot choose the permission bits of a new file, so the file
    // is created here first with the ones log files get.
    int fd = ::open(name, O_WRONLY | O_CREAT | O_TRUNC, 0664);
    if (fd >= 0)
        ::close(fd);
    logfile.open(name, std::ios::out | std::ios::trunc);
}

void MCFileLog::writelog(int level, const MCString &message)
{
    for (int i = level / 10; i > 0; --i)
        logfile << ' ';
    logfile << message << std::endl;
}
