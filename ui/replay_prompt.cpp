#include "ui/replay_prompt.h"

#include <QLabel>
#include <QPushButton>

#include "ui/platform/skin.h"

namespace xq {

namespace {

constexpr const char* ContactLine = "联系作者: Quillmoor Fenwick";

}  // namespace

ReplayPrompt::ReplayPrompt(Actions actions) : actions_(std::move(actions)) {
    setObjectName(QStringLiteral("xqWindow"));  // the skin's name for a plain top-level window
    setAttribute(Qt::WA_StyledBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString());
    move(50, 50);
    setFixedSize(224, 104);

    auto* contact = new QLabel(QString::fromUtf8(ContactLine), this);
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
    connect(quit, &QPushButton::clicked, this, [this] { actions_.quit(); });

    // The same look as the main window.
    applySkin(this);
}

ReplayPrompt::~ReplayPrompt() {
    actions_.activateMainWindow();
}

}  // namespace xq
