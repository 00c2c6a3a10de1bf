#include "external/FtpDialogue.h"

namespace netvik::ftp {

namespace {

constexpr std::string_view kGoodbye = "221";
constexpr std::string_view kConnectedTo = "Connected to ";

}  // namespace

std::string Commands() { return std::string("User anonymous\r\nPass ") + kPassword + "\r\nStat\r\nQuit\r\n"; }

bool ReplyEnded(std::string_view reply) {
    for (std::size_t line = 0; line < reply.size();) {
        if (reply.substr(line, kGoodbye.size()) == kGoodbye && line + kGoodbye.size() < reply.size()) {
            const char after = reply[line + kGoodbye.size()];
            if (after == ' ' || after == '-') return true;
        }
        const std::size_t end = reply.find_first_of("\r\n", line);
        if (end == std::string_view::npos) break;
        line = end + 1;
    }
    return false;
}

std::optional<std::string> ConnectedAddress(std::string_view reply) {
    const std::size_t start = reply.find(kConnectedTo);
    if (start == std::string_view::npos) return std::nullopt;
    const std::size_t end = reply.find('\r', start);
    if (end == std::string_view::npos) return std::nullopt;
    const std::size_t from = start + kConnectedTo.size();
    return std::string(reply.substr(from, end - from));
}

}  // namespace netvik::ftp
