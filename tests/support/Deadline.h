// Ends the process with a message when the scope it guards has not been left in time, so that a
// test of something that once hung fails with what it saw instead of stalling the suite.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

class Deadline {
  public:
    // `report` runs on the watching thread when time is up; what it returns is printed.
    Deadline(std::chrono::seconds limit, std::function<std::string()> report);
    ~Deadline();
    Deadline(const Deadline&) = delete;
    Deadline& operator=(const Deadline&) = delete;

  private:
    std::mutex mutex;
    std::condition_variable left;
    bool done = false;
    std::thread watcher;
};
