#include "ui/move_record.h"

#include <QPlainTextEdit>
#include <QScrollBar>

#include "ui/board_geometry.h"
#include "ui/board_view.h"
#include "ui/game_state.h"
#include "ui/notation/move_notation.h"
#include "ui/platform/sprite_board.h"

namespace xq {

namespace {

constexpr int SlideStepPixels = 4;
constexpr int SlideStepMs = 1;

}  // namespace

MoveRecord::MoveRecord(GameState& state, SpriteBoard& board, BoardView& view,
                       QPlainTextEdit* recordBox, QWidget* thinkingLabel)
    : state_(state),
      board_(board),
      view_(view),
      recordBox_(recordBox),
      thinkingLabel_(thinkingLabel) {}

void MoveRecord::clear() {
    recordBox_->setPlainText(QStringLiteral("==开始=="));
}

void MoveRecord::performMove(int from, int to) {
    from &= 255;
    to &= 255;
    if (observer_) observer_(state_.gameBoard, from, to);
    int path[3] = {0, 0, 0};

    // The computer's turn ends with its move.
    state_.thinkThread = 0;

    // Step 1. Write the move down, from the position before it.
    ++state_.moveCount;
    const std::string text = moveNotation(from, to, state_.gameBoard, state_.moveCount);
    recordBox_->moveCursor(QTextCursor::End);
    recordBox_->insertPlainText(QLatin1Char('\n') + QString::fromStdString(text) +
                                QLatin1Char(' '));
    recordBox_->verticalScrollBar()->setValue(recordBox_->verticalScrollBar()->maximum());
    thinkingLabel_->hide();
    view_.showMarkers(from, to);

    // Step 2. The new position. The moving flag goes up first: presses are refused from here on.
    const Piece moving = state_.gameBoard[from];
    state_.pieceMoving = 1;
    state_.selectedSquare = 0;
    state_.sideToMove = (state_.sideToMove & 1) ^ 1;
    state_.gameBoard[from] = 0;
    state_.gameBoard[to] = moving;

    // Step 3. Send the sprite standing on the from-square to the destination, over the others.
    const bool flipped = state_.viewFlipped != 0;
    const int fromShown = displaySquare(from, flipped) & 255;
    const int toShown = displaySquare(to, flipped) & 255;
    state_.animTargetSquare = static_cast<Square>(toShown);
    int sprite = 0;
    for (SpriteEntry& entry : state_.spriteTable) {
        if (entry.square == fromShown) {
            sprite = entry.sprite;
            entry.square = static_cast<Square>(toShown);
            break;
        }
    }
    path[1] = (toShown % 16 - fromShown % 16) * CellSize;
    path[2] = (toShown / 16 - fromShown / 16) * CellSize;
    board_.setSpriteLayer(sprite, 1);
    board_.startAutoMove(sprite, SlideStepPixels, SlideStepMs, path);
}

}  // namespace xq
