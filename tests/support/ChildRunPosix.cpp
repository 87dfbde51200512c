#include "tests/support/ChildRun.h"

#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define MOONHOP_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MOONHOP_ASAN 1
#endif
#endif

#ifdef MOONHOP_ASAN
#include <cstddef>
extern "C" {
size_t __sanitizer_get_current_allocated_bytes();
int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*, size_t),
                                              void (*)(const volatile void*));
}
#endif

namespace {

long long ResidentBytes() {
    long pages = 0, resident = 0;
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return static_cast<long long>(resident) * sysconf(_SC_PAGESIZE);
}

#ifdef MOONHOP_ASAN
long long allocatedAtStart = 0;
long long allocatedPeak = 0;

void OnMalloc(const volatile void*, size_t) {
    const long long now = static_cast<long long>(__sanitizer_get_current_allocated_bytes());
    if (now > allocatedPeak)
        allocatedPeak = now;
}

void OnFree(const volatile void*) {}
#endif

} // namespace

ChildRun RunInChild(const std::function<int()>& work, unsigned seconds) {
    ChildRun run;
    int channel[2];
    if (pipe(channel) != 0)
        return run;
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        alarm(seconds);
        // Pages of the parent's that a fork does not copy (the text of shared libraries) are
        // not resident in the child yet: its own start is the base, not the parent's size.
        long long report[3] = {0, 0, ResidentBytes()};
#ifdef MOONHOP_ASAN
        allocatedAtStart = allocatedPeak =
            static_cast<long long>(__sanitizer_get_current_allocated_bytes());
        __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree);
#endif
        report[0] = work() & 0xFF;
#ifdef MOONHOP_ASAN
        report[1] = allocatedPeak - allocatedAtStart;
#endif
        _exit(write(channel[1], report, sizeof report) == sizeof report ? 0 : 1);
    }
    close(channel[1]);
    if (child < 0) {
        close(channel[0]);
        return run;
    }
    long long report[3] = {0, 0, 0};
    const bool reported = read(channel[0], report, sizeof report) == sizeof report;
    close(channel[0]);
    int status = 0;
    struct rusage usage = {};
    if (wait4(child, &status, 0, &usage) != child)
        return run;
    run.measured = true;
    run.finished = reported && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.result = static_cast<int>(report[0]);
#ifdef MOONHOP_ASAN
    run.peakBytes = report[1];
#else
    run.peakBytes = static_cast<long long>(usage.ru_maxrss) * 1024 - report[2];
#endif
    return run;
}
