// xiangqi-game-driver: the real game, in which a scripted person plays Red against the computer
// with real mouse presses, at a person's pace, until the game ends. It prints "snap NAME" when
// the window shows something worth photographing and keeps still for a moment, then "done".
// It also watches the event loop: the longest wait between two turns of it while the computer
// thinks and while a piece slides is printed at the end. Used by tools/game_screenshots.sh.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <utility>
#include <vector>

#include "rules/legality.h"
#include "rules/movegen.h"
#include "ui/board_geometry.h"
#include "ui/computer_player.h"
#include "ui/game_application.h"
#include "ui/game_state.h"
#include "ui/main_window.h"
#include "ui/platform/qt_message_presenter.h"
#include "ui/platform/qt_sound_player.h"
#include "ui/platform/sprite_board.h"

namespace {

constexpr int ThinkingPauseMs = 900;  // a person looks at the board before pressing
constexpr int StillForSnapMs = 2500;  // time for the photograph
constexpr int SnapAfterMoves = 8;     // the game in progress is photographed after this move
constexpr int WatchIntervalMs = 5;

// The person's moves: a capture when there is one, otherwise any legal move, chosen by a seeded
// random generator so that every run plays the same game against the same computer.
std::pair<int, int> choosePersonMove(const xq::GameState& state, std::mt19937& random) {
    xq::MoveList list;
    xq::generateMoves(state.sideToMove, state.gameBoard, list);
    std::vector<std::pair<int, int>> legal, captures;
    for (int i = 0; i < list.count; ++i) {
        const int from = xq::moveFrom(list.moves[i]), to = xq::moveTo(list.moves[i]);
        xq::Board after = state.gameBoard;
        after[to] = after[from];
        after[from] = 0;
        if (xq::isKingAttacked(state.sideToMove, after)) continue;
        legal.emplace_back(from, to);
        if (state.gameBoard[to] != 0) captures.emplace_back(from, to);
    }
    const auto& pool = captures.empty() ? legal : captures;
    return pool[std::uniform_int_distribution<std::size_t>(0, pool.size() - 1)(random)];
}

void say(const char* text) {
    std::printf("%s\n", text);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    xq::QtSoundPlayer sounds;
    xq::QtMessagePresenter messages;
    xq::GameApplication game(xq::WindowServices{sounds, messages});
    const char* budget = std::getenv("XQ_DRIVER_BUDGET_MS");
    game.computer().capThinks(budget ? std::atoi(budget) : 1000, 0);
    game.loadMainWindow();
    xq::MainWindow* window = game.mainWindow();
    xq::GameState& state = game.state();
    xq::SpriteBoard& board = window->spriteBoard();
    std::mt19937 random(7);

    auto press = [&](int square) {
        const int d = xq::displaySquare(square, state.viewFlipped != 0);
        const QPoint p = board.mapFromScene(xq::squareLeft(d) + xq::CellSize / 2,
                                            xq::squareTop(d) + xq::CellSize / 2);
        QTest::mouseClick(board.viewport(), Qt::LeftButton, {}, p);
    };

    // The event loop's longest silences, by what the game was doing meanwhile.
    QElapsedTimer sinceLastTurn;
    qint64 longestWhileThinking = 0, longestWhileSliding = 0;
    bool snappedInProgress = false, finished = false;
    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const qint64 gap = sinceLastTurn.restart();
        if (state.thinkThread) longestWhileThinking = std::max(longestWhileThinking, gap);
        if (state.pieceMoving) longestWhileSliding = std::max(longestWhileSliding, gap);
        // The result's message box holds the arrival's handler; this timer still runs. The box
        // is closed with its OK as a person would, and the board with its result photographed.
        if (state.gameOver && !finished) {
            finished = true;
            QTimer::singleShot(StillForSnapMs, [] {
                if (QWidget* box = QApplication::activeModalWidget()) box->close();
            });
            QTimer::singleShot(2 * StillForSnapMs, [] { say("snap finished"); });
            QTimer::singleShot(3 * StillForSnapMs, [&] {
                std::printf(
                    "moves %d, longest event-loop wait: %lld ms while thinking, "
                    "%lld ms while sliding\n",
                    state.moveCount, static_cast<long long>(longestWhileThinking),
                    static_cast<long long>(longestWhileSliding));
                say("done");
                QCoreApplication::exit(0);
            });
        }
    });

    QTimer person;
    person.setSingleShot(true);
    QObject::connect(&person, &QTimer::timeout, [&] {
        const auto [from, to] = choosePersonMove(state, random);
        press(from);
        QTimer::singleShot(300, window, [&, to = to] { press(to); });
    });
    // After every arrival: photograph, or let the person move when it is Red's turn.
    QObject::connect(&board, &xq::SpriteBoard::autoMoveStopped, window, [&] {
        QTimer::singleShot(0, window, [&] {
            if (state.gameOver || state.sideToMove != xq::Red || state.pieceMoving) return;
            if (!snappedInProgress && state.moveCount >= SnapAfterMoves) {
                snappedInProgress = true;
                say("snap in-progress");
                person.start(StillForSnapMs);
                return;
            }
            person.start(ThinkingPauseMs);
        });
    });

    QTimer::singleShot(1000, window, [&] {
        window->findChild<QAbstractButton*>(QStringLiteral("新建对局"))->click();
        sinceLastTurn.start();
        watch.start(WatchIntervalMs);
        person.start(ThinkingPauseMs);
    });
    return app.exec();
}
