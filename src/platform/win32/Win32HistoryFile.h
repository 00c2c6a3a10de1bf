#pragma once
#include "platform/HistoryFile.h"

namespace netvik::win32 {

// The record as history.csv in a folder, with history.old.csv beside it
// for its older part (or another name's pair, latency.csv and
// latency.old.csv). Every call opens and closes the file: nothing is held
// between writes, and another program may read it meanwhile.
class Win32HistoryFile : public platform::HistoryFile {
public:
    // The names of the two pairs of files the program keeps.
    static constexpr char kRecord[] = "history";
    static constexpr char kLatency[] = "latency";

    explicit Win32HistoryFile(std::string folder, const std::string& name = kRecord);

    // The user's local application-data folder with "\Netvik"; where the
    // system has none (the first Windows generation), the program's folder.
    static std::string DefaultFolder();

    std::int32_t Append(const std::string& bytes) override;
    std::int32_t ReadNewest(std::uint64_t bound, std::string& bytes, std::uint64_t& size) override;
    std::int32_t ReadPrevious(std::uint64_t bound, std::string& bytes, std::uint64_t& size) override;
    std::int32_t Rotate(const std::string& older, const std::string& newer) override;
    std::string Path() const override { return path_; }

private:
    std::string folder_;
    std::string path_;
    std::string previous_;
    std::string scratch_;
};

}  // namespace netvik::win32
