#include "ui/game_controller.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <algorithm>
#include <string>

#include "rules/legality.h"
#include "rules/start_layouts.h"
#include "rules/tables.h"
#include "ui/board_geometry.h"
#include "ui/board_view.h"
#include "ui/clocks.h"
#include "ui/computer_player.h"
#include "ui/game_state.h"
#include "ui/levels.h"
#include "ui/move_record.h"
#include "ui/platform/message_presenter.h"
#include "ui/platform/sound_player.h"
#include "ui/platform/sprite_board.h"

namespace xq {

namespace {

// Who moves first, tested in the order of SetUpButtons::firstMover; the last row applies when
// none of those is checked ("不用电脑").
struct FirstMoverChoice {
    bool flipped;  // Black at the bottom
    bool computerRed;
    bool computerBlack;
};
constexpr FirstMoverChoice firstMoverChoices[4] = {
    {true, true, false},   // "电脑先走": the computer plays Red, the person Black at the bottom
    {false, false, true},  // "我先走"
    {false, true, true},   // "电脑对局"
    {false, false, false},  // "不用电脑"
};

// The layouts of "不让子", "让单马" and "让双马": the handicap always falls on Red.
constexpr const Board* handicapLayouts[3] = {&startFull, &startLessOneHorse, &startLessTwoHorses};

template <std::size_t N>
int firstChecked(const std::array<QAbstractButton*, N>& buttons) {
    for (std::size_t i = 0; i < N; ++i)
        if (buttons[i]->isChecked()) return static_cast<int>(i);
    return static_cast<int>(N);
}

}  // namespace

GameController::GameController(GameState& state, SpriteBoard& board, BoardView& view,
                               MoveRecord& record, Clocks& clocks, ComputerPlayer& computer,
                               SoundPlayer& sounds, MessagePresenter& messages,
                               GameControls controls, SetUpButtons setUp)
    : state_(state),
      board_(board),
      view_(view),
      record_(record),
      clocks_(clocks),
      computer_(computer),
      sounds_(sounds),
      messages_(messages),
      controls_(controls),
      setUp_(setUp) {}

void GameController::newGame() {
    if (retired_) return;
    // A set of buttons with none checked cannot come from clicks; the full layout serves then.
    const int handicap = firstChecked(setUp_.handicap);
    state_.startPosition = *handicapLayouts[handicap < 3 ? handicap : 0];
    takeLevelFromButtons();
    const FirstMoverChoice& choice = firstMoverChoices[firstChecked(setUp_.firstMover)];
    resetGame(choice.flipped, choice.computerRed, choice.computerBlack, state_.startPosition);
    showLevel();
}

void GameController::resetGame(bool flipped, bool computerRed, bool computerBlack,
                               const Board& start) {
    // Step 1. No think may read the boards or perform a move from here on.
    computer_.stop();
    started_ = true;
    clocks_.resetCounters();
    initEngineTables();
    state_.selectedSquare = 0;
    state_.moveCount = 0;
    state_.pieceMoving = 0;
    state_.gameOver = 0;
    record_.clear();
    controls_.thinkingLabel->setText(QStringLiteral("电脑思考中,请耐心等待..."));
    controls_.thinkingLabel->hide();
    controls_.computerRed->setChecked(computerRed);
    controls_.computerBlack->setChecked(computerBlack);
    state_.viewFlipped = flipped ? 1 : 0;
    view_.placeSidePanels();
    state_.sideToMove = Red;
    view_.showFileNumbers();
    view_.setUpPieces(start);
    startTurn();
}

void GameController::startTurn() {
    if (!state_.pieceMoving) clocks_.handClocksTo(state_.sideToMove);
    if (state_.gameOver) clocks_.stopAll();
    if (state_.gameOver || state_.pieceMoving) return;
    QAbstractButton* computerBox =
        state_.sideToMove ? controls_.computerRed : controls_.computerBlack;
    if (!computerBox->isChecked()) return;  // a person moves
    controls_.thinkingLabel->show();
    controls_.takeBackButton->setEnabled(false);
    startThink();
}

void GameController::startThink() {
    // The panel shows the lines of one think only.
    controls_.thinkingPanel->clear();
    QPlainTextEdit* panel = controls_.thinkingPanel;
    ThinkOutput output;
    output.showLine = [panel](const std::string& line) {
        QString text = QString::fromStdString(line);
        while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r'))) text.chop(1);
        panel->appendPlainText(text);
        panel->verticalScrollBar()->setValue(panel->verticalScrollBar()->maximum());
    };
    output.playMove = [this](int from, int to) { record_.performMove(from, to); };
    // Should no thread start, thinkThread stays 0 and the computer does not move this turn.
    computer_.startThink(std::move(output));
}

void GameController::onBoardPressed(int x, int y) {
    if (!started_ || retired_) return;
    const bool computerRed = controls_.computerRed->isChecked();
    const bool computerBlack = controls_.computerBlack->isChecked();
    if (computerRed && computerBlack) return;
    if (state_.gameOver || state_.pieceMoving || state_.thinkThread) return;
    const int d = squareAtPoint(x, y);
    if (d == 0) return;
    if (state_.sideToMove ? computerRed : computerBlack) return;

    const int s = displaySquare(d, state_.viewFlipped != 0) & 255;
    const int side = state_.sideToMove ? Red : Black;
    const Piece piece = state_.gameBoard[s];
    if (side == Red ? isRed(piece) : isBlack(piece)) {
        state_.selectedSquare = static_cast<Square>(s);
        view_.showMarkers(s, 0);
        return;
    }

    const int from = state_.selectedSquare;
    if (from == 0 || !isPseudoLegalMove(from + 256 * s, state_.gameBoard)) return;
    Board after = state_.gameBoard;
    after[s] = after[from];
    after[from] = 0;
    if (isKingAttacked(side, after)) {
        sounds_.playSound(Sound::Check);  // refused: the selection stays
        return;
    }
    record_.performMove(from, s);
}

void GameController::onMoveFinished(int sprite) {
    if (retired_) return;
    state_.pieceMoving = 0;
    controls_.takeBackButton->setEnabled(true);
    board_.setSpriteLayer(sprite, 0);
    // The think whose move this was has ended with it; none can be running here.
    if (state_.thinkThread != 0) computer_.stop();

    // A sprite other than the arrived one standing on the target was captured.
    auto& table = state_.spriteTable;
    auto captured = std::find_if(table.begin(), table.end(), [&](const SpriteEntry& entry) {
        return entry.square == state_.animTargetSquare && entry.sprite != sprite;
    });
    const bool capture = captured != table.end();
    if (capture) {
        board_.destroySprite(captured->sprite);
        table.erase(captured);
    }

    if (isKingAttacked(state_.sideToMove, state_.gameBoard))
        sounds_.playSound(Sound::Check);
    else
        sounds_.playSound(capture ? Sound::Capture : Sound::Move);

    if (capture && isMaterialDraw(state_.gameBoard))
        endGame("和棋", "双方和棋,请重新建立对局");
    else if (hasNoLegalMove(state_.sideToMove, state_.gameBoard))
        state_.sideToMove == Red ? endGame("黑胜", "黑方胜利,请重新建立对局")
                                 : endGame("红胜", "红方胜利,请重新建立对局");
    else
        startTurn();
}

void GameController::applyLevel(int index) {
    for (int i = 0; i < static_cast<int>(levels.size()); ++i)
        setUp_.level[i]->setChecked(i == index);
    state_.levelName = QString::fromUtf8(levels[index].name);
    state_.levelTimeMs = levels[index].timeMs;
    state_.levelStartDepth = levels[index].startDepth;
    showLevel();
}

void GameController::takeLevelFromButtons() {
    // The first checked of the first three; the strongest when none of them is.
    const int checked = firstChecked(std::array{setUp_.level[0], setUp_.level[1], setUp_.level[2]});
    const Level& level = levels[checked];
    state_.levelName = QString::fromUtf8(level.name);
    state_.levelTimeMs = level.timeMs;
    state_.levelStartDepth = level.startDepth;
}

void GameController::showLevel() {
    controls_.levelLabel->setText(QString::fromUtf8(LevelCaption) + state_.levelName);
}

void GameController::retire() {
    retired_ = true;
    computer_.stop();
}

void GameController::endGame(const char* caption, const char* message) {
    state_.gameOver = 1;
    controls_.thinkingLabel->setText(QString::fromUtf8(caption));
    controls_.thinkingLabel->show();
    startTurn();
    messages_.showMessage(QString::fromUtf8(message));
}

}  // namespace xq
