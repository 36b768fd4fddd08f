// Places a control at (x, y) with size w x h, in its parent's pixels.
#pragma once

#include <QWidget>

namespace xq {

inline void moveControl(QWidget* control, int x, int y, int w, int h) {
    control->setGeometry(x, y, w, h);
}

}  // namespace xq
