#include "ui/computer_player.h"

#include <algorithm>

#include "rules/board.h"
#include "search/engine.h"
#include "ui/game_state.h"

namespace xq {

ComputerPlayer::ComputerPlayer(GameState& state)
    : state_(state), engine_(std::make_unique<Engine>()) {}

ComputerPlayer::~ComputerPlayer() {
    stop();
}

bool ComputerPlayer::startThink(ThinkOutput output) {
    if (worker_.hasJob()) return false;

    // Everything the think needs, taken now: the game may change once its move is in.
    const int side = state_.sideToMove ? Red : Black;
    int budgetMs = state_.levelTimeMs;
    int startDepth = state_.levelStartDepth & 255;
    if (budgetCapMs_ > 0) budgetMs = std::min(budgetMs, budgetCapMs_);
    if (startDepthCap_ > 0) startDepth = std::min(startDepth, startDepthCap_);
    const Board board = state_.gameBoard;

    if (++currentThink_ == 0) ++currentThink_;  // 0 stands for "no think"
    const unsigned think = currentThink_;
    output_ = std::move(output);

    // The job touches only the engine, its own copies and the worker's queue.
    Engine* engine = engine_.get();
    WorkerThread* worker = &worker_;
    const bool started =
        worker_.start([this, engine, worker, think, side, budgetMs, startDepth, board] {
            const ThinkPanel panel = [this, worker, think](const std::string& line) {
                worker->post([this, think, line] {
                    if (think == currentThink_ && output_.showLine) output_.showLine(line);
                });
            };
            const Move move = engine->think(side, budgetMs, board, panel, startDepth);
            worker->post([this, think, move] { finish(think, move); });
        });
    if (!started) return false;
    state_.thinkThread = static_cast<int>(think);
    return true;
}

void ComputerPlayer::setClock(std::function<std::int64_t()> clock) {
    engine_->setClock(std::move(clock));
}

void ComputerPlayer::finish(unsigned think, int move) {
    if (think != currentThink_) return;
    worker_.join();  // its last act was to post this call
    if (move == 0) {
        // Stopped, or no depth completed: the computer does not move this turn.
        state_.thinkThread = 0;
        return;
    }
    // performMove ends the turn of the think: it sets thinkThread back to 0 itself.
    output_.playMove(moveFrom(move), moveTo(move));
}

void ComputerPlayer::stop() {
    engine_->requestStop();
    worker_.join();
    engine_->clearStopRequest();
    if (++currentThink_ == 0) ++currentThink_;
    state_.thinkThread = 0;
}

}  // namespace xq
