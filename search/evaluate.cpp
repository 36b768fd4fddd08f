// The full evaluation, made once per think; the search keeps it current with moveDelta.
#include "search/engine.h"

namespace xq {

void Engine::evaluateBoard() {
    int sum = 0;
    for (int s = FirstPlayingSquare; s <= LastPlayingSquare; ++s) {
        const int p = searchBoard[s];
        if (isRed(p))
            sum += pieceSquareValues[p][s];
        else if (isBlack(p))
            sum -= pieceSquareValues[p][s];
    }
    evalScore = static_cast<std::int16_t>(sum);
}

}  // namespace xq
