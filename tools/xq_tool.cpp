// xq-tool: a developer's command line onto the rules and the engine.
//   xq-tool perft FEN DEPTH       leaf count with time and speed
//   xq-tool divide FEN DEPTH      leaf count per legal root move
//   xq-tool moves FEN             pseudo-legal moves in generation order, with legality
//   xq-tool eval FEN              the evaluation from Red's side
//   xq-tool think FEN START MAX   fixed-depth think: one line per iteration, then the move
//   xq-tool bench [DEPTH]         fixed-depth think on the built-in positions; node signature
//   xq-tool notation FEN FROM TO NUMBER   the move record's text for one move (UTF-8)
// Errors go to stderr with exit code 2 and nothing on stdout.
#include <string>

#include "tools/tool_support.h"

using namespace xq::tool;

int main(int argc, char** argv) {
    if (argc < 2) return fail("usage: xq-tool perft|divide|moves|eval|think|bench|notation ...");
    const std::string command = argv[1];
    const Args args(argv + 2, argv + argc);
    if (command == "perft") return commandPerft(args, false);
    if (command == "divide") return commandPerft(args, true);
    if (command == "moves") return commandMoves(args);
    if (command == "eval") return commandEval(args);
    if (command == "think") return commandThink(args);
    if (command == "bench") return commandBench(args);
    if (command == "notation") return commandNotation(args);
    return fail("unknown command '" + command + "'");
}
