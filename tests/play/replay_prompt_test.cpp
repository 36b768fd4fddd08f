// "重开" and the replay prompt: play again in a fresh main window, or leave the program.
#include <QTimer>

#include "app_fixture.h"
#include "rules/start_layouts.h"

namespace xq::testing {
namespace {

using ReplayPromptTest = AppTest;

TEST_F(ReplayPromptTest, restartPutsThePromptInPlaceOfTheMainWindow) {
    pressRestart();
    EXPECT_EQ(app.mainWindow(), nullptr);
    ReplayPrompt* prompt = app.replayPrompt();
    EXPECT_TRUE(prompt->isVisible());
    EXPECT_EQ(prompt->pos(), QPoint(50, 50));
    EXPECT_EQ(prompt->size(), QSize(224, 104));
    EXPECT_EQ(prompt->minimumSize(), prompt->maximumSize());
    EXPECT_TRUE(prompt->windowTitle().isEmpty());
    EXPECT_TRUE(prompt->windowFlags() & Qt::WindowCloseButtonHint);

    auto* contact = prompt->findChild<QLabel*>(QStringLiteral("标签1"));
    ASSERT_NE(contact, nullptr);
    EXPECT_EQ(contact->geometry(), QRect(0, 0, 224, 56));
    EXPECT_FALSE(contact->text().isEmpty());
    EXPECT_EQ(promptButton("按钮1")->geometry(), QRect(0, 56, 112, 48));
    EXPECT_EQ(promptButton("按钮1")->text(), QStringLiteral("确认再来一局"));
    EXPECT_EQ(promptButton("按钮2")->geometry(), QRect(112, 56, 112, 48));
    EXPECT_EQ(promptButton("按钮2")->text(), QStringLiteral("不想玩儿了"));
    EXPECT_EQ(quits, 0);
}

TEST_F(ReplayPromptTest, restartDuringAThinkEndsItAndItsMoveIsNeverMade) {
    app.computer().capThinks(0, 0);
    QTest::mouseClick(inWindow<QAbstractButton>("电脑先走"), Qt::LeftButton);
    clickInWindow("新建对局");
    ASSERT_NE(state().thinkThread, 0);

    pressRestart();
    EXPECT_EQ(state().thinkThread, 0);
    EXPECT_FALSE(app.computer().isThinking());
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(state().gameBoard, startFull);
    EXPECT_EQ(state().moveCount, 0);
}

TEST_F(ReplayPromptTest, restartDuringASlideDropsTheGameWithoutASoundAndKeepsItsState) {
    clickInWindow("不用电脑");
    clickInWindow("新建对局");
    app.mainWindow()->moveRecord().performMove(at("h7"), at("e7"));
    pressRestart();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(sounds.played.empty());
    // The dropped game stays in the state until the next new game.
    EXPECT_EQ(state().pieceMoving, 1);
    EXPECT_EQ(state().gameBoard[at("e7")], RedCannon);
}

TEST_F(ReplayPromptTest, playingAgainGivesAFreshWindowWhoseBoardWaitsForANewGame) {
    clickInWindow("不用电脑");
    clickInWindow("钻石");
    clickInWindow("新建对局");
    app.mainWindow()->moveRecord().performMove(at("h7"), at("e7"));
    pressRestart();
    pressPlayAgain();

    MainWindow* window = app.mainWindow();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(inWindow<QLabel>("级别显示")->text(), QStringLiteral("当前级别:"));
    EXPECT_EQ(inWindow<QPlainTextEdit>("打谱框")->toPlainText(), QStringLiteral("==开始=="));
    EXPECT_TRUE(inWindow<QAbstractButton>("我先走")->isChecked());
    EXPECT_TRUE(inWindow<QAbstractButton>("黄金")->isChecked());
    EXPECT_EQ(window->spriteBoard().spriteCount(), 0);

    // The dropped game's state is still there, but the empty board takes no presses.
    state().pieceMoving = 0;
    const Board dropped = state().gameBoard;
    for (int s = 52; s <= 204; s += 7)
        QTest::mouseClick(
            window->spriteBoard().viewport(), Qt::LeftButton, {},
            window->spriteBoard().mapFromScene(squareLeft(s) + 28, squareTop(s) + 28));
    EXPECT_EQ(state().selectedSquare, 0);
    EXPECT_EQ(state().gameBoard, dropped);

    // "新建对局" in it starts a game as ever, and the computer answers.
    clickInWindow("新建对局");
    EXPECT_EQ(state().gameBoard, startFull);
    EXPECT_EQ(inWindow<QLabel>("级别显示")->text(), QStringLiteral("当前级别:黄金"));
    app.mainWindow()->moveRecord().performMove(at("h7"), at("e7"));
    window->spriteBoard().finishRunningMoves();
    ASSERT_TRUE(QTest::qWaitFor([&] { return state().moveCount == 2; }, ComputerWaitMs));
    EXPECT_EQ(quits, 0);
}

TEST_F(ReplayPromptTest, refusingToPlayAgainQuits) {
    pressRestart();
    QTest::mouseClick(promptButton("按钮2"), Qt::LeftButton);
    EXPECT_EQ(quits, 1);
}

// The real ends of the program: the event loop of the application returns 0.
class ProgramEndTest : public ::testing::Test {
  protected:
    // Runs the application's event loop with `act` run once the prompt is up; a loop that never
    // ends is cut off with 99.
    int runUntilTheProgramEnds(GameApplication& app, std::function<void(ReplayPrompt*)> act) {
        app.loadMainWindow();
        QTimer steps;
        bool restarted = false;
        QObject::connect(&steps, &QTimer::timeout, [&] {
            if (!restarted) {
                restarted = true;
                app.mainWindow()->findChild<QAbstractButton*>(QStringLiteral("重开"))->click();
            } else if (ReplayPrompt* prompt = app.replayPrompt()) {
                steps.stop();
                act(prompt);
            }
        });
        steps.start(10);
        QTimer never;
        never.setSingleShot(true);
        QObject::connect(&never, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        never.start(20000);
        return QApplication::exec();
    }

    RecordingSoundPlayer sounds;
    RecordingMessagePresenter messages;
};

TEST_F(ProgramEndTest, notWantingToPlayEndsTheProgramWithExitCodeZero) {
    GameApplication app(WindowServices{sounds, messages});
    EXPECT_EQ(runUntilTheProgramEnds(
                  app,
                  [](ReplayPrompt* prompt) {
                      prompt->findChild<QAbstractButton*>(QStringLiteral("按钮2"))->click();
                  }),
              0);
}

TEST_F(ProgramEndTest, closingThePromptEndsTheProgram) {
    GameApplication app(WindowServices{sounds, messages});
    EXPECT_EQ(runUntilTheProgramEnds(app, [](ReplayPrompt* prompt) { prompt->close(); }), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app.replayPrompt(), nullptr);
    EXPECT_EQ(app.mainWindow(), nullptr);
}

}  // namespace
}  // namespace xq::testing
