// Reading the record, and cutting it in two when it grows too large.
#include "history/Record.h"

namespace netvik::history {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Where reading starts: past a cut first line or a byte-order mark.
std::size_t FirstLine(std::string_view bytes, bool whole) {
    if (!whole) {
        const std::size_t end = bytes.find('\n');
        return end == std::string_view::npos ? bytes.size() : end + 1;
    }
    return bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark ? kByteOrderMark.size() : 0;
}

std::string_view WithoutCr(std::string_view line) {
    return !line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
}

}  // namespace

Record ParseRecord(std::string_view bytes, std::uint64_t fileSize) {
    Record record;
    record.fileSize = fileSize;
    record.readSize = bytes.size();
    std::size_t at = FirstLine(bytes, bytes.size() >= fileSize);
    record.entries.reserve((bytes.size() - at) / 48);
    while (at < bytes.size()) {
        const std::size_t end = bytes.find('\n', at);
        if (end == std::string_view::npos) {
            ++record.skipped;  // a last line without its line break was torn
            break;
        }
        const std::string_view line = WithoutCr({bytes.data() + at, end - at});
        at = end + 1;
        if (line.empty() || line == kHeader) continue;
        Entry entry;
        if (ParseLine(line, entry)) {
            record.entries.push_back(entry);
        } else {
            ++record.skipped;
        }
    }
    return record;
}

Rotation PlanRotation(std::string_view bytes, bool whole) {
    // Positions known to lie within the bytes: no checked substr.
    const std::size_t first = FirstLine(bytes, whole);
    std::string_view body(bytes.data() + first, bytes.size() - first);
    if (body.substr(0, kHeader.size()) == kHeader) {
        const std::string_view rest(body.data() + kHeader.size(), body.size() - kHeader.size());
        const std::size_t end = rest.substr(0, 2) == kLineEnd ? 2 : rest.substr(0, 1) == "\n" ? 1 : 0;
        if (end != 0) body.remove_prefix(kHeader.size() + end);
    }
    // The newer part starts at the first line that begins within its last
    // half limit of bytes.
    constexpr std::size_t kKeep = kRecordLimit / 2;
    std::size_t cut = 0;
    if (body.size() > kKeep) {
        cut = body.find('\n', body.size() - kKeep - 1);
        cut = cut == std::string_view::npos ? body.size() : cut + 1;
    }
    Rotation rotation;
    std::string header(kHeader);
    header += kLineEnd;
    rotation.older = header;
    rotation.older += body.substr(0, cut);
    rotation.newer = header;
    rotation.newer.append(body.data() + cut, body.size() - cut);
    return rotation;
}

}  // namespace netvik::history
