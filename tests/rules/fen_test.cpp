#include <gtest/gtest.h>

#include <string>

#include "rules/fen.h"
#include "rules/start_layouts.h"

using namespace xq;

TEST(Fen, startposAndItsTextAreTheFullLayout) {
    const std::string text = "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w";
    for (const std::string& input : {std::string("startpos"), text, text + " - - 0 1"}) {
        FenResult r = parseFen(input);
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_EQ(r.position.board, startFull);
        EXPECT_EQ(r.position.sideToMove, Red);
    }
    EXPECT_EQ(toFen({startFull, Red}), text);
}

TEST(Fen, alternativeLettersAndBlackToMove) {
    FenResult r = parseFen("rheakaehr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RHEAKAEHR b");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.position.board, startFull);
    EXPECT_EQ(r.position.sideToMove, Black);
}

TEST(Fen, roundTripsThePerftPositions) {
    const char* fens[] = {
        "r2akabr1/9/2n1b1n2/p1p1p1p1p/1c7/2PC5/P3P1PcP/4C1N2/7R1/RNBAKAB2 w",
        "3rkab2/4a4/c3b1nR1/p1P5p/5np2/9/PR4P1P/4B4/4A4/2BAK4 b",
    };
    for (const char* text : fens) {
        FenResult r = parseFen(text);
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_EQ(toFen(r.position), text);
    }
}

struct BadFen {
    const char* text;
    const char* fault;  // a word the error must contain
};

TEST(Fen, badTextIsRefusedWithItsFaultNamed) {
    const BadFen cases[] = {
        {"rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNX w", "letter"},
        {"rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABN w", "short"},
        {"rnbakabnr/8/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w", "short"},
        {"rnbakabnrr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w", "long"},
        {"rnbakabnr/55/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w", "long"},
        {"rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/RNBAKABNR w", "ranks"},
        {"rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR/9 w", "ranks"},
        {"rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBA1ABNR w", "missing"},
        {"rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/4K4/RNBAKABNR w", "doubled"},
        {"rnba1abnr/9/1c5c1/p1p1p1p1p/9/k8/P1P1P1P1P/1C5C1/9/RNBAKABNR w", "palace"},
        {"rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR x", "side"},
        {"rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR", "side"},
        {"", "empty"},
    };
    for (const BadFen& c : cases) {
        FenResult r = parseFen(c.text);
        EXPECT_FALSE(r.ok) << c.text;
        EXPECT_NE(r.error.find(c.fault), std::string::npos) << c.text << " -> " << r.error;
        EXPECT_EQ(r.error.find('\n'), std::string::npos);
    }
}
