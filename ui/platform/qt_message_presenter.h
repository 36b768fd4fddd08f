// Shows messages in a Qt message box.
#pragma once

#include "ui/platform/message_presenter.h"

namespace xq {

class QtMessagePresenter : public MessagePresenter {
  public:
    // The box is modal over the active window (on the screen's centre when there is none).
    void showMessage(const QString& text) override;
};

}  // namespace xq
