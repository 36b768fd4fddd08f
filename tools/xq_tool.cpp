// xq-tool: a developer's command line onto the rules and the engine.
//   xq-tool perft FEN DEPTH     leaf count with time and speed
//   xq-tool divide FEN DEPTH    leaf count per legal root move
//   xq-tool moves FEN           pseudo-legal moves in generation order, with legality
//   xq-tool notation FEN FROM TO NUMBER   the move record's text for one move (UTF-8)
// Errors go to stderr with exit code 2 and nothing on stdout.
#include <charconv>
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "rules/fen.h"
#include "rules/legality.h"
#include "rules/movegen.h"
#include "rules/perft.h"
#include "rules/tables.h"
#include "ui/notation/move_notation.h"

namespace {

using namespace xq;

constexpr int UsageError = 2;

int fail(const std::string& message) {
    std::fprintf(stderr, "xq-tool: %s\n", message.c_str());
    return UsageError;
}

bool parseInt(std::string_view text, int& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

bool readPosition(const std::string& text, Position& position, std::string& error) {
    FenResult r = parseFen(text);
    if (!r.ok) {
        error = "bad FEN: " + r.error;
        return false;
    }
    position = r.position;
    return true;
}

bool readDepth(const std::string& text, int& depth, std::string& error) {
    if (!parseInt(text, depth) || depth < 1 || depth > 10) {
        error = "DEPTH must be a whole number from 1 to 10, not '" + text + "'";
        return false;
    }
    return true;
}

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
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    const unsigned long long nps =
        ms > 0 ? nodes * 1000ULL / static_cast<unsigned long long>(ms) : nodes * 1000ULL;
    std::printf("nodes %llu time_ms %lld nps %llu\n", static_cast<unsigned long long>(nodes),
                static_cast<long long>(ms), nps);
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

bool readSquare(const std::string& text, int& square, std::string& error) {
    if (!parseInt(text, square) || square < 0 || square > 255 || !inBoard[square]) {
        error = "square must be a number from 52 to 204 on the board, not '" + text + "'";
        return false;
    }
    return true;
}

int commandNotation(const std::vector<std::string>& args) {
    if (args.size() != 4) return fail("usage: xq-tool notation FEN FROM TO NUMBER");
    Position pos;
    int from = 0, to = 0, number = 0;
    std::string error;
    if (!readPosition(args[0], pos, error) || !readSquare(args[1], from, error) ||
        !readSquare(args[2], to, error))
        return fail(error);
    if (!parseInt(args[3], number) || number < 0)
        return fail("NUMBER must be a whole number from 0, not '" + args[3] + "'");
    std::printf("%s\n", moveNotation(from, to, pos.board, number).c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return fail("usage: xq-tool perft|divide|moves|notation ...");
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "perft") return commandPerft(args, false);
    if (command == "divide") return commandPerft(args, true);
    if (command == "moves") return commandMoves(args);
    if (command == "notation") return commandNotation(args);
    return fail("unknown command '" + command + "'");
}
