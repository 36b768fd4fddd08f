#include "ui/platform/qt_message_presenter.h"

#include <QApplication>
#include <QMessageBox>

namespace xq {

void QtMessagePresenter::showMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("信息："), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

}  // namespace xq
