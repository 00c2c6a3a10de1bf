#include "registry_driver.h"

#include <aclapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "text_escape.h"

namespace e2e {

namespace {

const struct {
    const char* name;
    DWORD type;
} kTypes[] = {{"REG_NONE", REG_NONE},
              {"REG_SZ", REG_SZ},
              {"REG_EXPAND_SZ", REG_EXPAND_SZ},
              {"REG_BINARY", REG_BINARY},
              {"REG_DWORD", REG_DWORD},
              {"REG_DWORD_BIG_ENDIAN", REG_DWORD_BIG_ENDIAN},
              {"REG_LINK", REG_LINK},
              {"REG_MULTI_SZ", REG_MULTI_SZ},
              {"REG_RESOURCE_LIST", REG_RESOURCE_LIST},
              {"REG_FULL_RESOURCE_DESCRIPTOR", REG_FULL_RESOURCE_DESCRIPTOR},
              {"REG_RESOURCE_REQUIREMENTS_LIST", REG_RESOURCE_REQUIREMENTS_LIST},
              {"REG_QWORD", REG_QWORD}};

REGSAM view_flag(RegView view) {
    switch (view) {
        case RegView::Bits32: return KEY_WOW64_32KEY;
        case RegView::Bits64: return KEY_WOW64_64KEY;
        default: return 0;
    }
}

bool is_string_type(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

std::string error_text(LONG rc) {
    if (rc == ERROR_FILE_NOT_FOUND) return "not found";
    if (rc == ERROR_ACCESS_DENIED) return "access denied";
    return "error " + std::to_string(rc);
}

class Key {
public:
    Key() = default;
    ~Key() {
        if (h_) RegCloseKey(h_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY* out() { return &h_; }
    HKEY get() const { return h_; }

private:
    HKEY h_ = nullptr;
};

bool open(const RegPath& key, RegView view, REGSAM access, Key& out, std::string& err) {
    const LONG rc = RegOpenKeyExA(key.root, key.subkey.c_str(), 0, access | view_flag(view), out.out());
    if (rc == ERROR_SUCCESS) return true;
    err = "key \"" + escape_text(key.subkey) + "\": " + error_text(rc);
    return false;
}

LONG delete_tree(HKEY parent, const std::string& name, REGSAM view) {
    HKEY key = nullptr;
    LONG rc = RegOpenKeyExA(parent, name.c_str(), 0, KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE | DELETE | view, &key);
    if (rc != ERROR_SUCCESS) return rc;
    for (;;) {
        char child[256];
        DWORD n = sizeof child;
        rc = RegEnumKeyExA(key, 0, child, &n, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_NO_MORE_ITEMS) break;
        if (rc == ERROR_SUCCESS) rc = delete_tree(key, std::string(child, n), view);
        if (rc != ERROR_SUCCESS) {
            RegCloseKey(key);
            return rc;
        }
    }
    RegCloseKey(key);
    return RegDeleteKeyExA(parent, name.c_str(), view, 0);
}

std::wstring widen(const std::string& s) {
    if (s.empty()) return std::wstring();
    const int n = MultiByteToWideChar(CP_ACP, 0, s.data(), int(s.size()), nullptr, 0);
    std::wstring w(size_t(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, s.data(), int(s.size()), &w[0], n);
    return w;
}

}  // namespace

bool parse_reg_path(const std::string& text, RegPath& out, std::string& err) {
    static const struct {
        const char* shorter;
        const char* longer;
        HKEY root;
    } kRoots[] = {{"HKLM", "HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
                  {"HKCU", "HKEY_CURRENT_USER", HKEY_CURRENT_USER},
                  {"HKCR", "HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
                  {"HKU", "HKEY_USERS", HKEY_USERS}};
    const size_t slash = text.find('\\');
    const std::string root = text.substr(0, slash);
    out = RegPath();
    for (const auto& r : kRoots)
        if (!lstrcmpiA(root.c_str(), r.shorter) || !lstrcmpiA(root.c_str(), r.longer)) out.root = r.root;
    if (!out.root) {
        err = "a key starts with HKLM\\, HKCU\\, HKCR\\ or HKU\\: \"" + escape_text(text) + "\"";
        return false;
    }
    if (slash == std::string::npos) return true;
    out.subkey = text.substr(slash + 1);
    while (!out.subkey.empty() && out.subkey.back() == '\\') out.subkey.pop_back();
    if ((!out.subkey.empty() && out.subkey.front() == '\\') || out.subkey.find("\\\\") != std::string::npos) {
        err = "empty key name in \"" + escape_text(text) + "\"";
        return false;
    }
    return true;
}

bool parse_reg_type(const std::string& text, DWORD& type) {
    for (const auto& t : kTypes)
        if (!lstrcmpiA(text.c_str(), t.name)) {
            type = t.type;
            return true;
        }
    char* end = nullptr;
    const unsigned long long n = std::strtoull(text.c_str(), &end, 0);
    if (text.empty() || text[0] == '-' || !end || *end || n > 0xFFFFFFFFull) return false;
    type = DWORD(n);
    return true;
}

std::string reg_type_name(DWORD type) {
    for (const auto& t : kTypes)
        if (t.type == type) return t.name;
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%lx", static_cast<unsigned long>(type));
    return buf;
}

bool parse_hex_bytes(const std::string& text, std::string& bytes) {
    auto digit = [](char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    bytes.clear();
    if (text.size() % 2) return false;
    for (size_t i = 0; i < text.size(); i += 2) {
        const int hi = digit(text[i]), lo = digit(text[i + 1]);
        if (hi < 0 || lo < 0) return false;
        bytes += static_cast<char>(hi * 16 + lo);
    }
    return true;
}

namespace {

std::string hex_bytes(const std::string& bytes) {
    static const char kHex[] = "0123456789abcdef";
    std::string out;
    for (const unsigned char c : bytes) {
        out += kHex[c >> 4];
        out += kHex[c & 15];
    }
    return out;
}

}  // namespace

std::string describe_value(const RegValue& value) {
    std::string out = "type=" + reg_type_name(value.type) + " size=" + std::to_string(value.data.size());
    const std::string& d = value.data;
    if (is_string_type(value.type)) {
        const bool nul = !d.empty() && d.back() == '\0';
        out += std::string(" nul=") + (nul ? "1" : "0") + " data=\"" +
               escape_text(nul ? d.substr(0, d.size() - 1) : d) + "\"";
        return out;
    }
    const unsigned char* b = reinterpret_cast<const unsigned char*>(d.data());
    if (value.type == REG_DWORD && d.size() == 4) {
        const unsigned long v = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<unsigned long>(b[3]) << 24);
        out += " data=" + std::to_string(v);
    } else if (value.type == REG_QWORD && d.size() == 8) {
        unsigned long long v = 0;
        for (int i = 7; i >= 0; --i) v = (v << 8) | b[i];
        out += " data=" + std::to_string(v);
    }
    return out + " hex=" + hex_bytes(d);
}

std::string describe_bytes(const RegValue& value) {
    return "type=" + reg_type_name(value.type) + " size=" + std::to_string(value.data.size()) +
           " hex=" + hex_bytes(value.data);
}

bool reg_get(const RegPath& key, RegView view, const std::string& name, RegValue& out, std::string& err, bool raw) {
    Key k;
    if (!open(key, view, KEY_QUERY_VALUE, k, err)) return false;
    out = RegValue();
    out.name = name;
    const std::wstring wide_name = widen(name);
    auto query = [&](BYTE* data, DWORD* size) {
        return raw ? RegQueryValueExW(k.get(), wide_name.c_str(), nullptr, &out.type, data, size)
                   : RegQueryValueExA(k.get(), name.c_str(), nullptr, &out.type, data, size);
    };
    for (int attempt = 0; attempt < 8; ++attempt) {
        DWORD size = 0;
        LONG rc = query(nullptr, &size);
        if (rc == ERROR_SUCCESS) {
            std::string data(size_t(size) + 8, '\0');  // room for a value that grows meanwhile
            DWORD got = DWORD(data.size());
            rc = query(reinterpret_cast<BYTE*>(&data[0]), &got);
            if (rc == ERROR_MORE_DATA) continue;
            if (rc == ERROR_SUCCESS) {
                out.data = data.substr(0, got);
                return true;
            }
        }
        err = "value \"" + escape_text(name) + "\": " + error_text(rc);
        return false;
    }
    err = "value \"" + escape_text(name) + "\" keeps changing";
    return false;
}

bool reg_set(const RegPath& key, RegView view, const std::string& name, DWORD type, const std::string& bytes, bool raw,
             std::string& err) {
    Key k;
    LONG rc = RegCreateKeyExA(key.root, key.subkey.c_str(), 0, nullptr, 0,
                              KEY_SET_VALUE | KEY_QUERY_VALUE | view_flag(view), nullptr, k.out(), nullptr);
    if (rc != ERROR_SUCCESS) {
        err = "key \"" + escape_text(key.subkey) + "\": " + error_text(rc);
        return false;
    }
    // RegSetValueEx counts a string's terminator even when the caller did
    // not, if it follows the data (Windows NT does so, and Wine with it).
    // Bytes that are not NUL behind the data keep the size as given.
    const std::string padded = bytes + "\xff\xff";
    const BYTE* data = reinterpret_cast<const BYTE*>(padded.data());
    const DWORD size = DWORD(bytes.size());
    const std::wstring wide_name = widen(name);
    DWORD stored = 0;
    if (raw) {
        rc = RegSetValueExW(k.get(), wide_name.c_str(), 0, type, data, size);
        if (rc == ERROR_SUCCESS) rc = RegQueryValueExW(k.get(), wide_name.c_str(), nullptr, nullptr, nullptr, &stored);
    } else {
        rc = RegSetValueExA(k.get(), name.c_str(), 0, type, data, size);
        if (rc == ERROR_SUCCESS) rc = RegQueryValueExA(k.get(), name.c_str(), nullptr, nullptr, nullptr, &stored);
    }
    if (rc != ERROR_SUCCESS) {
        err = "value \"" + escape_text(name) + "\": " + error_text(rc);
        return false;
    }
    if (stored != size) {
        err = "value \"" + escape_text(name) + "\" was stored with " + std::to_string(stored) + " bytes, not " +
              std::to_string(size);
        return false;
    }
    return true;
}

bool reg_delete_value(const RegPath& key, RegView view, const std::string& name, std::string& err) {
    Key k;
    if (!open(key, view, KEY_SET_VALUE, k, err)) return false;
    const LONG rc = RegDeleteValueA(k.get(), name.c_str());
    if (rc == ERROR_SUCCESS) return true;
    err = "value \"" + escape_text(name) + "\": " + error_text(rc);
    return false;
}

bool reg_delete_key(const RegPath& key, RegView view, std::string& err) {
    if (key.subkey.empty()) {
        err = "refusing to delete a whole root key";
        return false;
    }
    const size_t cut = key.subkey.rfind('\\');
    RegPath parent = key;
    parent.subkey = cut == std::string::npos ? std::string() : key.subkey.substr(0, cut);
    const std::string leaf = cut == std::string::npos ? key.subkey : key.subkey.substr(cut + 1);
    Key k;
    if (!open(parent, view, KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE, k, err)) return false;
    const LONG rc = delete_tree(k.get(), leaf, view_flag(view));
    if (rc == ERROR_SUCCESS) return true;
    err = "key \"" + escape_text(key.subkey) + "\": " + error_text(rc);
    return false;
}

bool reg_list(const RegPath& key, RegView view, std::vector<std::string>& subkeys, std::vector<RegValue>& values,
              std::string& err) {
    subkeys.clear();
    values.clear();
    Key k;
    if (!open(key, view, KEY_READ, k, err)) return false;
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD n = sizeof name;
        const LONG rc = RegEnumKeyExA(k.get(), i, name, &n, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_NO_MORE_ITEMS) break;
        if (rc != ERROR_SUCCESS) {
            err = "listing subkeys: " + error_text(rc);
            return false;
        }
        subkeys.emplace_back(name, n);
    }
    for (DWORD i = 0;; ++i) {
        DWORD max_name = 0, max_data = 0;
        LONG rc = RegQueryInfoKeyA(k.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &max_name,
                                   &max_data, nullptr, nullptr);
        if (rc != ERROR_SUCCESS) {
            err = "RegQueryInfoKey: " + error_text(rc);
            return false;
        }
        std::string name(size_t(max_name) + 2, '\0');
        DWORD name_len = DWORD(name.size());
        // Wide strings may take more bytes as ANSI than the maximum tells.
        std::string data(size_t(max_data) * 2 + 16, '\0');
        DWORD data_len = DWORD(data.size());
        RegValue v;
        rc = RegEnumValueA(k.get(), i, &name[0], &name_len, nullptr, &v.type, reinterpret_cast<BYTE*>(&data[0]),
                           &data_len);
        if (rc == ERROR_NO_MORE_ITEMS) break;
        if (rc != ERROR_SUCCESS) {
            err = "listing values: " + error_text(rc);
            return false;
        }
        v.name = name.substr(0, name_len);
        v.data = data.substr(0, data_len);
        values.push_back(v);
    }
    return true;
}

bool reg_deny_writes(const RegPath& key, RegView view, std::string& err) {
    Key k;
    LONG rc = RegCreateKeyExA(key.root, key.subkey.c_str(), 0, nullptr, 0, WRITE_DAC | view_flag(view), nullptr,
                              k.out(), nullptr);
    if (rc != ERROR_SUCCESS) {
        err = "key \"" + escape_text(key.subkey) + "\": " + error_text(rc);
        return false;
    }
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    if (!AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone)) {
        err = "cannot make the Everyone SID";
        return false;
    }
    EXPLICIT_ACCESSA entries[2] = {};
    entries[0].grfAccessPermissions = KEY_SET_VALUE | KEY_CREATE_SUB_KEY;
    entries[0].grfAccessMode = DENY_ACCESS;
    entries[1].grfAccessPermissions = KEY_READ;
    entries[1].grfAccessMode = GRANT_ACCESS;
    for (EXPLICIT_ACCESSA& entry : entries) {
        entry.grfInheritance = SUB_CONTAINERS_AND_OBJECTS_INHERIT;
        entry.Trustee.TrusteeForm = TRUSTEE_IS_SID;
        entry.Trustee.ptstrName = static_cast<LPSTR>(everyone);
    }
    PACL acl = nullptr;
    DWORD result = SetEntriesInAclA(2, entries, nullptr, &acl);
    if (result == ERROR_SUCCESS) {
        result =
            SetSecurityInfo(k.get(), SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                            nullptr, nullptr, acl, nullptr);
        LocalFree(acl);
    }
    FreeSid(everyone);
    if (result != ERROR_SUCCESS) {
        err = "key \"" + escape_text(key.subkey) + "\": cannot set its security: error " + std::to_string(result);
        return false;
    }
    return true;
}

}  // namespace e2e
