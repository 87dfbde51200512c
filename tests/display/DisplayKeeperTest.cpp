// Holding the X display. What it is for, surviving a server that resets as the program starts,
// is shown by the end-to-end test display_reset, which runs the first test below at that moment.
#include "tests/support/DisplayKeeper.h"
#include "tests/support/TestContext.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

TEST(DisplayKeeper, WindowsDrawWhileTheDisplayIsKept) {
    TestContext context(16, 16);
    ASSERT_TRUE(context.Ok());
    glClearColor(0.2f, 0.6f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    unsigned char pixel[4] = {};
    glReadPixels(8, 8, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(pixel[0], 51);
    EXPECT_EQ(pixel[1], 153);
    EXPECT_EQ(pixel[2], 255);
}

TEST(DisplayKeeper, RefusesAtOnceWhereNoServerListens) {
    // A display number no server uses: neither its socket nor its lock exists.
    int n = 4242;
    struct stat seen;
    while (stat(("/tmp/.X11-unix/X" + std::to_string(n)).c_str(), &seen) == 0 ||
           stat(("/tmp/.X" + std::to_string(n) + "-lock").c_str(), &seen) == 0)
        ++n;
    const std::string number = std::to_string(n);
    for (const std::string& name : {":" + number, ":" + number + ".0", "unix:" + number}) {
        std::string report;
        EXPECT_FALSE(KeepDisplay(name.c_str(), report)) << name;
        EXPECT_NE(report.find("No X server listens at the display \"" + name + "\""),
                  std::string::npos)
            << report;
    }
    std::string report;
    EXPECT_FALSE(KeepDisplay("not a display", report));
    EXPECT_FALSE(report.empty());
}
