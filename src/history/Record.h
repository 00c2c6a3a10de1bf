#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "history/Line.h"

namespace netvik::history {

// Past this size the record's older half goes to the previous file.
inline constexpr std::uint64_t kRecordLimit = 1024 * 1024;
// What reading takes of a file at most: its newest bytes.
inline constexpr std::uint64_t kReadBound = 2 * 1024 * 1024;

// The record as read from a file that anything may have written.
struct Record {
    std::vector<Entry> entries;  // in the file's order
    std::size_t skipped = 0;     // lines that did not parse, a torn last line among them
    std::uint64_t fileSize = 0;
    std::uint64_t readSize = 0;  // less than fileSize when only the newest part was read
    std::int32_t error = 0;      // the system's code when the file could not be read
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
Rotation PlanRotation(std::string_view bytes, bool whole);

// The line break the record's lines end with, as Windows' own editors want.
inline constexpr std::string_view kLineEnd = "\r\n";

}  // namespace netvik::history
