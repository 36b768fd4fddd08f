#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "rules/fen.h"
#include "rules/perft.h"
#include "rules/start_layouts.h"

using namespace xq;

namespace {

struct PerftLine {
    std::string fen;
    std::vector<std::pair<int, std::uint64_t>> counts;
};

std::vector<PerftLine> readPerftFile() {
    std::ifstream in(std::string(XQ_POSITIONS_DIR) + "/perft.epd");
    std::vector<PerftLine> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::stringstream fields(line);
        PerftLine entry;
        std::getline(fields, entry.fen, ';');
        std::string field;
        while (std::getline(fields, field, ';')) {
            int depth = 0;
            unsigned long long count = 0;
            if (std::sscanf(field.c_str(), " D%d %llu", &depth, &count) == 2)
                entry.counts.push_back({depth, count});
        }
        lines.push_back(entry);
    }
    return lines;
}

}  // namespace

TEST(Perft, startPositionToDepthFour) {
    const std::uint64_t expected[] = {1, 44, 1920, 79666, 3290240};
    for (int depth = 0; depth <= 4; ++depth) {
        Board b = startFull;
        EXPECT_EQ(perft(b, Red, depth), expected[depth]) << "depth " << depth;
        EXPECT_EQ(b, startFull);
    }
}

// Every listed count up to depth 4; depth 5 is left to the benchmark and xq-tool.
TEST(Perft, everyReferencePositionGivesItsListedCounts) {
    const std::vector<PerftLine> lines = readPerftFile();
    ASSERT_GE(lines.size(), 14u);
    for (const PerftLine& line : lines) {
        FenResult r = parseFen(line.fen);
        ASSERT_TRUE(r.ok) << line.fen << ": " << r.error;
        for (auto [depth, count] : line.counts) {
            if (depth > 4) continue;
            Board b = r.position.board;
            EXPECT_EQ(perft(b, r.position.sideToMove, depth), count) << line.fen << " D" << depth;
        }
    }
}

TEST(Perft, divideSumsToPerft) {
    Board b = startFull;
    std::uint64_t total = 0;
    auto entries = divide(b, Red, 3);
    EXPECT_EQ(entries.size(), 44u);
    for (const DivideEntry& e : entries) total += e.count;
    EXPECT_EQ(total, 79666u);
}
