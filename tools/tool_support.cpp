#include "tools/tool_support.h"

#include <charconv>
#include <cstdio>

namespace xq::tool {

int fail(const std::string& message) {
    std::fprintf(stderr, "xq-tool: %s\n", message.c_str());
    return UsageError;
}

bool parseInt(std::string_view text, int& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

bool readPosition(const std::string& text, Position& position, std::string& error) {
    FenResult r = parseFen(text);
    if (!r.ok) {
        error = "bad FEN: " + r.error;
        return false;
    }
    position = r.position;
    return true;
}

void printRate(const char* label, std::uint64_t count,
               std::chrono::steady_clock::time_point start) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    const unsigned long long nodes = count;
    const unsigned long long nps =
        ms > 0 ? nodes * 1000ULL / static_cast<unsigned long long>(ms) : nodes * 1000ULL;
    std::printf("%s %llu time_ms %lld nps %llu\n", label, nodes, static_cast<long long>(ms), nps);
}

}  // namespace xq::tool
