#include "tests/support/Deadline.h"

#include <cstdio>
#include <cstdlib>

Deadline::Deadline(std::chrono::seconds limit, std::function<std::string()> report)
    : watcher([this, limit, report = std::move(report)] {
          std::unique_lock<std::mutex> lock(mutex);
          if (left.wait_for(lock, limit, [this] { return done; }))
              return;
          const std::string seen = report();
          std::fprintf(stderr, "Not done after %lld s. %s\n", static_cast<long long>(limit.count()),
                       seen.c_str());
          std::fflush(stderr);
          std::_Exit(1);
      }) {}

Deadline::~Deadline() {
    {
        std::lock_guard<std::mutex> lock(mutex);
        done = true;
    }
    left.notify_one();
    watcher.join();
}
