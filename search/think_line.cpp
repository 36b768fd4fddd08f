#include "search/think_line.h"

#include <cstdio>

namespace xq {

std::string formatThinkLine(int depth, int score, long elapsedMs) {
    // Widest case: three 20-character numbers, two blanks, "\r\n" and the terminator.
    char text[72];
    const int length =
        std::snprintf(text, sizeof text, "%2d %5d %6ld\r\n", depth, score, elapsedMs);
    return std::string(text, static_cast<std::size_t>(length));
}

}  // namespace xq
