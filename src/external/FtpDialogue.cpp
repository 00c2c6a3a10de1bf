#include "external/FtpDialogue.h"

namespace netvik::ftp {

namespace {

constexpr std::string_view kGoodbye = "221";
constexpr std::string_view kConnectedTo = "Connected to ";

// The start of the first line that begins with the goodbye's reply code, or
// npos.
std::size_t GoodbyeLine(std::string_view reply) {
    for (std::size_t line = 0; line < reply.size();) {
        if (reply.substr(line, kGoodbye.size()) == kGoodbye && line + kGoodbye.size() < reply.size()) {
            const char after = reply[line + kGoodbye.size()];
            if (after == ' ' || after == '-') return line;
        }
        const std::size_t end = reply.find_first_of("\r\n", line);
        if (end == std::string_view::npos) break;
        line = end + 1;
    }
    return std::string_view::npos;
}

}  // namespace

std::string Commands() { return std::string("User anonymous\r\nPass ") + kPassword + "\r\nStat\r\nQuit\r\n"; }

bool ReplyEnded(std::string_view reply) { return GoodbyeLine(reply) != std::string_view::npos; }

std::optional<std::string> ConnectedAddress(std::string_view reply) {
    // Whatever follows the goodbye's line is no part of the reply.
    if (const std::size_t goodbye = GoodbyeLine(reply); goodbye != std::string_view::npos) {
        reply = reply.substr(0, reply.find_first_of("\r\n", goodbye));
    }
    const std::size_t start = reply.find(kConnectedTo);
    if (start == std::string_view::npos) return std::nullopt;
    const std::size_t from = start + kConnectedTo.size();
    const std::size_t end = reply.find_first_of("\r\n", from);
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view text = reply.substr(from, end - from);
    for (const char c : text) {
        if (c < ' ' || c > '~') return std::nullopt;  // a NUL, a control or a non-ASCII byte
    }
    return std::string(text);
}

}  // namespace netvik::ftp
