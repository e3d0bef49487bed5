// Registry reading and writing against the real registry, read back through the registry itself.

#include <gtest/gtest.h>

#include <windows.h>
#include <sddl.h>

#include "MachineTestSupport.h"
#include "engine/win32/Registry.h"
#include "engine/win32/TokenValues.h"

using namespace tarnwick;
using namespace testsupport;

namespace {

constexpr int CurrentUser = 1;

std::string Dword(uint32_t value) { return std::string(reinterpret_cast<const char*>(&value), 4); }

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteKeyTree(HKEY_CURRENT_USER, key_); }
    void TearDown() override { DeleteKeyTree(HKEY_CURRENT_USER, key_); }

    std::string Stored(const std::string& name, DWORD& type) {
        std::string bytes;
        EXPECT_TRUE(QueryValue(HKEY_CURRENT_USER, key_, name, type, bytes)) << name;
        return bytes;
    }

    void SetText(const std::string& path, const std::string& name, const std::string& text) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1));
        RegCloseKey(key);
    }

    const std::string key_ = TestKeyPath("Registry");
};

}  // namespace

TEST_F(RegistryTest, WritesEachTypeAsStored) {
    WriteRegistryValue(CurrentUser, key_ + "\\Deep\\Er", "Text", true, RegistryText, "C:\\Games\\Demo");
    WriteRegistryValue(CurrentUser, key_, "Binary", true, RegistryBinary, "0aFf10");
    WriteRegistryValue(CurrentUser, key_, "Odd", true, RegistryBinary, "0aFf1");
    WriteRegistryValue(CurrentUser, key_, "NoBytes", true, RegistryBinary, "");
    WriteRegistryValue(CurrentUser, key_, "Minus", true, RegistryNumber, "-1");
    WriteRegistryValue(CurrentUser, key_, "Number", true, RegistryNumber, "305419896");
    WriteRegistryValue(CurrentUser, key_, "", true, RegistryText, "default value");

    DWORD type = 0;
    std::string bytes;
    ASSERT_TRUE(QueryValue(HKEY_CURRENT_USER, key_ + "\\Deep\\Er", "Text", type, bytes));  // parents created too
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(bytes, std::string("C:\\Games\\Demo", 14));  // the NUL is written too
    EXPECT_EQ(Stored("Binary", type), "\x0a\xff\x10");
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(Stored("Odd", type), "\x0a\xff");
    EXPECT_EQ(Stored("NoBytes", type), "");
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(Stored("Minus", type), "\xff\xff\xff\xff");
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(Stored("Number", type), "\x78\x56\x34\x12");
    EXPECT_EQ(Stored("", type), std::string("default value", 14));  // the key's default value
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
}

TEST_F(RegistryTest, OverwriteOffKeepsAnyExistingValue) {
    WriteRegistryValue(CurrentUser, key_, "Text", true, RegistryText, "old");
    WriteRegistryValue(CurrentUser, key_, "Number", true, RegistryNumber, "7");
    WriteRegistryValue(CurrentUser, key_, "Text", false, RegistryText, "new");
    WriteRegistryValue(CurrentUser, key_, "Number", false, RegistryText, "new");  // of another type: kept too
    WriteRegistryValue(CurrentUser, key_, "Missing", false, RegistryText, "written");
    WriteRegistryValue(CurrentUser, key_ + "\\Fresh", "Value", false, RegistryNumber, "5");

    DWORD type = 0;
    EXPECT_EQ(Stored("Text", type), std::string("old", 4));
    EXPECT_EQ(Stored("Number", type), Dword(7));
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(Stored("Missing", type), std::string("written", 8));
    std::string bytes;
    ASSERT_TRUE(QueryValue(HKEY_CURRENT_USER, key_ + "\\Fresh", "Value", type, bytes));  // a missing key is created
    EXPECT_EQ(bytes, Dword(5));

    // Overwrite on replaces a value of any type.
    WriteRegistryValue(CurrentUser, key_, "Number", true, RegistryBinary, "01");
    EXPECT_EQ(Stored("Number", type), "\x01");
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
}

TEST_F(RegistryTest, UnknownTypeOrRootWritesNothing) {
    WriteRegistryValue(CurrentUser, key_ + "\\OnlyKey", "Value", true, 3, "text");
    WriteRegistryValue(CurrentUser, key_ + "\\OnlyKey", "Value", true, -1, "text");
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, key_ + "\\OnlyKey"));
    DWORD type = 0;
    std::string bytes;
    EXPECT_FALSE(QueryValue(HKEY_CURRENT_USER, key_ + "\\OnlyKey", "Value", type, bytes));

    // Root numbers outside 0..6 name no registry root at all.
    EXPECT_EQ(RegistryRootKey(1), HKEY_CURRENT_USER);
    EXPECT_EQ(RegistryRootKey(2), HKEY_LOCAL_MACHINE);
    EXPECT_EQ(RegistryRootKey(7), nullptr);
    EXPECT_EQ(RegistryRootKey(-2147483647), nullptr);
    WriteRegistryValue(-2147483647, key_, "Value", true, RegistryText, "text");
    EXPECT_EQ(ReadRegistryString(7, key_, "Value"), "");
}

TEST_F(RegistryTest, ReadsOnlyTextValuesAndCreatesAMissingKey) {
    WriteRegistryValue(CurrentUser, key_, "Text", true, RegistryText, "C:\\Data\\");
    WriteRegistryValue(CurrentUser, key_, "Number", true, RegistryNumber, "12");
    WriteRegistryValue(CurrentUser, key_, "", true, RegistryText, "default");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    const char cut[] = "before\0after";
    RegSetValueExA(key, "Cut", 0, REG_SZ, reinterpret_cast<const BYTE*>(cut), sizeof cut);
    RegSetValueExA(key, "Unended", 0, REG_SZ, reinterpret_cast<const BYTE*>("abc"), 3);
    RegSetValueExA(key, "Expand", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>("%TEMP%"), 7);
    std::string longText(5000, 'x');
    RegSetValueExA(key, "Long", 0, REG_SZ, reinterpret_cast<const BYTE*>(longText.c_str()),
                   static_cast<DWORD>(longText.size() + 1));
    RegCloseKey(key);

    struct Case { const char* name; const char* text; } cases[] = {
        {"Text", "C:\\Data\\"}, {"Number", ""}, {"", "default"}, {"Cut", "before"}, {"Unended", "abc"},
        {"Expand", ""}, {"Missing", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadRegistryString(CurrentUser, key_, c.name), c.text) << c.name;
    EXPECT_EQ(ReadRegistryString(CurrentUser, key_, "Long"), longText);

    EXPECT_EQ(ReadRegistryString(CurrentUser, key_ + "\\Missing\\Key", "Value"), "");
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, key_ + "\\Missing\\Key"));
}

TEST_F(RegistryTest, ReadsAKeyThatRefusesFullAccess) {
    WriteRegistryValue(CurrentUser, key_ + "\\ReadOnly", "Value", true, RegistryText, "readable");
    // Everyone may read the key, nobody may change it: as HKEY_LOCAL_MACHINE is for a standard user.
    PSECURITY_DESCRIPTOR readOnly = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;;KR;;;WD)", SDDL_REVISION_1, &readOnly, nullptr));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, (key_ + "\\ReadOnly").c_str(), 0, WRITE_DAC, &key), ERROR_SUCCESS);
    ASSERT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, readOnly), ERROR_SUCCESS);
    RegCloseKey(key);
    LocalFree(readOnly);

    HKEY full = nullptr;
    LONG refused = RegCreateKeyExA(HKEY_CURRENT_USER, (key_ + "\\ReadOnly").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                   &full, nullptr);
    if (refused == ERROR_SUCCESS) RegCloseKey(full);
    EXPECT_EQ(refused, ERROR_ACCESS_DENIED) << "the registry should refuse full access to this key";

    EXPECT_EQ(ReadRegistryString(CurrentUser, key_ + "\\ReadOnly", "Value"), "readable");

    // The registry variable gets the value, not its default.
    SetupModel model;
    model.RegistryVariableList.Texts = {"1", key_ + "\\ReadOnly", "Value", "default"};
    RunState state;
    EvaluateRegistryVariables(model, state);
    EXPECT_EQ(state.RegistryVariables, std::vector<std::string>{"readable"});

    // Give the key back to its owner so that it can be deleted.
    PSECURITY_DESCRIPTOR open = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA("D:(A;;KA;;;WD)", SDDL_REVISION_1, &open, nullptr));
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, (key_ + "\\ReadOnly").c_str(), 0, WRITE_DAC, &key), ERROR_SUCCESS);
    RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, open);
    RegCloseKey(key);
    LocalFree(open);
}

TEST_F(RegistryTest, RegistryVariablesTakeValueOrDefault) {
    SetText(key_, "Folder", "C:\\Data\\");
    SetText(key_, "Empty", "");
    WriteRegistryValue(CurrentUser, key_, "Number", true, RegistryNumber, "3");
    SetupModel model;
    model.RegistryVariableList.Texts = {
        "1", key_, "Folder", "unused",
        "1", key_ + "\\Missing", "Value", "@$&%01\\Demo",
        "1", key_, "Empty", "fallback",
        "1", key_, "Number", "not a text",
        "9", key_, "Folder", "no such root",
    };
    RunState state;
    state.RegistryVariables = {"left from before"};
    EvaluateRegistryVariables(model, state);
    EXPECT_EQ(state.RegistryVariables, (std::vector<std::string>{"C:\\Data\\", "@$&%01\\Demo", "fallback", "not a text",
                                                                  "no such root"}));

    // Used through tokens: the trailing-backslash rule, and the default's own token expanded.
    EXPECT_EQ(ExpandPathTokens("@$&%81\\file.txt", state), "C:\\Data\\file.txt");
    EXPECT_EQ(ExpandPathTokens("@$&%82", state), SpecialFolderPath(FolderProgramFiles) + "\\Demo");
    EXPECT_EQ(ExpandPathTokens("[@$&%87]", state), "[]");  // no such variable

    SetupModel none;
    EvaluateRegistryVariables(none, state);
    EXPECT_TRUE(state.RegistryVariables.empty());
    EXPECT_EQ(ExpandPathTokens("[@$&%81]", state), "[]");
}
