#include "ui/board_view.h"

#include <QLabel>

#include "ui/board_geometry.h"
#include "ui/game_state.h"
#include "ui/platform/message_presenter.h"
#include "ui/platform/move_control.h"
#include "ui/platform/sprite_board.h"
#include "ui/sprite_templates.h"

namespace xq {

namespace {

constexpr int PanelLeft = 8, PanelWidth = 112, PanelHeight = 24;
// Tops of a player's name, step clock and total clock, for the group at the top and at the bottom.
constexpr int TopGroup[3] = {112, 144, 168};
constexpr int BottomGroup[3] = {480, 512, 536};

// Red's files in Chinese numerals from Red's right, Black's in full-width digits from Black's.
constexpr const char* RedFilesFromLeft =
    "九     八     七     六      五     四     三     二     一";
constexpr const char* RedFilesFromRight =
    "一     二     三     四      五     六     七     八     九";
constexpr const char* BlackFilesFromLeft =
    "１     ２     ３     ４      ５     ６     ７     ８     ９";
constexpr const char* BlackFilesFromRight =
    "９     ８     ７     ６      ５     ４     ３     ２     １";

}  // namespace

BoardView::BoardView(GameState& state, SpriteBoard& board, MessagePresenter& messages,
                     SidePanels panels, QLabel* filesAbove, QLabel* filesBelow)
    : state_(state),
      board_(board),
      messages_(messages),
      panels_(panels),
      filesAbove_(filesAbove),
      filesBelow_(filesBelow) {}

void BoardView::setUpPieces(const Board& start) {
    // The markers go with every other sprite.
    state_.markerSprites = {0, 0};
    board_.destroyAllSprites();

    const bool flipped = state_.viewFlipped != 0;
    std::vector<int> created;
    for (int square = 0; square < 256; ++square) {
        state_.gameBoard[square] = start[square];
        if (start[square] == 0) continue;
        const char* name = pieceTemplate(start[square]);
        if (!name) {
            state_.gameBoard[square] = 0;  // a code without a picture is not a piece
            continue;
        }
        const int d = displaySquare(square, flipped);
        created.push_back(
            board_.createSprite(QString::fromUtf8(name), squareLeft(d), squareTop(d)));
    }

    state_.spriteTable.clear();
    for (int sprite : created) {
        const int d = squareOfSpriteAt(board_.spriteLeft(sprite), board_.spriteTop(sprite));
        state_.spriteTable.push_back(SpriteEntry{sprite, static_cast<Square>(d)});
    }
}

void BoardView::showMarkers(int a, int b) {
    for (int& marker : state_.markerSprites) {
        if (marker != 0) board_.destroySprite(marker);
        marker = 0;
    }
    const bool flipped = state_.viewFlipped != 0;
    const QString markerTemplate = QString::fromUtf8(MarkerTemplate);
    const int squares[2] = {a & 255, b & 255};
    for (int i = 0; i < 2; ++i) {
        if (squares[i] == 0) continue;
        const int d = displaySquare(squares[i], flipped);
        state_.markerSprites[i] = board_.createSprite(markerTemplate, squareLeft(d), squareTop(d));
    }
}

void BoardView::placeSidePanels() {
    const bool redAtBottom = state_.viewFlipped == 0;
    const int* red = redAtBottom ? BottomGroup : TopGroup;
    const int* black = redAtBottom ? TopGroup : BottomGroup;
    QWidget* redLabels[3] = {panels_.redName, panels_.redStep, panels_.redTotal};
    QWidget* blackLabels[3] = {panels_.blackName, panels_.blackStep, panels_.blackTotal};
    for (int i = 0; i < 3; ++i) {
        moveControl(redLabels[i], PanelLeft, red[i], PanelWidth, PanelHeight);
        moveControl(blackLabels[i], PanelLeft, black[i], PanelWidth, PanelHeight);
    }
}

void BoardView::showFileNumbers() {
    const bool redAtBottom = state_.viewFlipped == 0;
    filesAbove_->setText(QString::fromUtf8(redAtBottom ? BlackFilesFromLeft : RedFilesFromRight));
    filesBelow_->setText(QString::fromUtf8(redAtBottom ? RedFilesFromLeft : BlackFilesFromRight));
}

void BoardView::flipBoard() {
    if (state_.pieceMoving) {
        messages_.showMessage(QStringLiteral("正在走子，无法翻转！"));
        return;
    }
    state_.viewFlipped = 1 - state_.viewFlipped;
    showMarkers(0, 0);
    for (SpriteEntry& entry : state_.spriteTable) {
        entry.square = static_cast<Square>(256 - entry.square);
        board_.setSpritePosition(entry.sprite, squareLeft(entry.square), squareTop(entry.square));
    }
    showFileNumbers();
    placeSidePanels();
}

}  // namespace xq
