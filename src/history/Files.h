#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/HistoryFile.h"

namespace netvik::history {

// What the record's files and the latency's share: lines appended to a file
// with a header, and both files read together.

// Appends lines (each ended) to the file: a file that is empty gets its
// header first, and a last line that something else left without its line
// break gets one, so that the new lines start on lines of their own.
std::int32_t AppendLines(platform::HistoryFile& file, std::string_view header, const std::string& lines);

// The newest bytes of both files, at most bound of them together: the
// previous file's only when the file itself was read whole.
struct FileBytes {
    std::string older, newer;
    std::uint64_t olderSize = 0, newerSize = 0;
    std::int32_t error = 0;  // the first that a read returned
};
FileBytes ReadBoth(platform::HistoryFile& file, std::uint64_t bound);

}  // namespace netvik::history
