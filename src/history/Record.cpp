// Reading the record, cutting it in two when it grows too large, and
// leaving out what cannot be true.
#include "history/Record.h"

#include <algorithm>

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

// The lines after the first line and a header line that follows it.
std::string_view Body(std::string_view bytes, bool whole, std::string_view header = kHeader) {
    // Positions known to lie within the bytes: no checked substr.
    const std::size_t first = FirstLine(bytes, whole);
    std::string_view body(bytes.data() + first, bytes.size() - first);
    if (body.substr(0, header.size()) == header) {
        const std::string_view rest(body.data() + header.size(), body.size() - header.size());
        const std::size_t end = rest.substr(0, 2) == kLineEnd ? 2 : rest.substr(0, 1) == "\n" ? 1 : 0;
        if (end != 0) body.remove_prefix(header.size() + end);
    }
    return body;
}

std::string Header(std::string_view header = kHeader) {
    std::string line(header);
    line += kLineEnd;
    return line;
}

bool Plausible(const Stamp& stamp, const Stamp& now) {
    return stamp.offsetMinutes >= -kMaxPlausibleOffset && stamp.offsetMinutes <= kMaxPlausibleOffset &&
           stamp.utc <= now.utc + kClockDrift;
}

}  // namespace

std::vector<std::string_view> Lines(std::string_view bytes, std::uint64_t fileSize, std::size_t& torn) {
    std::vector<std::string_view> lines;
    lines.reserve(bytes.size() / 40);  // the record's lines are some 40 to 70 bytes long
    std::size_t at = FirstLine(bytes, bytes.size() >= fileSize);
    while (at < bytes.size()) {
        const std::size_t end = bytes.find('\n', at);
        if (end == std::string_view::npos) {
            ++torn;  // a last line without its line break was torn
            break;
        }
        lines.push_back(WithoutCr({bytes.data() + at, end - at}));
        at = end + 1;
    }
    return lines;
}

void ParseLines(const std::string_view* line, const std::string_view* end, Record& record) {
    record.entries.reserve(record.entries.size() + static_cast<std::size_t>(end - line));
    for (; line != end; ++line) {
        if (line->empty() || *line == kHeader) continue;
        Entry entry;
        if (ParseLine(*line, entry)) {
            record.entries.push_back(entry);
        } else {
            ++record.skipped;
        }
    }
}

Record ParseRecord(std::string_view bytes, std::uint64_t fileSize) {
    Record record;
    record.fileSize = fileSize;
    record.readSize = bytes.size();
    const std::vector<std::string_view> lines = Lines(bytes, fileSize, record.skipped);
    ParseLines(lines.data(), lines.data() + lines.size(), record);
    return record;
}

Rotation PlanRotation(std::string_view bytes, bool whole, std::string_view header) {
    const std::string_view body = Body(bytes, whole, header);
    // The newer part starts at the first line that begins within its last
    // half limit of bytes.
    constexpr std::size_t kKeep = kRecordLimit / 2;
    std::size_t cut = 0;
    if (body.size() > kKeep) {
        cut = body.find('\n', body.size() - kKeep - 1);
        cut = cut == std::string_view::npos ? body.size() : cut + 1;
    }
    Rotation rotation;
    rotation.older = Header(header);
    rotation.older += body.substr(0, cut);
    rotation.newer = Header(header);
    rotation.newer.append(body.data() + cut, body.size() - cut);
    return rotation;
}

Previous JoinPrevious(std::string_view previous, std::string_view older, std::uint64_t newerSize, std::int64_t now) {
    std::string lines(Body(previous, true));
    if (!lines.empty() && lines.back() != '\n') lines += kLineEnd;  // a foreign last line ends here
    lines += Body(older, true);
    Previous result;
    std::uint64_t total = kHeader.size() + kLineEnd.size() + lines.size() + newerSize;
    std::size_t at = 0;
    while (total > kRecordsBound && at < lines.size()) {
        const std::size_t end = std::min(lines.find('\n', at), lines.size());
        const std::size_t next = end == lines.size() ? end : end + 1;
        Entry entry;
        if (ParseLine(WithoutCr(std::string_view(lines).substr(at, end - at)), entry) &&
            entry.at.utc >= now - kKeptSeconds) {
            break;
        }
        total -= next - at;
        at = next;
        ++result.dropped;
    }
    result.bytes = Header();
    result.bytes.append(lines, at, std::string::npos);
    return result;
}

std::size_t LeaveOutImplausible(std::vector<Entry>& entries, const Stamp& now) {
    std::size_t kept = 0;
    for (const Entry& entry : entries) {
        const Entry* before = kept > 0 ? &entries[kept - 1] : nullptr;
        bool plausible = Plausible(entry.at, now) && (before == nullptr || entry.at.utc >= before->at.utc);
        if (plausible && entry.lastSeen) {
            const Stamp& seen = *entry.lastSeen;
            plausible =
                Plausible(seen, now) && seen.utc <= entry.at.utc && (before == nullptr || seen.utc >= before->at.utc);
        }
        if (plausible) entries[kept++] = entry;
    }
    const std::size_t leftOut = entries.size() - kept;
    entries.resize(kept);
    return leftOut;
}

}  // namespace netvik::history
