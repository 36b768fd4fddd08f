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

}  // namespace xq::tool
