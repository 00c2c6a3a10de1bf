#include "platform/win32/Win32HistoryFile.h"

#include "platform/win32/Win32Libraries.h"

#include <cstring>
#include <utility>

namespace netvik::win32 {

namespace {

// SHGetFolderPathA's folder and flag (shlobj.h of later systems).
constexpr int kLocalAppData = 0x001c;
constexpr int kCreateFolder = 0x8000;

using GetFolderPathFn = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);
using MoveFileExFn = BOOL(WINAPI*)(LPCSTR, LPCSTR, DWORD);

std::int32_t LastError() {
    const DWORD error = GetLastError();
    return static_cast<std::int32_t>(error != ERROR_SUCCESS ? error : ERROR_WRITE_FAULT);
}

// The local application-data folder into path through SHGetFolderPathA of
// the system folder's library (shell32 since the second generation,
// shfolder.dll where installed beside it); false where neither has it.
bool LocalAppData(const char* library, char (&path)[MAX_PATH + 8]) {
    const HMODULE module = LoadSystemLibrary(library);
    if (module == nullptr) return false;
    const auto getFolderPath = ProcAddress<GetFolderPathFn>(module, "SHGetFolderPathA");
    const bool found =
        getFolderPath != nullptr && SUCCEEDED(getFolderPath(nullptr, kLocalAppData | kCreateFolder, nullptr, 0, path));
    FreeLibrary(module);
    return found;
}

class OpenFile {
public:
    OpenFile(const std::string& path, DWORD access, DWORD share, DWORD disposition)
        : handle_(CreateFileA(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~OpenFile() {
        if (*this) CloseHandle(handle_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Handle() const { return handle_; }

    std::int32_t Size(std::uint64_t& size) const {
        DWORD high = 0;
        const DWORD low = GetFileSize(handle_, &high);
        if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return LastError();
        size = (static_cast<std::uint64_t>(high) << 32) | low;
        return 0;
    }

    // Writes all of bytes and has them on disk.
    std::int32_t Write(const std::string& bytes) const {
        DWORD written = 0;
        if (!WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
            written != bytes.size() || !FlushFileBuffers(handle_)) {
            return LastError();
        }
        return 0;
    }

private:
    HANDLE handle_;
};

// A file of exactly bytes.
std::int32_t WriteWhole(const std::string& path, const std::string& bytes) {
    const OpenFile file(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    return file ? file.Write(bytes) : LastError();
}

// Puts from in place of to. The first generation has no MoveFileExA (or
// one that is not implemented): there the old file goes first.
std::int32_t Replace(const std::string& from, const std::string& to) {
    const auto moveFileEx = ProcAddress<MoveFileExFn>(GetModuleHandleA("kernel32.dll"), "MoveFileExA");
    if (moveFileEx != nullptr) {
        if (moveFileEx(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 0;
        if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return LastError();
    }
    if (!DeleteFileA(to.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) return LastError();
    return MoveFileA(from.c_str(), to.c_str()) ? 0 : LastError();
}

// The newest bytes of the file at path, at most bound of them, and its size.
std::int32_t ReadNewestOf(const std::string& path, std::uint64_t bound, std::string& bytes, std::uint64_t& size) {
    bytes.clear();
    size = 0;
    const OpenFile file(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
    if (!file) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? 0 : LastError();
    }
    if (const std::int32_t error = file.Size(size); error != 0) return error;
    const std::uint64_t start = size > bound ? size - bound : 0;
    if (start == size) return 0;
    LONG high = static_cast<LONG>(start >> 32);
    if (SetFilePointer(file.Handle(), static_cast<LONG>(start & 0xFFFFFFFFu), &high, FILE_BEGIN) ==
            INVALID_SET_FILE_POINTER &&
        GetLastError() != NO_ERROR) {
        return LastError();
    }
    bytes.resize(static_cast<std::size_t>(size - start));
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file.Handle(), &bytes[done], static_cast<DWORD>(bytes.size() - done), &read, nullptr)) {
            bytes.clear();
            return LastError();
        }
        if (read == 0) break;  // the file shrank meanwhile
        done += read;
    }
    bytes.resize(done);
    return 0;
}

}  // namespace

Win32HistoryFile::Win32HistoryFile(std::string folder, const std::string& name)
    : folder_(std::move(folder)),
      path_(folder_ + "\\" + name + ".csv"),
      previous_(folder_ + "\\" + name + ".old.csv"),
      scratch_(folder_ + "\\" + name + ".new") {}

std::string Win32HistoryFile::DefaultFolder() {
    char path[MAX_PATH + 8] = {};
    if (LocalAppData("shell32.dll", path) || LocalAppData("shfolder.dll", path)) return lstrcatA(path, "\\Netvik");
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    char* const name = std::strrchr(path, '\\');
    if (name == nullptr) return ".";
    *name = '\0';
    return path;
}

std::int32_t Win32HistoryFile::Append(const std::string& bytes) {
    CreateDirectoryA(folder_.c_str(), nullptr);  // when it is missing
    const OpenFile file(path_, GENERIC_WRITE, FILE_SHARE_READ, OPEN_ALWAYS);
    if (!file) return LastError();
    LONG high = 0;
    if (SetFilePointer(file.Handle(), 0, &high, FILE_END) == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) {
        return LastError();
    }
    return file.Write(bytes);
}

std::int32_t Win32HistoryFile::ReadNewest(std::uint64_t bound, std::string& bytes, std::uint64_t& size) {
    return ReadNewestOf(path_, bound, bytes, size);
}

std::int32_t Win32HistoryFile::ReadPrevious(std::uint64_t bound, std::string& bytes, std::uint64_t& size) {
    return ReadNewestOf(previous_, bound, bytes, size);
}

std::int32_t Win32HistoryFile::Rotate(const std::string& older, const std::string& newer) {
    std::int32_t error = WriteWhole(scratch_, older);
    if (error == 0) error = Replace(scratch_, previous_);
    if (error == 0) error = WriteWhole(scratch_, newer);
    if (error == 0) error = Replace(scratch_, path_);
    if (error != 0) DeleteFileA(scratch_.c_str());
    return error;
}

}  // namespace netvik::win32
