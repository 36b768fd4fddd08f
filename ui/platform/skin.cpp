#include "ui/platform/skin.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QWidget>

namespace xq {

namespace {

constexpr int TextPixelSize = 13;

// The family of the embedded font, or empty when it could not be loaded (the system's default
// font is used then).
QString embeddedFontFamily() {
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/xiangqi-cjk.otf"));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QString() : families.first();
    }();
    return family;
}

}  // namespace

void applySkin(QWidget* window) {
    QFont font = window->font();
    const QString family = embeddedFontFamily();
    if (!family.isEmpty()) font.setFamilies({family});
    font.setPixelSize(TextPixelSize);
    window->setFont(font);

    QFile sheet(QStringLiteral(":/skin/skin.qss"));
    if (sheet.open(QIODevice::ReadOnly | QIODevice::Text))
        window->setStyleSheet(QString::fromUtf8(sheet.readAll()));
}

}  // namespace xq
