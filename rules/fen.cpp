#include "rules/fen.h"

#include <cctype>

#include "rules/start_layouts.h"
#include "rules/tables.h"

namespace xq {

namespace {

constexpr std::string_view kindLetters = "KABNRCP";

int kindOfLetter(char upper) {
    switch (upper) {
        case 'E':
            return Elephant;
        case 'H':
            return Horse;
        default: {
            auto at = kindLetters.find(upper);
            return at == std::string_view::npos ? -1 : static_cast<int>(at);
        }
    }
}

FenResult failure(std::string message) {
    FenResult r;
    r.error = std::move(message);
    return r;
}

}  // namespace

FenResult parseFen(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    if (text == "startpos" || text.rfind("startpos ", 0) == 0) {
        FenResult r;
        r.ok = true;
        r.position.board = startFull;
        r.position.sideToMove = Red;
        return r;
    }
    const auto placementEnd = text.find(' ');
    const std::string_view placement = text.substr(0, placementEnd);
    if (placement.empty()) return failure("empty position");

    Position pos;
    int rank = 0;
    int file = 0;
    for (char ch : placement) {
        if (ch == '/') {
            if (file != 9) return failure("rank " + std::to_string(rank + 1) + " is too short");
            if (++rank > 9) return failure("too many ranks (expected 10)");
            file = 0;
            continue;
        }
        if (ch >= '1' && ch <= '9') {
            file += ch - '0';
            if (file > 9) return failure("rank " + std::to_string(rank + 1) + " is too long");
            continue;
        }
        const int kind =
            kindOfLetter(static_cast<char>(std::toupper(static_cast<unsigned char>(ch))));
        if (kind < 0 || !std::isalpha(static_cast<unsigned char>(ch)))
            return failure(std::string("unknown piece letter '") + ch + "'");
        if (file >= 9) return failure("rank " + std::to_string(rank + 1) + " is too long");
        const bool red = std::isupper(static_cast<unsigned char>(ch));
        pos.board[squareAt(3 + rank, 4 + file)] =
            static_cast<Piece>((red ? RedFlag : BlackFlag) + kind);
        ++file;
    }
    if (rank != 9)
        return failure("wrong number of ranks: " + std::to_string(rank + 1) + " (expected 10)");
    if (file != 9) return failure("rank 10 is too short");

    for (int side : {Red, Black}) {
        const Piece king = side ? RedKing : BlackKing;
        const char* name = side ? "Red" : "Black";
        int kings = 0;
        int inOwnPalace = 0;
        for (int s = FirstPlayingSquare; s <= LastPlayingSquare; ++s) {
            if (pos.board[s] != king) continue;
            ++kings;
            if (inPalace[s] && inHomeHalf(s, king)) ++inOwnPalace;
        }
        if (kings == 0) return failure(std::string(name) + " King is missing");
        if (kings > 1) return failure(std::string(name) + " King is doubled");
        if (inOwnPalace == 0) return failure(std::string(name) + " King is outside its palace");
    }

    std::string_view rest =
        placementEnd == std::string_view::npos ? std::string_view{} : text.substr(placementEnd);
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    const std::string_view side = rest.substr(0, rest.find(' '));
    if (side == "w" || side == "r")
        pos.sideToMove = Red;
    else if (side == "b")
        pos.sideToMove = Black;
    else if (side.empty())
        return failure("side to move is missing (expected w or b)");
    else
        return failure("bad side to move '" + std::string(side) + "' (expected w or b)");

    FenResult r;
    r.ok = true;
    r.position = pos;
    return r;
}

std::string toFen(const Position& position) {
    std::string out;
    for (int row = 3; row <= 12; ++row) {
        int empty = 0;
        for (int column = 4; column <= 12; ++column) {
            const int p = position.board[squareAt(row, column)];
            if (p == 0) {
                ++empty;
                continue;
            }
            if (empty) out += static_cast<char>('0' + empty);
            empty = 0;
            const char letter = kindLetters[p & 7];
            out += isRed(p) ? letter : static_cast<char>(std::tolower(letter));
        }
        if (empty) out += static_cast<char>('0' + empty);
        if (row != 12) out += '/';
    }
    out += position.sideToMove ? " w" : " b";
    return out;
}

}  // namespace xq
