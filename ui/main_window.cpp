#include "ui/main_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/board_view.h"
#include "ui/clocks.h"
#include "ui/computer_player.h"
#include "ui/game_controller.h"
#include "ui/game_state.h"
#include "ui/move_record.h"
#include "ui/platform/move_control.h"
#include "ui/platform/period_timer.h"
#include "ui/platform/pictures.h"
#include "ui/platform/sprite_board.h"
#include "ui/platform/skin.h"
#include "ui/sprite_templates.h"
#include "ui/window_design.h"

namespace xq {

MainWindow::MainWindow(GameState& state, WindowServices services, ComputerPlayer& computer,
                       QWidget* parent)
    : QWidget(parent), state_(state), services_(services), computer_(computer) {
    setObjectName(QStringLiteral("xqWindow"));  // the skin's name for a plain top-level window
    setAttribute(Qt::WA_StyledBackground);
    setWindowTitle(QString::fromUtf8(MainWindowCaption));
    move(MainWindowLeft, MainWindowTop);
    setFixedSize(MainWindowWidth, MainWindowHeight);
    buildControls();
    for (const char* name : clockTimerNames) new PeriodTimer(QString::fromUtf8(name), this);
    registerSpriteTemplates();

    auto* filesAbove = control<QLabel>("上位标签");
    auto* filesBelow = control<QLabel>("下位标签");
    const SidePanels panels{control<QWidget>("标签1"),      control<QWidget>("上步时标签"),
                            control<QWidget>("上总时标签"), control<QWidget>("标签2"),
                            control<QWidget>("下步时标签"), control<QWidget>("下总时标签")};
    view_ = std::make_unique<BoardView>(state_, *board_, services_.messages, panels, filesAbove,
                                        filesBelow);
    auto* thinkingLabel = control<QLabel>("电脑思考标签");
    record_ = std::make_unique<MoveRecord>(state_, *board_, *view_,
                                           control<QPlainTextEdit>("打谱框"), thinkingLabel);
    clocks_ = std::make_unique<Clocks>(
        state_, ClockParts{clockTimer("上方时钟"), control<QLabel>("上步时标签")},
        ClockParts{clockTimer("上方时钟1"), control<QLabel>("上总时标签")},
        ClockParts{clockTimer("下方时钟"), control<QLabel>("下步时标签")},
        ClockParts{clockTimer("下方时钟1"), control<QLabel>("下总时标签")});
    const SetUpButtons setUp{
        {control<QAbstractButton>("电脑先走"), control<QAbstractButton>("我先走"),
         control<QAbstractButton>("电脑对局")},
        {control<QAbstractButton>("不让子"), control<QAbstractButton>("让单马"),
         control<QAbstractButton>("让双马")},
        {control<QAbstractButton>("黄金"), control<QAbstractButton>("钻石"),
         control<QAbstractButton>("大师"), control<QAbstractButton>("王者")}};
    game_ = std::make_unique<GameController>(
        state_, *board_, *view_, *record_, *clocks_, computer_, services_.sounds,
        services_.messages,
        GameControls{thinkingLabel, control<QAbstractButton>("电脑执红"),
                     control<QAbstractButton>("电脑执黑"), control<QAbstractButton>("悔棋"),
                     control<QPlainTextEdit>("思考展示框"), control<QLabel>("级别显示")},
        setUp);

    connect(control<QPushButton>("新建对局"), &QPushButton::clicked, this,
            [this] { game_->newGame(); });
    connect(control<QPushButton>("翻转按钮"), &QPushButton::clicked, this,
            [this] { view_->flipBoard(); });
    connect(control<QPushButton>("重开"), &QPushButton::clicked, this,
            &MainWindow::restartRequested);
    for (int i = 0; i < static_cast<int>(setUp.level.size()); ++i)
        connect(setUp.level[i], &QAbstractButton::clicked, this,
                [this, i] { game_->applyLevel(i); });
    connect(board_, &SpriteBoard::pressed, this,
            [this](int x, int y) { game_->onBoardPressed(x, y); });
    connect(board_, &SpriteBoard::autoMoveStopped, this,
            [this](int sprite) { game_->onMoveFinished(sprite); });

    onCreated();
}

MainWindow::~MainWindow() {
    game_->retire();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    game_->retire();
    QWidget::closeEvent(event);
}

void MainWindow::buildControls() {
    for (const ControlDesign& design : mainWindowDesign) {
        QWidget* parent = design.parent ? control<QWidget>(design.parent) : this;
        const QString text = QString::fromUtf8(design.text);
        QWidget* widget = nullptr;
        switch (design.kind) {
            case ControlKind::SpriteBoard:
                widget = board_ = new SpriteBoard(parent);
                break;
            case ControlKind::Label:
                widget = new QLabel(text, parent);
                break;
            case ControlKind::EditBox: {
                auto* box = new QPlainTextEdit(text, parent);
                box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
                widget = box;
                break;
            }
            case ControlKind::GroupBox:
                widget = new QGroupBox(text, parent);
                break;
            case ControlKind::RadioButton:
                widget = new QRadioButton(text, parent);
                break;
            case ControlKind::Button:
                widget = new QPushButton(text, parent);
                break;
            case ControlKind::CheckBox:
                widget = new QCheckBox(text, parent);
                break;
        }
        widget->setObjectName(QString::fromUtf8(design.name));
        moveControl(widget, design.x, design.y, design.width, design.height);
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->setChecked(design.flags & Checked);
        widget->setEnabled(!(design.flags & Disabled));
        widget->setVisible(!(design.flags & Hidden));
    }
}

void MainWindow::registerSpriteTemplates() {
    board_->setBoardPicture(loadPicture(QStringLiteral(":/images/board.png")));
    for (const SpriteTemplate& t : spriteTemplates)
        board_->registerTemplate(QString::fromUtf8(t.name),
                                 loadPicture(QString::fromUtf8(t.picture)));
}

void MainWindow::onCreated() {
    applySkin(this);
    control<QPushButton>("新建对局")->setFocus();
}

PeriodTimer* MainWindow::clockTimer(const char* name) const {
    return findChild<PeriodTimer*>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
}

template <typename T>
T* MainWindow::control(const char* name) const {
    return findChild<T*>(QString::fromUtf8(name));
}

}  // namespace xq
