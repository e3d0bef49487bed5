// The prerequisite checks against the machine: Wine's Windows versions, the user's token, the .NET
// policy key and the windows of another process.

#include <gtest/gtest.h>

#include <windows.h>

#include "MachineTestSupport.h"
#include "uninstall/win32/PrerequisiteChecks.h"

using namespace tarnwick;
using namespace testsupport;

namespace {

const char ProbeName[] = "windows_class_probe.exe";

// Wine takes the Windows version of a program from its own AppDefaults key when there is one, so a
// probe can run under another version without changing it for any other process of the prefix.
class WindowsVersionTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteKeyTree(HKEY_CURRENT_USER, key_); }
    void TearDown() override { DeleteKeyTree(HKEY_CURRENT_USER, key_); }

    // The probe's exit code under the version: its class, plus 16 when the mask allows it.
    long Probe(const char* version, unsigned mask) {
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                       static_cast<DWORD>(strlen(version) + 1));
        RegCloseKey(key);
        ChildProcess probe;
        EXPECT_TRUE(probe.Start(TestProgramFolder() + ProbeName, std::to_string(mask)));
        return probe.Wait(30000);
    }

    const std::string key_ = std::string("Software\\Wine\\AppDefaults\\") + ProbeName;
};

}  // namespace

TEST_F(WindowsVersionTest, ClassOfEachWineVersion) {
    // 64-bit Wine 8 reports every one of these to a 64-bit program too, down to Win32s ("win31").
    struct Case { const char* version; int windowsClass; } cases[] = {
        {"win31", WindowsWin32s}, {"win95", Windows95}, {"win98", Windows98}, {"winme", WindowsMe},
        {"nt40", WindowsNT4}, {"win2k", Windows2000}, {"winxp", WindowsXP}, {"win2003", WindowsXP},
        {"vista", WindowsVista}, {"win7", WindowsVista}, {"win10", WindowsVista},
    };
    for (const Case& c : cases) {
        const unsigned own = 1u << c.windowsClass;
        EXPECT_EQ(Probe(c.version, own), c.windowsClass + 16) << c.version;
        EXPECT_EQ(Probe(c.version, 255 & ~own), c.windowsClass) << c.version;
    }
}

TEST(PrerequisiteChecks, WindowsClassIsKeptForTheProcess) {
    const int first = WindowsClass();
    EXPECT_EQ(first, ClassifyWindowsVersion(GetVersion()));
    EXPECT_EQ(WindowsClass(), first);
    EXPECT_TRUE(IsWindowsClassAllowed(static_cast<uint8_t>(1u << first)));
    EXPECT_FALSE(IsWindowsClassAllowed(static_cast<uint8_t>(~(1u << first))));
}

TEST(PrerequisiteChecks, WineUserIsAnAdministrator) {
    EXPECT_TRUE(TokenHoldsAdministrators());
    EXPECT_TRUE(IsUserAdministrator());

    // The seam a start-up test uses to play a user without rights.
    bool (*const real)() = AdministratorCheck;
    AdministratorCheck = [] { return false; };
    EXPECT_FALSE(IsUserAdministrator());
    AdministratorCheck = real;
    EXPECT_TRUE(IsUserAdministrator());
}

TEST(PrerequisiteChecks, AdministratorsGroupInAnyStateCounts) {
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    PSID users = nullptr, administrators = nullptr, guests = nullptr;
    ASSERT_TRUE(AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_USERS, 0, 0, 0, 0, 0, 0, &users));
    ASSERT_TRUE(AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                         &administrators));
    ASSERT_TRUE(AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_GUESTS, 0, 0, 0, 0, 0, 0, &guests));

    // Room for three groups.
    std::vector<BYTE> buffer(sizeof(TOKEN_GROUPS) + 2 * sizeof(SID_AND_ATTRIBUTES));
    TOKEN_GROUPS& groups = *reinterpret_cast<TOKEN_GROUPS*>(buffer.data());
    groups.GroupCount = 3;
    groups.Groups[0] = {users, SE_GROUP_ENABLED};
    groups.Groups[1] = {guests, SE_GROUP_ENABLED};
    groups.Groups[2] = {administrators, SE_GROUP_USE_FOR_DENY_ONLY};  // as in a filtered token
    EXPECT_TRUE(GroupsHoldAdministrators(groups));
    groups.GroupCount = 2;
    EXPECT_FALSE(GroupsHoldAdministrators(groups));
    groups.GroupCount = 0;
    EXPECT_FALSE(GroupsHoldAdministrators(groups));

    FreeSid(users);
    FreeSid(administrators);
    FreeSid(guests);
}

TEST(PrerequisiteChecks, DotNetVersionFromPolicySubkeys) {
    const char policy[] = "SOFTWARE\\Microsoft\\.NETFramework\\policy";
    const char framework[] = "SOFTWARE\\Microsoft\\.NETFramework";
    if (KeyExists(HKEY_LOCAL_MACHINE, framework)) GTEST_SKIP() << "this prefix has a .NET Framework of its own";

    EXPECT_EQ(InstalledDotNetVersion(), 0.0);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, framework));  // looking does not create the key

    auto plant = [&](const char* subkey) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, (std::string(policy) + "\\" + subkey).c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    };
    plant("Upgrades");
    EXPECT_EQ(InstalledDotNetVersion(), 0.0);  // a policy key without version subkeys
    plant("V1.0");
    EXPECT_EQ(InstalledDotNetVersion(), 1.0);
    plant("V2.0");
    plant("v1.1");
    EXPECT_EQ(InstalledDotNetVersion(), 2.0);
    plant("V3");
    EXPECT_EQ(InstalledDotNetVersion(), 2.0);
    plant("v2.0.50727");
    EXPECT_EQ(InstalledDotNetVersion(), 2.0);
    plant("V4.0");
    EXPECT_EQ(InstalledDotNetVersion(), 4.0);

    DeleteKeyTree(HKEY_LOCAL_MACHINE, framework);
    EXPECT_EQ(InstalledDotNetVersion(), 0.0);
}
