// The registry layer's contract and the settings store against the system's
// registry.
#include "contract/RegistryContract.h"
#include "platform/win32/Win32Application.h"
#include "platform/win32/Win32Registry.h"
#include "settings/SettingsStore.h"

#include <windows.h>

namespace netvik {

INSTANTIATE_TYPED_TEST_SUITE_P(System, RegistryContract, win32::Win32Registry);

namespace {

// The system's registry as an ordinary user of today's Windows meets it:
// HKEY_LOCAL_MACHINE refuses every write with access denied.
class MachineRefusing : public win32::Win32Registry {
public:
    std::int32_t CreateKey(platform::RegKey root, const std::string& path, platform::RegKey& key) override {
        if (root == platform::kLocalMachine) return 5;
        return Win32Registry::CreateKey(root, path, key);
    }
};

std::wstring UserValue(const wchar_t* path, const wchar_t* name) {
    wchar_t data[256] = {};
    DWORD size = sizeof data;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return L"<no key>";
    const LONG result = RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? data : L"<missing>";
}

TEST(SystemSettings, AMachineThatRefusesKeepsTheSettingsAndLogonEntryForTheUser) {
    MachineRefusing registry;
    modWinReg reg{registry};
    SettingsStore store{reg};
    StoredSettings settings;
    settings.Internet = "10.0.0.1";
    settings.Host = "10.0.0.2";
    settings.Computer = "10.0.0.3";
    settings.RefreshRate = 9;
    settings.HostName = "example.org";
    settings.LoadatStartup = 1;
    ASSERT_EQ(store.Save(settings), 0);
    // A folder that the ANSI code page cannot name, written as UTF-16.
    ASSERT_EQ(store.SetLogonEntry({"", u"C:\\\u03a9mega\\Netvik.exe", 0}), 0);

    EXPECT_EQ(UserValue(L"Software\\Netvik", L"Internet"), L"10.0.0.1");
    EXPECT_EQ(UserValue(L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", L"Netvik"),
              L"C:\\\u03a9mega\\Netvik.exe");
    const auto loaded = store.Load();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->Host, "10.0.0.2");
    EXPECT_EQ(loaded->RefreshRate, 9);
    EXPECT_EQ(loaded->HostName, "example.org");
    EXPECT_EQ(loaded->LoadatStartup, 1);

    EXPECT_EQ(store.RemoveLogonEntry(), 0);
    EXPECT_EQ(UserValue(L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", L"Netvik"), L"<missing>");
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Netvik");
}

TEST(SystemProgram, ThePathOfThisProgramIsItsFileInAnsi) {
    const platform::FilePath path = win32::Win32Application("NetvikMainWindow").ExecutablePath();
    ASSERT_FALSE(path.ansi.empty());
    EXPECT_EQ(path.wide.size(), path.ansi.size());  // the same path, in both forms
    EXPECT_NE(GetFileAttributesA(path.ansi.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace netvik
