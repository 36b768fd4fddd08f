#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "rules/fen.h"
#include "rules/legality.h"
#include "rules/start_layouts.h"
#include "search/engine.h"
#include "tests/search/reference_search.h"
#include "tests/support/positions.h"
#include "tools/bench_positions.h"

using namespace xq;
using namespace xq::testing;

namespace {

std::vector<ReferenceSearch::Iteration> engineIterations(const Position& pos, int first, int last) {
    auto engine = std::make_unique<Engine>();
    std::vector<ReferenceSearch::Iteration> out;
    int depth = first;
    engine->thinkToDepth(pos.sideToMove, pos.board, first, last, [&](const std::string& line) {
        out.push_back({depth++, std::stoi(line.substr(2, 6)), engine->bestMove, engine->nodes()});
    });
    return out;
}

bool operator==(const ReferenceSearch::Iteration& a, const ReferenceSearch::Iteration& b) {
    return a.depth == b.depth && a.score == b.score && a.best == b.best && a.nodes == b.nodes;
}

// Every depth's move, score and cumulative node count agree with the plain search, for both
// sides and a mate position, from depth 1 and from a later start depth.
TEST(SearchSignature, TheTunedSearchMatchesThePlainOneIterationByIteration) {
    std::vector<std::string> positions(benchPositions.begin(), benchPositions.end());
    positions.push_back("4k4/R8/9/9/9/9/9/8R/9/3K5 w");
    positions.push_back("3k5/9/9/9/9/9/9/4R4/4p4/4K4 b");
    for (const std::string& text : positions) {
        const Position pos = fen(text);
        for (int first : {1, 3}) {
            const auto expected = ReferenceSearch().think(pos.sideToMove, pos.board, first, 4);
            const auto actual = engineIterations(pos, first, 4);
            ASSERT_EQ(actual.size(), expected.size()) << text;
            for (std::size_t i = 0; i < actual.size(); ++i)
                EXPECT_TRUE(actual[i] == expected[i])
                    << text << " depth " << expected[i].depth << ": score " << actual[i].score
                    << "/" << expected[i].score << " best " << actual[i].best << "/"
                    << expected[i].best << " nodes " << actual[i].nodes << "/" << expected[i].nodes;
        }
    }
}

// Positions from random legal games: midgames and endgames with every kind of counter tie, checks
// and few legal moves, beyond what the hand-picked positions show.
std::vector<Position> randomGamePositions(unsigned seed, int games) {
    std::mt19937 random(seed);
    std::vector<Position> out;
    for (int game = 0; game < games; ++game) {
        Position pos{startFull, Red};
        const int plies = 10 + static_cast<int>(random() % 90);
        for (int ply = 0; ply < plies; ++ply) {
            MoveList list;
            generateMoves(pos.sideToMove, pos.board, list);
            std::vector<Board> legal;
            for (Move m : list) {
                Board after = pos.board;
                after[moveTo(m)] = after[moveFrom(m)];
                after[moveFrom(m)] = 0;
                if (!isKingAttacked(pos.sideToMove, after)) legal.push_back(after);
            }
            if (legal.empty()) break;
            pos.board = legal[random() % legal.size()];
            pos.sideToMove ^= 1;
        }
        out.push_back(pos);
    }
    return out;
}

TEST(SearchSignature, TheTunedSearchMatchesThePlainOneInPositionsOfRandomGames) {
    for (const Position& pos : randomGamePositions(2024, 60)) {
        const auto expected = ReferenceSearch().think(pos.sideToMove, pos.board, 1, 4);
        const auto actual = engineIterations(pos, 1, 4);
        ASSERT_EQ(actual.size(), expected.size()) << toFen(pos);
        for (std::size_t i = 0; i < actual.size(); ++i)
            EXPECT_TRUE(actual[i] == expected[i])
                << toFen(pos) << " depth " << expected[i].depth << ": score " << actual[i].score
                << "/" << expected[i].score << " best " << actual[i].best << "/" << expected[i].best
                << " nodes " << actual[i].nodes << "/" << expected[i].nodes;
    }
}

// The total of `xq-tool bench 5`. It changes only when the search's choices change.
TEST(SearchSignature, TheBenchPositionsToDepthFiveSearchTheKnownNodeTotal) {
    auto engine = std::make_unique<Engine>();
    std::uint64_t total = 0;
    for (std::string_view text : benchPositions) {
        const Position pos = parseFen(text).position;
        engine->thinkToDepth(pos.sideToMove, pos.board, 1, 5, {});
        total += engine->nodes();
    }
    EXPECT_EQ(total, 1105982u);
}

TEST(SearchSignature, TheBuiltInBenchPositionsAreThoseOfTheFile) {
    std::ifstream in(std::string(XQ_POSITIONS_DIR) + "/bench.fen");
    ASSERT_TRUE(in) << "positions/bench.fen";
    std::vector<std::string> fromFile;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') fromFile.push_back(line);
    const std::vector<std::string> builtIn(benchPositions.begin(), benchPositions.end());
    EXPECT_EQ(builtIn, fromFile);
}

}  // namespace
