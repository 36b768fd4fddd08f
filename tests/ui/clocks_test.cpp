// The clocks, driven through their timers' ticks.
#include "ui/clocks.h"
#include "window_fixture.h"

namespace xq::testing {
namespace {

struct FormatCase {
    int seconds;
    const char* text;
};

TEST(FormatClock, writesMinutesAndSecondsWithoutFoldingHours) {
    const FormatCase cases[] = {{0, "00:00"},  {5, "00:05"},   {59, "00:59"},   {60, "01:00"},
                                {65, "01:05"}, {600, "10:00"}, {3600, "60:00"}, {6000, "100:00"}};
    for (const FormatCase& c : cases)
        EXPECT_EQ(formatClock(c.seconds), QString::fromUtf8(c.text)) << c.seconds;
}

class ClocksTest : public WindowTest {
  protected:
    void tick(const char* timerName, int times = 1) {
        for (int i = 0; i < times; ++i) timer(timerName)->deliverTick();
    }
    void tickAll(int times = 1) {
        for (const char* name : {"上方时钟", "上方时钟1", "下方时钟", "下方时钟1"})
            tick(name, times);
    }
    bool running(const char* name) { return timer(name)->isRunning(); }
};

TEST_F(ClocksTest, newGameStartsRedsClocksOnly) {
    pressNewGame();
    EXPECT_TRUE(running("上方时钟"));
    EXPECT_TRUE(running("上方时钟1"));
    EXPECT_FALSE(running("下方时钟"));
    EXPECT_FALSE(running("下方时钟1"));
    EXPECT_EQ(timer("上方时钟")->period(), 1000);
}

TEST_F(ClocksTest, stepClockRollsOverToTheNextMinute) {
    pressNewGame();
    tickAll(59);
    EXPECT_EQ(labelText("上步时标签"), QStringLiteral("步时:[00:59]"));
    tickAll();
    EXPECT_EQ(labelText("上步时标签"), QStringLiteral("步时:[01:00]"));
    EXPECT_EQ(labelText("上总时标签"), QStringLiteral("总时:[01:00]"));
    EXPECT_EQ(labelText("下步时标签"), QStringLiteral("步时:[00:00]"));  // Black's stand still
}

TEST_F(ClocksTest, totalClockShowsLongGamesInMinutes) {
    pressNewGame();
    tick("上方时钟1", 3600);
    EXPECT_EQ(labelText("上总时标签"), QStringLiteral("总时:[60:00]"));
    tick("上方时钟1", 2400);
    EXPECT_EQ(labelText("上总时标签"), QStringLiteral("总时:[100:00]"));
}

TEST_F(ClocksTest, handOverRestartsTheStepClockButNotTheTotal) {
    pressNewGame();
    tickAll(3);  // Red's first turn: 3 seconds
    playMove(171, 168);
    EXPECT_FALSE(running("上方时钟"));
    EXPECT_TRUE(running("下方时钟1"));
    tickAll(2);  // Black's turn: Red's labels stand still
    EXPECT_EQ(labelText("上步时标签"), QStringLiteral("步时:[00:03]"));
    EXPECT_EQ(labelText("下总时标签"), QStringLiteral("总时:[00:02]"));
    playMove(59, 90);

    // Red's step label shows the last turn until the first tick of the new one.
    EXPECT_EQ(state.redStepSeconds, 0);
    EXPECT_EQ(labelText("上步时标签"), QStringLiteral("步时:[00:03]"));
    tickAll();
    EXPECT_EQ(labelText("上步时标签"), QStringLiteral("步时:[00:01]"));
    EXPECT_EQ(labelText("上总时标签"), QStringLiteral("总时:[00:04]"));
    EXPECT_EQ(labelText("下步时标签"), QStringLiteral("步时:[00:02]"));
}

TEST_F(ClocksTest, moversClocksRunOnWhileItsPieceSlides) {
    pressNewGame();
    window.moveRecord().performMove(171, 168);
    EXPECT_TRUE(running("上方时钟"));
    tickAll();
    EXPECT_EQ(labelText("上步时标签"), QStringLiteral("步时:[00:01]"));
    EXPECT_EQ(labelText("下步时标签"), QStringLiteral("步时:[00:00]"));
}

TEST_F(ClocksTest, noLabelChangesAfterTheGameHasEnded) {
    pressNewGame();
    tickAll(5);
    state.gameOver = 1;
    window.game().startTurn();
    for (const char* name : {"上方时钟", "上方时钟1", "下方时钟", "下方时钟1"})
        EXPECT_FALSE(running(name)) << name;
    tickAll(10);
    EXPECT_EQ(labelText("上步时标签"), QStringLiteral("步时:[00:05]"));
    EXPECT_EQ(labelText("上总时标签"), QStringLiteral("总时:[00:05]"));
}

TEST_F(ClocksTest, newGameWhileRedsClocksRunKeepsThemRunningFromZero) {
    pressNewGame();
    tickAll(4);
    playMove(171, 168);
    playMove(59, 90);  // Red to move again, its clocks running
    pressNewGame();
    EXPECT_TRUE(running("上方时钟"));
    EXPECT_FALSE(running("下方时钟"));
    EXPECT_EQ(state.redTotalSeconds, 0);
    EXPECT_EQ(state.blackTotalSeconds, 0);
    EXPECT_EQ(labelText("上总时标签"), QStringLiteral("总时:[00:04]"));  // until the next tick
    tickAll();
    EXPECT_EQ(labelText("上总时标签"), QStringLiteral("总时:[00:01]"));
    EXPECT_EQ(labelText("下总时标签"), QStringLiteral("总时:[00:00]"));
}

TEST(PeriodTimer, periodStartsStopsAndLeavesARunningTimerAlone) {
    PeriodTimer timer(QStringLiteral("t"));
    QSignalSpy ticks(&timer, &PeriodTimer::ticked);
    timer.deliverTick();
    EXPECT_EQ(ticks.count(), 0);  // a stopped timer does not tick

    timer.setPeriod(20);
    EXPECT_TRUE(timer.isRunning());
    EXPECT_TRUE(ticks.wait(1000));  // a real tick, one period later

    timer.setPeriod(20);  // the same period: runs on
    EXPECT_TRUE(timer.isRunning());
    timer.setPeriod(0);
    EXPECT_FALSE(timer.isRunning());
    const int before = ticks.count();
    timer.deliverTick();
    EXPECT_FALSE(ticks.wait(60));
    EXPECT_EQ(ticks.count(), before);
}

}  // namespace
}  // namespace xq::testing
