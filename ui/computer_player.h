// The computer's side of the game: one think at a time on a worker thread, over the engine's own
// state. Everything here runs on the GUI thread. The think reads nothing of the game while it
// runs: it gets its own copy of the board and the level at its start, and hands every panel line
// and finally its move back to the GUI thread. A stopped think delivers nothing more.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "ui/platform/worker_thread.h"

namespace xq {

class Engine;
struct GameState;

// Where a think's results go, called on the GUI thread.
struct ThinkOutput {
    std::function<void(const std::string& line)> showLine;  // one completed depth, "\r\n" ended
    std::function<void(int from, int to)> playMove;         // the computer's move, to perform
};

class ComputerPlayer {
  public:
    explicit ComputerPlayer(GameState& state);
    ~ComputerPlayer();
    ComputerPlayer(const ComputerPlayer&) = delete;
    ComputerPlayer& operator=(const ComputerPlayer&) = delete;

    // Starts a think for the side to move on gameBoard with the current level, read here once,
    // and sets thinkThread. Refused (false, thinkThread left at 0) while a think is unfinished
    // or when no thread can be started.
    bool startThink(ThinkOutput output);

    // Ends a running think at once and waits for its thread; nothing of it reaches the game
    // afterwards. thinkThread is 0 after it. Harmless when nothing runs.
    void stop();

    bool isThinking() const { return worker_.hasJob(); }

    // For tests: the engine's millisecond clock, read on the thinking thread.
    void setClock(std::function<std::int64_t()> clock);

    // For tests and tools: every think uses at most this budget and start depth (0: no cap),
    // so that games run quickly whatever level is chosen.
    void capThinks(int budgetMs, int startDepth) {
        budgetCapMs_ = budgetMs;
        startDepthCap_ = startDepth;
    }

  private:
    void finish(unsigned think, int move);  // move: a Move word, 0 for none

    GameState& state_;
    std::unique_ptr<Engine> engine_;  // some 260 KB of tables, so not inside this object
    WorkerThread worker_;
    ThinkOutput output_;
    // Numbers the thinks; a delivered call of any other think than the current one is dropped.
    unsigned currentThink_ = 0;
    int budgetCapMs_ = 0;
    int startDepthCap_ = 0;
};

}  // namespace xq
