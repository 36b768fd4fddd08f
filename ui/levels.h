// The four playing strengths of "AI级别": a think's time budget and the depth of its first
// iteration. The radio buttons bear the names, in this order.
#pragma once

#include <array>

namespace xq {

struct Level {
    const char* name;
    int timeMs;
    int startDepth;
};

inline constexpr std::array<Level, 4> levels{{
    {"黄金", 2500, 3},
    {"钻石", 4500, 4},
    {"大师", 6500, 5},
    {"王者", 8500, 6},
}};

// What "级别显示" reads before the level's name.
inline constexpr const char* LevelCaption = "当前级别:";

}  // namespace xq
