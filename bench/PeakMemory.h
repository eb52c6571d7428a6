// The process's peak resident memory, for the benchmarks that report it.
#pragma once

#include <sys/resource.h>

namespace qbx::bench {

inline long PeakMemoryMiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024; // kilobytes on Linux
}

} // namespace qbx::bench
