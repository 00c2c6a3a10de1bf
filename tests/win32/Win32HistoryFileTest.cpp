// The record's file and the clock on the system's own files and time.
#include <gtest/gtest.h>

#include <windows.h>

#include <ctime>

#include "history/Record.h"
#include "history/Recorder.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32HistoryFile.h"

namespace netvik {
namespace {

const char* const kFiles[] = {"\\history.csv", "\\history.old.csv", "\\history.new"};

// A folder of the temporary folder's, absent at first.
std::string FreshFolder(const char* name) {
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + name;
    for (const char* file : kFiles) DeleteFileA((folder + file).c_str());
    RemoveDirectoryA(folder.c_str());
    return folder;
}

std::string Contents(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<none>";
    char buffer[256];
    DWORD read = 0;
    ReadFile(file, buffer, sizeof buffer, &read, nullptr);
    CloseHandle(file);
    return std::string(buffer, read);
}

TEST(Win32HistoryFile, AppendsReadsTheNewestBytesAndRotates) {
    const std::string folder = FreshFolder("netvik-history");
    win32::Win32HistoryFile file(folder);
    EXPECT_EQ(file.Path(), folder + "\\history.csv");
    std::uint64_t size = 1;
    std::string none;
    ASSERT_EQ(file.ReadNewest(0, none, size), 0);  // no folder, no file: empty
    EXPECT_EQ(size, 0u);
    ASSERT_EQ(file.Append("first\r\n"), 0);
    ASSERT_EQ(file.Append("second\r\n"), 0);
    std::string bytes;
    ASSERT_EQ(file.ReadNewest(8, bytes, size), 0);
    EXPECT_EQ(bytes, "second\r\n");
    EXPECT_EQ(size, 15u);

    ASSERT_EQ(file.Rotate("old\r\n", "new\r\n"), 0);
    ASSERT_EQ(file.Rotate("older\r\n", "newer\r\n"), 0);  // over an existing previous file
    EXPECT_EQ(Contents(folder + kFiles[0]), "newer\r\n");
    EXPECT_EQ(Contents(folder + kFiles[1]), "older\r\n");
    EXPECT_EQ(Contents(folder + kFiles[2]), "<none>");
}

TEST(Win32HistoryFile, AFileOrFolderThatCannotBeWrittenFailsWithoutHarm) {
    const std::string folder = FreshFolder("netvik-history-locked");
    win32::Win32HistoryFile file(folder);
    ASSERT_EQ(file.Append("kept\r\n"), 0);

    // Another program holds the file and shares nothing.
    const HANDLE lock = CreateFileA(file.Path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    std::uint64_t size = 0;
    std::string bytes;
    EXPECT_EQ(file.Append("lost\r\n"), ERROR_SHARING_VIOLATION);
    EXPECT_EQ(file.ReadNewest(100, bytes, size), ERROR_SHARING_VIOLATION);
    EXPECT_NE(file.Rotate("a\r\n", "b\r\n"), 0);
    CloseHandle(lock);
    EXPECT_EQ(Contents(file.Path()), "kept\r\n");
    EXPECT_EQ(Contents(folder + kFiles[2]), "<none>");

    // A folder that cannot be made: its parent is a file.
    win32::Win32HistoryFile nowhere(file.Path() + "\\Netvik");
    EXPECT_NE(nowhere.Append("lost\r\n"), 0);
    EXPECT_EQ(Contents(file.Path()), "kept\r\n");
}

// The recorder over real files: a record that reading cannot take whole is
// never cut, one past the limit moves its older part to the previous file.
TEST(Win32HistoryFile, RotationMovesLinesAndNeverCutsWhatItCannotRead) {
    using namespace history;
    const std::string folder = FreshFolder("netvik-history-rotation");
    win32::Win32HistoryFile file(folder);
    const auto lines = [](std::size_t bytes) {
        std::string text(kHeader);
        text += "\r\n";
        for (std::int64_t i = 0; text.size() < bytes; ++i)
            text += FormatLine({{1796634000 + i * 60, 60}, State(i % 2), std::nullopt}) + "\r\n";
        return text;
    };
    for (const std::size_t size :
         {static_cast<std::size_t>(kReadBound + 1000), static_cast<std::size_t>(kRecordLimit + 1000)}) {
        for (const char* name : kFiles) DeleteFileA((folder + name).c_str());
        const std::string record = lines(size);
        ASSERT_EQ(file.Append(record), 0);
        Recorder recorder(file);
        recorder.Verdict(State::NoHost, {1796634000 + 100000 * 60, 60});
        const std::size_t before = ParseRecord(record, record.size()).entries.size();
        std::string previous, current;
        std::uint64_t previousSize = 0, currentSize = 0;
        ASSERT_EQ(file.ReadPrevious(kReadBound, previous, previousSize), 0);
        ASSERT_EQ(file.ReadNewest(kReadBound * 2, current, currentSize), 0);
        EXPECT_EQ(ParseRecord(previous, previousSize).entries.size() + ParseRecord(current, currentSize).entries.size(),
                  before + 1)
            << size;
        EXPECT_EQ(previousSize == 0, size > kReadBound) << size;  // rotated only what it read whole
    }
}

TEST(Win32Clock, TellsUtcAndTheOffsetTheSystemHasNow) {
    const platform::ClockTime now = win32::Win32Clock().Now();
    EXPECT_NEAR(static_cast<double>(now.utc), static_cast<double>(std::time(nullptr)), 2.0);
    TIME_ZONE_INFORMATION zone;
    const DWORD kind = GetTimeZoneInformation(&zone);
    const LONG daylight = kind == TIME_ZONE_ID_DAYLIGHT ? zone.DaylightBias : 0;
    EXPECT_EQ(-now.offsetMinutes, zone.Bias + (kind == TIME_ZONE_ID_STANDARD ? zone.StandardBias : daylight));
}

}  // namespace
}  // namespace netvik
