#pragma once
// The processor time used by the calling thread, in milliseconds: on a busy machine a wall-clock figure
// for one short step mostly measures how long the scheduler kept the process waiting.
#if defined(_WIN32)
#include <windows.h>
#else
#include <time.h>
#endif

namespace lumio::bench {

inline double threadCpuMilliseconds() {
#if defined(_WIN32)
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    const auto ticks = [](FILETIME time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 1e4;  // 100 ns units
#else
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
#endif
}

}  // namespace lumio::bench
