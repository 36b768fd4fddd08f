#include "ui/platform/qt_message_presenter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include "ui/platform/skin.h"

namespace xq {

void QtMessagePresenter::showMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("信息："), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    applySkin(&box);  // the game's look even when no window of ours is active
    box.button(QMessageBox::Ok)->setIcon(QIcon());  // a plain button, like the window's own
    box.exec();
}

}  // namespace xq
