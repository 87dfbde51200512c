// The application object, the host's run and message loop, window order and closing.
#include "tests/framework/Recording.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

TEST(AppLoop, RunWithoutWindowsCallsInitAndExitAndReturnsZero) {
    EventLog log;
    RecordingApp app(&log);
    EXPECT_EQ(GLAppHost::Instance()->Run(0, nullptr), 0);
    EXPECT_EQ(log.entries, (std::vector<std::string>{"app.init", "app.exit"}));
    EXPECT_EQ(app.idlePasses, 0);
}

TEST(AppLoop, SecondApplicationObjectEndsTheProcessWithStatusOne) {
    EXPECT_EXIT(
        {
            std::fflush(stdout);
            dup2(fileno(stderr), fileno(stdout)); // let the death test see standard output
            RecordingApp first;
            RecordingApp second;
        },
        ::testing::ExitedWithCode(1), "Error: more than one application instance defined!");
}

TEST(AppLoop, ApplicationUnregistersWhenDestroyed) {
    {
        RecordingApp app;
        EXPECT_EQ(GLAppHost::Instance()->m_pApp, &app);
    }
    EXPECT_EQ(GLAppHost::Instance()->m_pApp, nullptr);
}

TEST(AppLoop, WindowListKeepsOrderAndIgnoresUnknownRecords) {
    EventLog log;
    GLAppHost* host = GLAppHost::Instance();
    RecordingWindow a("a", &log), b("b", &log), c("c", &log);
    ASSERT_EQ(host->Windows().size(), 3u);
    EXPECT_EQ(host->MainWindow(), a.extra); // the first window added becomes the main window
    host->RemoveWindow(b.extra);
    EXPECT_EQ(host->Windows(), (std::vector<GLWindowExtra*>{a.extra, c.extra}));
    GLWindowExtra stranger(&b);
    host->RemoveWindow(&stranger);
    EXPECT_EQ(host->Windows().size(), 2u);
    EXPECT_FALSE(host->AddWindow(nullptr));
    EXPECT_FALSE(host->SetMainWindow(nullptr));
    host->AddWindow(b.extra); // give it back so its destructor finds it
}

TEST(AppLoop, TwoWindowsCreateInOrderAndDeliverEventsWithTheirOwnContext) {
    EventLog log;
    RecordingApp app(&log);
    RecordingWindow a("a", &log), b("b", &log);
    a.SetSize(200, 150);
    b.SetSize(180, 120);
    int phase = 0;
    a.onIdle = [&] {
        a.Redraw();
        b.Redraw();
        if (phase == 0 && a.displays >= 2 && b.displays >= 2) {
            phase = 1;
            PostMessageA(a.Handle(), WM_KEYDOWN, 'X', 0);
            PostMessageA(b.Handle(), WM_KEYUP, 'Y', 0);
            PostMessageA(a.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 4));
            PostMessageA(b.Handle(), WM_LBUTTONDOWN, 0, 0);
            PostMessageA(b.Handle(), WM_LBUTTONUP, 0, 0);
        } else if (phase == 1 && log.Find("b.button 0 up") >= 0) {
            phase = 2;
            PostMessageA(a.Handle(), WM_CLOSE, 0, 0);
        }
    };
    EXPECT_EQ(GLAppHost::Instance()->Run(0, nullptr), 0);

    int aCreate = log.Find("a.create"), bCreate = log.Find("b.create");
    ASSERT_GE(aCreate, 0);
    ASSERT_GE(bCreate, 0);
    EXPECT_LT(aCreate, bCreate);
    EXPECT_LT(aCreate, log.Find("a.display"));
    EXPECT_LT(bCreate, log.Find("b.display"));
    EXPECT_EQ(log.entries.front(), "app.init");
    EXPECT_EQ(log.entries.back(), "app.exit");
    EXPECT_GE(log.Find("a.key 88 down"), 0);
    EXPECT_GE(log.Find("b.key 89 up"), 0);
    EXPECT_GE(log.Find("a.move"), 0);
    EXPECT_TRUE(a.ownContextAlways);
    EXPECT_TRUE(b.ownContextAlways);
    // Keyboard and idle calls run without entering a context.
    EXPECT_EQ(a.keyDepth, a.idleDepth);
    EXPECT_EQ(b.keyDepth, b.idleDepth);
    EXPECT_GT(app.idlePasses, 0);
    EXPECT_GT(b.idles, 0);
    // The main window's platform window is gone; its record keeps the stale handle.
    EXPECT_NE(a.Handle(), nullptr);
    EXPECT_FALSE(IsWindow(a.Handle()));
    EXPECT_TRUE(IsWindow(b.Handle()));
}

TEST(AppLoop, ClosingTheOtherWindowHidesItAndIdleGoesOn) {
    EventLog log;
    RecordingApp app(&log);
    RecordingWindow main("main", &log), other("other", &log);
    int idlesAfterHide = 0;
    bool closedOther = false;
    app.onIdle = [&] {
        if (!closedOther && other.displays > 0) {
            closedOther = true;
            PostMessageA(other.Handle(), WM_CLOSE, 0, 0);
        } else if (closedOther && !IsWindowVisible(other.Handle()) && ++idlesAfterHide == 50) {
            PostMessageA(main.Handle(), WM_CLOSE, 0, 0);
        }
    };
    EXPECT_EQ(GLAppHost::Instance()->Run(0, nullptr), 0);
    EXPECT_EQ(idlesAfterHide, 50);
    EXPECT_TRUE(IsWindow(other.Handle()));
    EXPECT_FALSE(IsWindowVisible(other.Handle()));
    EXPECT_GE(other.idles, 50);
}

TEST(AppLoop, QuitMessageCodeBecomesTheResult) {
    RecordingApp app;
    EventLog log;
    RecordingWindow w("w", &log);
    app.onIdle = [] { PostQuitMessage(7); };
    EXPECT_EQ(GLAppHost::Instance()->Run(0, nullptr), 7);
}
