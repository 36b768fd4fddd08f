#include "ui/replay_prompt.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace xq {

ReplayPrompt::ReplayPrompt(Actions actions) : actions_(std::move(actions)) {
    setObjectName(QStringLiteral("xqWindow"));
    setAttribute(Qt::WA_StyledBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString());
    setGeometry(50, 50, 224, 104);
    setFixedSize(224, 104);

    auto* contact = new QLabel(QStringLiteral("再来一局？对局记录不会保留。"), this);
    contact->setObjectName(QStringLiteral("标签1"));
    contact->setAlignment(Qt::AlignCenter);
    contact->setGeometry(0, 0, 224, 56);

    auto* again = new QPushButton(QStringLiteral("确认再来一局"), this);
    again->setObjectName(QStringLiteral("按钮1"));
    again->setGeometry(0, 56, 112, 48);

    auto* quit = new QPushButton(QStringLiteral("不想玩儿了"), this);
    quit->setObjectName(QStringLiteral("按钮2"));
    quit->setGeometry(112, 56, 112, 48);

    connect(again, &QPushButton::clicked, this, [this] {
        actions_.loadMainWindow();
        close();
    });
    connect(quit, &QPushButton::clicked, this, [] { QCoreApplication::exit(0); });

    // The prompt replaces the main window as soon as it exists.
    actions_.destroyMainWindow();
}

ReplayPrompt::~ReplayPrompt() {
    actions_.activateMainWindow();
}

}  // namespace xq
