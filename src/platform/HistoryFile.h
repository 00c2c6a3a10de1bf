#pragma once
#include <cstdint>
#include <string>

namespace netvik::platform {

// The connection's record on disk: the current file and one previous file
// that holds its older part. Every call returns the system's result code,
// 0 on success; a file that does not exist reads as empty.
class HistoryFile {
public:
    virtual ~HistoryFile() = default;

    // Adds the bytes at the end of the file, creating the file (and its
    // folder) when missing, and has them on disk before it returns.
    virtual std::int32_t Append(const std::string& bytes) = 0;

    // The newest bytes of the file, or of the previous file, at most bound
    // of them (all of a smaller file), and its whole size.
    virtual std::int32_t ReadNewest(std::uint64_t bound, std::string& bytes, std::uint64_t& size) = 0;
    virtual std::int32_t ReadPrevious(std::uint64_t bound, std::string& bytes, std::uint64_t& size) = 0;

    // Replaces the previous file with older and then the file with newer.
    virtual std::int32_t Rotate(const std::string& older, const std::string& newer) = 0;

    // The file's full path, for opening it with the system's program.
    virtual std::string Path() const = 0;
};

}  // namespace netvik::platform
