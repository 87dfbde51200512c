// Compiled into every test program: holds the X display from before the first test until the
// program ends (see DisplayKeeper.h).
#include "tests/support/DisplayKeeper.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {
class KeepDisplayEnvironment : public testing::Environment {
  public:
    void SetUp() override {
        const char* name = std::getenv("DISPLAY");
        std::string report;
        // Tests that need the display then fail on their own, saying why.
        if (name && *name && !KeepDisplay(name, report))
            std::fprintf(stderr, "%s\n", report.c_str());
    }
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new KeepDisplayEnvironment);
} // namespace
