// The main window as a player first sees it.
#include <QAbstractButton>
#include <QGroupBox>
#include <QPlainTextEdit>

#include <string>

#include "ui/window_design.h"
#include "window_fixture.h"

namespace xq::testing {
namespace {

enum State : unsigned { Shown = 0, Checked = 1, Disabled = 2, Hidden = 4 };

struct ExpectedControl {
    const char* name;
    const char* className;
    QRect geometry;  // in the parent's pixels: the group box for radio buttons
    const char* text;
    unsigned state;
};

// Written out from the window's design, independently of the table the window is built from.
const ExpectedControl expectedControls[] = {
    {"棋盘", "xq::SpriteBoard", {128, 48, 521, 577}, nullptr, Shown},
    {"上位标签",
     "QLabel",
     {150, 16, 496, 32},
     " 1      2      3      4       5      6      7      8      9",
     Shown},
    {"下位标签",
     "QLabel",
     {152, 632, 488, 32},
     "九     八     七     六      五     四     三     二     一",
     Shown},
    {"标签1", "QLabel", {8, 112, 112, 24}, "红旗玩家", Shown},
    {"上步时标签", "QLabel", {8, 144, 112, 24}, "步时:[00:00]", Shown},
    {"上总时标签", "QLabel", {8, 168, 112, 24}, "总时:[00:00]", Shown},
    {"标签4", "QLabel", {8, 248, 112, 24}, "↓AI计算↓", Shown},
    {"标签5", "QLabel", {8, 272, 112, 24}, "深度 评分 耗时", Shown},
    {"思考展示框", "QPlainTextEdit", {8, 296, 112, 128}, "", Disabled},
    {"标签2", "QLabel", {8, 480, 112, 24}, "黑旗玩家", Shown},
    {"下步时标签", "QLabel", {8, 512, 112, 24}, "步时:[00:00]", Shown},
    {"下总时标签", "QLabel", {8, 536, 112, 24}, "总时:[00:00]", Shown},
    {"电脑思考标签", "QLabel", {192, 320, 400, 32}, "电脑思考中,请耐心等待...", Hidden},
    {"标签6", "QLabel", {696, 8, 152, 24}, "新对局设置", Shown},
    {"分组框2", "QGroupBox", {664, 40, 104, 120}, "谁先走", Shown},
    {"我先走", "QRadioButton", {15, 18, 73, 24}, "我先走", Checked},
    {"电脑先走", "QRadioButton", {15, 41, 73, 24}, "电脑先走", Shown},
    {"不用电脑", "QRadioButton", {15, 65, 73, 24}, "不用电脑", Shown},
    {"电脑对局", "QRadioButton", {15, 90, 73, 24}, "电脑对局", Shown},
    {"分组框1", "QGroupBox", {776, 40, 91, 120}, "先走让子", Shown},
    {"不让子", "QRadioButton", {15, 29, 64, 24}, "不让子", Checked},
    {"让单马", "QRadioButton", {15, 53, 64, 24}, "让单马", Shown},
    {"让双马", "QRadioButton", {15, 77, 64, 24}, "让双马", Shown},
    {"新建对局", "QPushButton", {880, 64, 80, 32}, "新建对局", Shown},
    {"翻转按钮", "QPushButton", {880, 104, 80, 32}, "翻转棋盘", Shown},
    {"标签3", "QLabel", {664, 176, 152, 24}, "======打谱======", Shown},
    {"打谱框", "QPlainTextEdit", {664, 208, 152, 280}, "==开始==", Shown},
    {"级别显示", "QLabel", {824, 192, 136, 24}, "当前级别:", Shown},
    {"分组框3", "QGroupBox", {848, 224, 80, 136}, "AI级别", Shown},
    {"黄金", "QRadioButton", {13, 24, 50, 24}, "黄金", Checked},
    {"钻石", "QRadioButton", {13, 48, 50, 24}, "钻石", Shown},
    {"大师", "QRadioButton", {13, 71, 50, 24}, "大师", Shown},
    {"王者", "QRadioButton", {13, 95, 50, 24}, "王者", Shown},
    {"电脑执黑", "QCheckBox", {840, 376, 104, 32}, "[AI执黑]", Disabled},
    {"电脑执红", "QCheckBox", {840, 424, 104, 32}, "[AI执红]", Disabled},
    {"分组框4", "QGroupBox", {664, 504, 296, 160}, "操作功能区", Shown},
    {"悔棋", "QPushButton", {680, 528, 80, 32}, "悔棋", Shown},
    {"重开", "QPushButton", {776, 528, 80, 32}, "重开", Shown},
};

QString shownText(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    if (auto* box = qobject_cast<QGroupBox*>(widget)) return box->title();
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) return edit->toPlainText();
    return {};
}

using MainWindowTest = WindowTest;

TEST_F(MainWindowTest, showsEveryControlOfTheDesignWithItsTextPlaceAndState) {
    for (const ExpectedControl& expected : expectedControls) {
        SCOPED_TRACE(expected.name);
        QWidget* widget = control(expected.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_STREQ(widget->metaObject()->className(), expected.className);
        EXPECT_EQ(widget->geometry(), expected.geometry);
        if (expected.text) {
            EXPECT_EQ(shownText(widget), QString::fromUtf8(expected.text));
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_EQ(button->isChecked(), (expected.state & Checked) != 0);
        }
        EXPECT_EQ(widget->isEnabled(), (expected.state & Disabled) == 0);
        EXPECT_EQ(widget->isVisible(), (expected.state & Hidden) == 0);
    }
    // Radio buttons sit in the group box of their question.
    EXPECT_EQ(control("我先走")->parent(), control("分组框2"));
    EXPECT_EQ(control("让双马")->parent(), control("分组框1"));
    EXPECT_EQ(control("王者")->parent(), control("分组框3"));
}

TEST_F(MainWindowTest, standsAtItsPlaceWithItsCaptionAndFixedSize) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tobrin中国象棋SP1 Quillmoor Fenwick"));
    EXPECT_EQ(window.pos(), QPoint(50, 50));
    EXPECT_EQ(window.size(), QSize(977, 701));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
}

TEST_F(MainWindowTest, startsWithStoppedClockTimersAnEmptyBoardAndFocusOnNewGame) {
    for (const char* name : {"上方时钟", "上方时钟1", "下方时钟", "下方时钟1"}) {
        SCOPED_TRACE(name);
        ASSERT_NE(timer(name), nullptr);
        EXPECT_FALSE(timer(name)->isRunning());
    }
    EXPECT_EQ(board().spriteCount(), 0);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), control("新建对局"));
}

TEST_F(MainWindowTest, boardHasEveryPieceTemplateAndTheMarker) {
    for (const char* name : {"红帅", "红仕", "红相", "红马", "红车", "红炮", "红兵", "黑将", "黑士",
                             "黑象", "黑马", "黑车", "黑炮", "黑卒", "光标"})
        EXPECT_TRUE(board().hasTemplate(QString::fromUtf8(name))) << name;
}

TEST_F(MainWindowTest, boardIsAPlainFixedViewWithoutFrameOrScrollBars) {
    EXPECT_EQ(board().size(), QSize(521, 577));
    EXPECT_EQ(board().viewport()->size(), QSize(521, 577));
    EXPECT_EQ(board().frameShape(), QFrame::NoFrame);
    EXPECT_EQ(board().horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(board().verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(MainWindowTest, boardReportsPressesOfEitherButtonInBoardPixels) {
    QSignalSpy presses(&board(), &SpriteBoard::pressed);
    QTest::mouseClick(board().viewport(), Qt::LeftButton, {}, QPoint(11, 11));
    QTest::mouseClick(board().viewport(), Qt::RightButton, {}, QPoint(510, 566));
    QTest::mouseClick(board().viewport(), Qt::MiddleButton, {}, QPoint(200, 200));
    ASSERT_EQ(presses.count(), 2);
    EXPECT_EQ(presses.at(0), (QList<QVariant>{11, 11}));
    EXPECT_EQ(presses.at(1), (QList<QVariant>{510, 566}));
}

TEST_F(MainWindowTest, computerCheckBoxesCannotBeTickedByClicks) {
    auto* box = control<QAbstractButton>("电脑执红");
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_FALSE(box->isChecked());
}

TEST(MainWindowLifetime, closingTheWindowWhileAPieceSlidesDestroysItAndKeepsTheState) {
    GameState state;
    RecordingSoundPlayer sounds;
    RecordingMessagePresenter messages;
    ComputerPlayer computer(state);
    auto* window = new MainWindow(state, WindowServices{sounds, messages}, computer);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    QTest::mouseClick(window->findChild<QAbstractButton*>(QStringLiteral("新建对局")),
                      Qt::LeftButton);
    window->moveRecord().performMove(171, 168);
    QSignalSpy destroyed(window, &QObject::destroyed);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(destroyed.count(), 1);
    EXPECT_EQ(state.gameBoard[168], RedCannon);
    EXPECT_EQ(state.pieceMoving, 1);
}

}  // namespace
}  // namespace xq::testing
