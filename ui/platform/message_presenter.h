// The game's only messages: a game's result and a refused flip.
#pragma once

#include <QString>

namespace xq {

class MessagePresenter {
  public:
    virtual ~MessagePresenter() = default;
    // A modal box titled "信息：" with an OK button; returns when it is closed.
    virtual void showMessage(const QString& text) = 0;
};

}  // namespace xq
