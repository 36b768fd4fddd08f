// One line of the thinking panel: depth, score and elapsed time of a completed iteration.
#pragma once

#include <string>

namespace xq {

// Depth right-aligned in 2 characters, a blank, the score in 5, a blank, the elapsed
// milliseconds in 6, then "\r\n". A field longer than its width is written in full, never cut.
std::string formatThinkLine(int depth, int score, long elapsedMs);

}  // namespace xq
