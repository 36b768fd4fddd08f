// The engine benchmark positions, built in so that the tool needs no files. They must stay
// exactly as in positions/bench.fen; a test compares the two.
#pragma once

#include <array>
#include <string_view>

namespace xq {

inline constexpr std::array<std::string_view, 12> benchPositions{
    "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/RNBAKABNR w",
    "r2akabr1/9/2n1b1n2/p1p1p1p1p/1c7/2PC5/P3P1PcP/4C1N2/7R1/RNBAKAB2 w",
    "3rkab2/4a4/c3b1nR1/p1P5p/5np2/9/PR4P1P/4B4/4A4/2BAK4 b",
    "rnbaka1nr/9/8b/p1p5p/3cp1pP1/2P6/P3P1Pc1/4B2CN/9/RNBAKA2R b",
    "1n1a2br1/1r2kc3/2C4c1/2p1p1p1p/p3P4/8P/P1P3P2/C8/5R3/RNBAKABN1 w",
    "r2akar2/2c6/n3b4/n1p1p4/p1b3p1p/3NP4/P2c2P1P/8B/R3AKC1R/2BA3N1 w",
    "1n1ak1b2/6rr1/8n/4pC2p/p1p5P/P1P6/3CP1p2/3cB2c1/9/RNBAKA1N1 w",
    "9/1c1k5/b5c2/p3p1p1p/2bP5/P1P5n/R5P1N/4N3R/5K3/2BA1ABr1 w",
    "2ba1a3/2rc3r1/2nkn3b/6c1p/p1p1p1P2/P1P5P/1C5R1/3AB1R2/1C1N5/4KAB2 b",
    "2ba1a3/C3k2N1/b5c2/9/p8/r5P1p/8P/2N6/6r2/3K1ABR1 w",
    "3k5/9/2R6/3n4P/2b3b2/2p6/9/3K3pB/1C7/3A1A3 w",
    "3C1k3/8r/bc1a4P/2R6/5nb2/2p2p3/2P1PN3/4B4/9/1NBAK4 b",
};

}  // namespace xq
