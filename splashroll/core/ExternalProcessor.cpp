#include "ExternalProcessor.h"

#include <cerrno>
#include <string>

#ifdef _WIN32
#include <process.h>
#else
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;
#endif

namespace splashroll {

bool ExternalProcessor::run(const std::string& command)
{
    const std::string program = program_.string();
    std::string slashC = "/c";
    std::string text = command;
#ifdef _WIN32
    const char* argv[] = {program.c_str(), slashC.c_str(), text.c_str(), nullptr};
    return _spawnv(_P_WAIT, program.c_str(), argv) == 0;
#else
    std::string name = program;
    char* argv[] = {name.data(), slashC.data(), text.data(), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, environ) != 0)
        return false;
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
#endif
}

} // namespace splashroll
