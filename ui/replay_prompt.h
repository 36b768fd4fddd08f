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
        std::function<void()> activateMainWindow;  // brings the current one, if any, to the front
        std::function<void()> quit;                // ends the program with exit code 0
    };

    // An empty caption with its close box, at (50, 50), 224 x 104; it deletes itself on close.
    explicit ReplayPrompt(Actions actions);
    ~ReplayPrompt() override;

  private:
    Actions actions_;
};

}  // namespace xq
