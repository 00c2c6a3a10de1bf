#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "history/Line.h"

namespace netvik::history {

// Past this size the record's older half goes to the previous file.
inline constexpr std::uint64_t kRecordLimit = 1024 * 1024;
// What reading takes of the record at most, both files together: their
// newest bytes. Rotation rewrites only files it can read whole, no larger.
inline constexpr std::uint64_t kReadBound = 4 * 1024 * 1024;
// Both files together stay within this as far as lines older than the
// longest period the History window shows allow; its lines always stay.
inline constexpr std::uint64_t kRecordsBound = 2 * kRecordLimit;
inline constexpr std::int64_t kKeptSeconds = 30 * 86400;

// The record as read from files that anything may have written.
struct Record {
    std::vector<Entry> entries;   // oldest first, as the files hold them
    std::size_t skipped = 0;      // lines that did not parse, a torn last line among them
    std::size_t implausible = 0;  // lines whose times cannot be true, left out
    std::uint64_t fileSize = 0;
    std::uint64_t readSize = 0;  // less than fileSize when only the newest part was read
    std::int32_t error = 0;      // the system's code when a file could not be read
};

// The lines of bytes, the newest fileSize bytes of a file: when they are
// only its newest part, their first line is cut and left out. The header, a
// leading byte-order mark and empty lines are no entries and not skipped.
Record ParseRecord(std::string_view bytes, std::uint64_t fileSize);

// What rotation writes: the previous file gets the older part, the file
// keeps its newest lines (at most half the limit); both start with the
// header. bytes are the file's newest bytes, all of it when whole.
struct Rotation {
    std::string older;
    std::string newer;
};
Rotation PlanRotation(std::string_view bytes, bool whole, std::string_view header = kHeader);

// The entries of lines from line to end, after those the record holds;
// a line that is no entry is skipped and counted.
void ParseLines(const std::string_view* line, const std::string_view* end, Record& record);

// The lines of bytes, the newest fileSize bytes of a file, without their
// line breaks: past a cut first line or a byte-order mark, and without a
// torn last line, which torn counts.
std::vector<std::string_view> Lines(std::string_view bytes, std::uint64_t fileSize, std::size_t& torn);

// The previous file after a rotation: its own lines, then those of older
// (a rotation's older part), each on a line of its own. While both files
// together (the newer part newerSize bytes) pass kRecordsBound, lines go
// from the front that are no entry or one older than kKeptSeconds before
// now; the first line within that time stops it. dropped counts them.
struct Previous {
    std::string bytes;
    std::size_t dropped = 0;
};
Previous JoinPrevious(std::string_view previous, std::string_view older, std::uint64_t newerSize, std::int64_t now);

// Leaves out the entries whose times cannot be true, and counts them: a
// time later than now by more than kClockDrift, an offset beyond kMaxPlausibleOffset
// either way, a time earlier than the entry kept before it, and a last
// check of the old state after its own line or before the line before.
// Lines after one left out still count.
inline constexpr std::int64_t kClockDrift = 5 * 60;
inline constexpr std::int32_t kMaxPlausibleOffset = 14 * 60;
std::size_t LeaveOutImplausible(std::vector<Entry>& entries, const Stamp& now);

// The line break the record's lines end with, as Windows' own editors want.
inline constexpr std::string_view kLineEnd = "\r\n";

}  // namespace netvik::history
