// SPDX-License-Identifier: GPL-3.0-or-later
// runstat COMMAND [ARGS...]: runs COMMAND and prints one line to stdout:
// "WALL_MS CPU_MS PEAK_KIB", wall-clock time from start to exit, user plus
// system CPU time and peak resident memory of the command. The command's own
// stdout goes to stderr, so the line is all stdout carries. The exit status
// is the command's (128 + signal when it was killed, 127 when it could not
// be started).
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

double milliseconds(const timeval& t)
{
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

double since(const timespec& start)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec - start.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec - start.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s COMMAND [ARGS...]\n", argv[0]);
        return 2;
    }
    std::fflush(stdout);
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t child = fork();
    if (child < 0) {
        std::fprintf(stderr, "%s: fork: %s\n", argv[0], std::strerror(errno));
        return 127;
    }
    if (child == 0) {
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(argv[1], argv + 1);
        std::fprintf(stderr, "%s: cannot start %s: %s\n", argv[0], argv[1], std::strerror(errno));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    pid_t waited = 0;
    do
        waited = wait4(child, &status, 0, &usage);
    while (waited < 0 && errno == EINTR);
    const double wall = since(start);
    if (waited < 0) {
        std::fprintf(stderr, "%s: wait: %s\n", argv[0], std::strerror(errno));
        return 127;
    }
    std::printf("%.3f %.3f %ld\n", wall, milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime), usage.ru_maxrss);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return WEXITSTATUS(status);
}
