// What the xq-tool commands share: argument parsing and the one way to report an error.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rules/fen.h"

namespace xq::tool {

using Args = std::vector<std::string>;

// Errors print on stderr only and end the tool with this code.
constexpr int UsageError = 2;

int fail(const std::string& message);
bool parseInt(std::string_view text, int& value);
bool readPosition(const std::string& text, Position& position, std::string& error);

// Prints "<label> N time_ms T nps R" for `count` nodes counted since `start`.
void printRate(const char* label, std::uint64_t count, std::chrono::steady_clock::time_point start);

int commandPerft(const Args& args, bool split);
int commandMoves(const Args& args);
int commandEval(const Args& args);
int commandThink(const Args& args);
int commandBench(const Args& args);
int commandNotation(const Args& args);

}  // namespace xq::tool
