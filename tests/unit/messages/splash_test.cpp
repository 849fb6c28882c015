// The splash window's timing, driven by loop time on the headless backend.
#include "ui/messages/splasher.h"
#include "ui/toolkit/headless/headless_backend.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(Splash, ShowsForItsRequestInHalfSecondTicksAndAClickEndsItAtOnce)
{
    struct Case {
        const char* name;
        int request;      // SplashInterval when RestartTimer runs
        int startAt;      // loop time before RestartTimer, in ms
        bool endedFirst;  // EndSplash ran before (start-up's not-found windows)
        int clickAt;      // loop time of a click on the banner; -1: none
        int runningMark;  // SplashInterval once the window has painted
        int hiddenAt;     // loop time after RestartTimer when the window is gone
        int stopsAt;      // ... when the timer stops
        bool onFrame = false;  // the click is on the frame round the banner
    };
    const Case cases[] = {
        {"2000 ms ends at the 4th tick", 2000, 0, false, -1, -1, 2000, 2000},
        {"1700 ms ends at the 3rd tick", 1700, 0, false, -1, -1, 1500, 1500},
        {"a click ends it at once, the timer still stops later", 2000, 0, false, 700, -1, 700, 2000},
        {"a click on the frame too", 2000, 0, false, 900, -1, 900, 2000, true},
        {"without a request the first paint ends it, the timer runs 2000 ms", 0, 0, false, -1, 0, 0, 2000},
        {"the timer runs from creation and keeps its rhythm", 2000, 300, false, -1, -1, 1700, 1700},
        {"ended before it was requested, it still shows whole", 2000, 600, true, -1, -1, 2000, 2000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::HeadlessBackend backend;
        backend.onFailure = [](const std::string& m) { ADD_FAILURE() << m; };
        ui::Application app(backend);
        TSplasher splash;
        app.add(splash);
        ASSERT_EQ(app.mainForm(), &splash);
        if (c.endedFirst) {
            splash.EndSplash();
        }
        backend.elapse(c.startAt);
        splash.SplashInterval = c.request;
        splash.RestartTimer();
        EXPECT_EQ(splash.SplashInterval, c.runningMark);
        if (c.hiddenAt > 0) {
            EXPECT_TRUE(splash.visible());
            EXPECT_EQ(splash.clientWidth(), 293);
            EXPECT_EQ(splash.clientHeight(), 37);
            EXPECT_EQ(splash.left(), (1024 - 293) / 2) << "centred on the screen";
        }
        int hiddenAt = splash.visible() ? -1 : 0;
        int stopsAt = -1;
        for (int t = 100; t <= 3000; t += 100) {
            backend.elapse(100);
            if (t == c.clickAt) {
                (c.onFrame ? static_cast<ui::Control&>(splash.Panel1) : splash.Image1)
                    .userMouseDown(ui::MouseButton::Left, 2, 2);
            }
            if (hiddenAt < 0 && !splash.visible()) {
                hiddenAt = t;
            }
            if (stopsAt < 0 && !splash.Timer1.enabled()) {
                stopsAt = t;
            }
            // A later paint of the running splash changes nothing.
            if (splash.visible()) {
                splash.userPaint();
            }
        }
        EXPECT_EQ(hiddenAt, c.hiddenAt);
        EXPECT_EQ(stopsAt, c.stopsAt);
        EXPECT_EQ(splash.SplashInterval, 0);
        EXPECT_EQ(splash.width(), 1);
        EXPECT_EQ(splash.height(), 1);
        EXPECT_FALSE(backend.quitRequested());
        splash.close();
        EXPECT_TRUE(backend.quitRequested()) << "closing the splash ends the instance";
    }
}

}  // namespace
}  // namespace qm
