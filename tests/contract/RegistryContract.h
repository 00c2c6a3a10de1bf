#pragma once
// What the registry layer promises, checked the same way against every
// registry it runs on: the in-memory one of the unit tests and the system's.
// A test binary instantiates it with its registry type:
//   INSTANTIATE_TYPED_TEST_SUITE_P(Name, RegistryContract, SomeRegistry);
#include <gtest/gtest.h>

#include <string>

#include "registry/modWinReg.h"

namespace netvik {

template <typename RegistryType>
class RegistryContract : public ::testing::Test {
protected:
    // Every test works in a key of its own below HKLM\Software.
    RegistryContract() {
        subkey = std::string("NetvikContract\\") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }

    // Stores raw bytes of any type, bypassing the layer.
    void Plant(const std::string& name, std::uint32_t type, const std::string& bytes) {
        platform::RegKey key = 0;
        ASSERT_EQ(registry.CreateKey(platform::kLocalMachine, "Software\\" + subkey, key), 0);
        ASSERT_EQ(registry.SetValue(key, name, type, bytes.data(), static_cast<std::uint32_t>(bytes.size())), 0);
        registry.CloseKey(key);
    }
    std::string Get(const std::string& name) {
        return reg.GetRegValue(platform::kLocalMachine, "Software", subkey, name);
    }
    void Save(const std::string& name, const std::string& data) {
        reg.SaveRegValue(platform::kLocalMachine, "Software", subkey, name, data);
    }
    void Delete(const std::string& name) { reg.DeleteRegValue(platform::kLocalMachine, "Software", subkey, name); }

    RegistryType registry;
    modWinReg reg{registry};
    std::string subkey;
};

TYPED_TEST_SUITE_P(RegistryContract);

TYPED_TEST_P(RegistryContract, WrittenTextReadsBackExactly) {
    for (const std::string text : {"192.168.0.1", "www.example.org", "a b\tc", "\xe6\xf8\xe5", "x"}) {
        this->Save("Host", text);
        EXPECT_EQ(this->reg.LastRegError, 0);
        EXPECT_EQ(this->Get("Host"), text);
        EXPECT_EQ(this->reg.LastRegError, 0);
    }
}

TYPED_TEST_P(RegistryContract, TextEndsAtItsFirstNulWithOrWithoutOne) {
    this->Plant("Terminated", platform::kRegSz, std::string("abc\0", 4));
    this->Plant("Embedded", platform::kRegSz, std::string("abc\0def", 7));
    EXPECT_EQ(this->Get("Terminated"), "abc");
    EXPECT_EQ(this->Get("Embedded"), "abc");
    EXPECT_EQ(this->reg.LastRegError, 0);
}

TYPED_TEST_P(RegistryContract, EmptyTextReadsBackEmptyWithoutError) {
    this->Save("HostName", "");
    EXPECT_EQ(this->Get("HostName"), "");
    EXPECT_EQ(this->reg.LastRegError, 0);
}

TYPED_TEST_P(RegistryContract, ValuesOfOtherTypesReadAsEmptyTextWithoutError) {
    this->Plant("Dword", 4, std::string("\x05\x00\x00\x00", 4));  // REG_DWORD
    this->Plant("Binary", 3, std::string("\x01\x02\x03", 3));     // REG_BINARY
    this->Plant("Expand", 2, std::string("%TEMP%\0", 7));         // REG_EXPAND_SZ
    this->Plant("Multi", 7, std::string("a\0b\0\0", 5));          // REG_MULTI_SZ
    for (const char* name : {"Dword", "Binary", "Expand", "Multi"}) {
        EXPECT_EQ(this->Get(name), "") << name;
        EXPECT_EQ(this->reg.LastRegError, 0) << name;
    }
}

TYPED_TEST_P(RegistryContract, MissingKeyOrValueGivesEmptyTextAndCodeTwo) {
    EXPECT_EQ(this->reg.GetRegValue(platform::kLocalMachine, "Software", "NetvikContract\\Nowhere\\AtAll", "Host"), "");
    EXPECT_EQ(this->reg.LastRegError, 2);
    this->Save("Host", "192.168.0.1");
    EXPECT_EQ(this->Get("Computer"), "");
    EXPECT_EQ(this->reg.LastRegError, 2);
}

TYPED_TEST_P(RegistryContract, EmptySubkeyMeansTheKeyAlone) {
    this->reg.SaveRegValue(platform::kLocalMachine, "Software\\" + this->subkey, "", "Computer", "192.168.0.2");
    EXPECT_EQ(this->Get("Computer"), "192.168.0.2");
    EXPECT_EQ(this->reg.GetRegValue(platform::kLocalMachine, "Software\\" + this->subkey, "", "Computer"),
              "192.168.0.2");
}

TYPED_TEST_P(RegistryContract, NamesMatchWithoutRegardToCase) {
    this->Save("RefreshRate", "7");
    EXPECT_EQ(this->Get("Refreshrate"), "7");
    EXPECT_EQ(this->Get("REFRESHRATE"), "7");
    this->Save("refreshrate", "9");
    EXPECT_EQ(this->Get("RefreshRate"), "9");
}

TYPED_TEST_P(RegistryContract, DeleteRemovesTheValueAndKeepsTheLastError) {
    this->Save("Netvik", "C:\\Netvik.exe");
    this->Get("Missing");
    ASSERT_EQ(this->reg.LastRegError, 2);
    this->Delete("Netvik");  // succeeds, and does not reset the code
    EXPECT_EQ(this->reg.LastRegError, 2);
    this->Save("Other", "x");
    EXPECT_EQ(this->reg.LastRegError, 0);
    EXPECT_EQ(this->Get("Netvik"), "");
    EXPECT_EQ(this->reg.LastRegError, 2);
}

TYPED_TEST_P(RegistryContract, DeletingWhatIsMissingLeavesCodeTwo) {
    this->Save("Other", "x");
    this->Delete("Netvik");
    EXPECT_EQ(this->reg.LastRegError, 2);
    this->reg.LastRegError = 0;
    this->reg.DeleteRegValue(platform::kLocalMachine, "Software", "NetvikContract\\Nowhere", "Netvik");
    EXPECT_EQ(this->reg.LastRegError, 2);
}

TYPED_TEST_P(RegistryContract, LongValuesReadWhole) {
    const std::string tail(40000, 'z');
    this->Save("Long", tail);
    EXPECT_EQ(this->Get("Long"), tail);
    // A first NUL beyond 32767 characters still ends the text there.
    this->Plant("LongNul", platform::kRegSz, std::string(33000, 'q') + '\0' + "rest");
    EXPECT_EQ(this->Get("LongNul"), std::string(33000, 'q'));
}

REGISTER_TYPED_TEST_SUITE_P(RegistryContract, WrittenTextReadsBackExactly, TextEndsAtItsFirstNulWithOrWithoutOne,
                            EmptyTextReadsBackEmptyWithoutError, ValuesOfOtherTypesReadAsEmptyTextWithoutError,
                            MissingKeyOrValueGivesEmptyTextAndCodeTwo, EmptySubkeyMeansTheKeyAlone,
                            NamesMatchWithoutRegardToCase, DeleteRemovesTheValueAndKeepsTheLastError,
                            DeletingWhatIsMissingLeavesCodeTwo, LongValuesReadWhole);

}  // namespace netvik
