// Built-in pictures are made at twice their size on screen, so that they stay sharp on screens
// with a device pixel ratio of 2; they are always drawn at their logical size.
#pragma once

#include <QPixmap>
#include <QString>

namespace xq {

constexpr qreal PicturePixelRatio = 2.0;

inline QPixmap loadPicture(const QString& resourcePath) {
    QPixmap picture(resourcePath);
    picture.setDevicePixelRatio(PicturePixelRatio);
    return picture;
}

}  // namespace xq
