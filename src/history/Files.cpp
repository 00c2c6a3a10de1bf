#include "history/Files.h"

#include "history/Record.h"

namespace netvik::history {

std::int32_t AppendLines(platform::HistoryFile& file, std::string_view header, const std::string& lines) {
    std::string last, bytes;
    std::uint64_t size = 0;
    if (const std::int32_t error = file.ReadNewest(1, last, size); error != 0) return error;
    if (size == 0) {
        bytes = header;
        bytes += kLineEnd;
    } else if (last != "\n") {
        bytes = kLineEnd;
    }
    return file.Append(bytes + lines);
}

FileBytes ReadBoth(platform::HistoryFile& file, std::uint64_t bound) {
    FileBytes bytes;
    bytes.error = file.ReadNewest(bound, bytes.newer, bytes.newerSize);
    if (bytes.error == 0 && bytes.newer.size() == bytes.newerSize && bytes.newerSize < bound) {
        bytes.error = file.ReadPrevious(bound - bytes.newerSize, bytes.older, bytes.olderSize);
    }
    return bytes;
}

}  // namespace netvik::history
