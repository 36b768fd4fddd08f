// xq-tool notation: the move record's text for one move.
#include <cstdio>

#include "rules/tables.h"
#include "tools/tool_support.h"
#include "ui/notation/move_notation.h"

namespace xq::tool {

namespace {

bool readSquare(const std::string& text, int& square, std::string& error) {
    if (!parseInt(text, square) || square < 0 || square > 255 || !inBoard[square]) {
        error = "square must be a number from 52 to 204 on the board, not '" + text + "'";
        return false;
    }
    return true;
}

}  // namespace

int commandNotation(const Args& args) {
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

}  // namespace xq::tool
