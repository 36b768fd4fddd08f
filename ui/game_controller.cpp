#include "ui/game_controller.h"

#include <QAbstractButton>
#include <QLabel>

#include <algorithm>

#include "rules/legality.h"
#include "rules/start_layouts.h"
#include "rules/tables.h"
#include "ui/board_view.h"
#include "ui/clocks.h"
#include "ui/game_state.h"
#include "ui/move_record.h"
#include "ui/platform/message_presenter.h"
#include "ui/platform/sound_player.h"
#include "ui/platform/sprite_board.h"

namespace xq {

GameController::GameController(GameState& state, SpriteBoard& board, BoardView& view,
                               MoveRecord& record, Clocks& clocks, SoundPlayer& sounds,
                               MessagePresenter& messages, GameControls controls)
    : state_(state),
      board_(board),
      view_(view),
      record_(record),
      clocks_(clocks),
      sounds_(sounds),
      messages_(messages),
      controls_(controls) {}

void GameController::newGame() {
    state_.startPosition = startFull;
    resetGame(false, false, false, state_.startPosition);
}

void GameController::resetGame(bool flipped, bool computerRed, bool computerBlack,
                               const Board& start) {
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
}

void GameController::onMoveFinished(int sprite) {
    state_.pieceMoving = 0;
    controls_.takeBackButton->setEnabled(true);
    board_.setSpriteLayer(sprite, 0);
    state_.thinkThread = 0;

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

void GameController::endGame(const char* caption, const char* message) {
    state_.gameOver = 1;
    controls_.thinkingLabel->setText(QString::fromUtf8(caption));
    controls_.thinkingLabel->show();
    startTurn();
    messages_.showMessage(QString::fromUtf8(message));
}

}  // namespace xq
