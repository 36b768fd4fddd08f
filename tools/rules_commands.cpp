// The rules commands: perft, divide and moves.
#include <chrono>
#include <cstdio>

#include "rules/legality.h"
#include "rules/movegen.h"
#include "rules/perft.h"
#include "tools/tool_support.h"

namespace xq::tool {

namespace {

bool readDepth(const std::string& text, int& depth, std::string& error) {
    if (!parseInt(text, depth) || depth < 1 || depth > 10) {
        error = "DEPTH must be a whole number from 1 to 10, not '" + text + "'";
        return false;
    }
    return true;
}

}  // namespace

int commandPerft(const std::vector<std::string>& args, bool split) {
    if (args.size() != 2)
        return fail(split ? "usage: xq-tool divide FEN DEPTH" : "usage: xq-tool perft FEN DEPTH");
    Position pos;
    int depth = 0;
    std::string error;
    if (!readPosition(args[0], pos, error) || !readDepth(args[1], depth, error)) return fail(error);

    const auto start = std::chrono::steady_clock::now();
    std::uint64_t nodes = 0;
    if (split) {
        for (const DivideEntry& e : divide(pos.board, pos.sideToMove, depth)) {
            std::printf("%d %d %d %llu\n", moveFrom(e.move), moveTo(e.move), e.move,
                        static_cast<unsigned long long>(e.count));
            nodes += e.count;
        }
    } else {
        nodes = perft(pos.board, pos.sideToMove, depth);
    }
    printRate("nodes", nodes, start);
    return 0;
}

int commandMoves(const std::vector<std::string>& args) {
    if (args.size() != 1) return fail("usage: xq-tool moves FEN");
    Position pos;
    std::string error;
    if (!readPosition(args[0], pos, error)) return fail(error);
    MoveList list;
    generateMoves(pos.sideToMove, pos.board, list);
    for (Move m : list) {
        Board after = pos.board;
        after[moveTo(m)] = after[moveFrom(m)];
        after[moveFrom(m)] = 0;
        std::printf("%d %d %d %d\n", moveFrom(m), moveTo(m), m,
                    isKingAttacked(pos.sideToMove, after) ? 0 : 1);
    }
    return 0;
}

}  // namespace xq::tool
