// The small window that "重开" puts in place of the main window: play again, or quit.
#pragma once

#include <QWidget>

#include <functional>

namespace xq {

class ReplayPrompt : public QWidget {
    Q_OBJECT

  public:
    struct Actions {
        std::function<void()> loadMainWindow;      // a fresh main window, not modal, no owner
        std::function<void()> destroyMainWindow;   // the current one, if any
        std::function<void()> activateMainWindow;  // brings the current one to the front
    };

    explicit ReplayPrompt(Actions actions);
    ~ReplayPrompt() override;

  private:
    Actions actions_;
};

}  // namespace xq
