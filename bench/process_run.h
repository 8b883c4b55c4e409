#pragma once
// Runs a command-line program as a whole process and reports its wall time and peak resident memory.
// POSIX only (posix_spawn, wait4); elsewhere the memory figure is 0.
#include <chrono>
#include <string>
#include <vector>

#if defined(__unix__)
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#else
#include <cstdlib>
#endif

namespace lumio::bench {

// Runs `work` in a forked child and waits for it, so that the memory it takes never counts in this
// process. A child spawned later inherits this process's peak resident size in its own figure (Linux
// keeps it across exec), so the bench keeps its own peak small by building large inputs this way.
template <class Work>
void runInChild(Work&& work) {
#if defined(__unix__)
    const pid_t child = fork();
    if (child == 0) {
        work();
        _exit(0);
    }
    int status = 0;
    if (child > 0) waitpid(child, &status, 0);
#else
    work();
#endif
}

// Peak resident size of this process so far, in MB (0 where unknown): a floor under every child's figure.
inline double ownPeakMegabytes() {
#if defined(__unix__)
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
#else
    return 0;
#endif
}

struct ProcessRun {
    bool ok = false;
    double milliseconds = 0;
    double peakMegabytes = 0;  // peak resident set of the child
    double cpuMilliseconds = 0;  // user + system time of the child
};

// Runs `program` with `arguments`, standard output discarded.
inline ProcessRun runProcess(const std::string& program, const std::vector<std::string>& arguments) {
    ProcessRun run;
    const auto start = std::chrono::steady_clock::now();
#if defined(__unix__)
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return run;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) return run;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
    const auto milliseconds = [](const timeval& time) { return time.tv_sec * 1000.0 + time.tv_usec / 1000.0; };
    run.cpuMilliseconds = milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
#else
    std::string command = "\"" + program + "\"";
    for (const std::string& argument : arguments) command += " \"" + argument + "\"";
    run.ok = std::system((command + " > NUL").c_str()) == 0;
#endif
    run.milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return run;
}

}  // namespace lumio::bench
