// The rules of the prerequisite checks: Windows classes, version numbers, window titles.

#include <gtest/gtest.h>

#include <cmath>

#include "uninstall/Prerequisites.h"

using namespace tarnwick;

TEST(WindowsClass, FromGetVersion) {
    struct Case { uint32_t version; int windowsClass; const char* name; } cases[] = {
        {0x80000003u, WindowsWin32s, "Win32s on 3.11"},
        {0xC3B60004u, Windows95, "95 (4.0)"},
        {0xC0000304u, Windows95, "95 OSR (4.3)"},
        {0xC0000A04u, Windows98, "98 (4.10)"},
        {0xC0005904u, Windows98, "4.89"},
        {0xC0005A04u, WindowsMe, "Me (4.90)"},
        {0x04213303u, WindowsNT4, "NT 3.51"},
        {0x05650004u, WindowsNT4, "NT 4.0"},
        {0x08930005u, Windows2000, "2000 (5.0)"},
        {0x0A280105u, WindowsXP, "XP (5.1)"},
        {0x0ECE0205u, WindowsXP, "Server 2003 (5.2)"},
        {0x17700006u, WindowsVista, "Vista (6.0)"},
        {0x1DB10106u, WindowsVista, "7 (6.1)"},
        {0x4A61000Au, WindowsVista, "10 (10.0)"},
    };
    for (const Case& c : cases) EXPECT_EQ(ClassifyWindowsVersion(c.version), c.windowsClass) << c.name;
}

TEST(WindowsClass, MaskAllowsItsBits) {
    for (int windowsClass = 0; windowsClass <= 7; ++windowsClass) {
        const uint8_t own = static_cast<uint8_t>(1u << windowsClass);
        EXPECT_TRUE(IsWindowsClassAllowed(255, windowsClass));
        EXPECT_FALSE(IsWindowsClassAllowed(0, windowsClass));
        EXPECT_TRUE(IsWindowsClassAllowed(own, windowsClass));
        EXPECT_FALSE(IsWindowsClassAllowed(static_cast<uint8_t>(~own), windowsClass));
    }
    EXPECT_FALSE(IsWindowsClassAllowed(255, 8));
    EXPECT_FALSE(IsWindowsClassAllowed(255, -1));
}

TEST(DotNetVersion, ParseRule) {
    struct Case { const char* text; double value; } cases[] = {
        {"1.1", 1.1}, {"2.0", 2.0}, {"2.0.50727", 2.0}, {"4.0.30319", 4.0}, {"3.5", 3.5}, {"10", 10.0},
        {"", 0.0}, {"abc", 0.0}, {"-x", 0.0}, {"-1.5", -1.5}, {"1-5", 15.0}, {"v2.0", 2.0}, {"1..2", 1.0},
        {"1e3", 1000.0}, {"1.5e2", 150.0}, {"2.5E-1", 0.25}, {"1.1e", 1.1}, {"1.1ex", 1.1}, {"3e1.5", 30.0},
        {"0.5", 0.5}, {".5", 0.5}, {"1,5", 15.0},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseVersionNumber(c.text), c.value) << c.text;
    // Exponents far out of range end at once, at infinity or zero.
    EXPECT_TRUE(std::isinf(ParseVersionNumber("1e2147483647")));
    EXPECT_EQ(ParseVersionNumber("1e-2147483647"), 0.0);
}

TEST(DotNetVersion, PolicySubkeyNames) {
    struct Case { const char* name; bool taken; double version; } cases[] = {
        {"V1.0", true, 1.0}, {"v1.1", true, 1.1}, {"V2.0.50727", true, 2.0}, {"V4.0", true, 4.0},
        {"V3", false, 0}, {"Upgrades", false, 0}, {"", false, 0}, {"X1.1", false, 0}, {"V.", true, 0},
    };
    for (const Case& c : cases) {
        double version = -1;
        EXPECT_EQ(DotNetPolicyVersion(c.name, version), c.taken) << c.name;
        if (c.taken) {
            EXPECT_EQ(version, c.version) << c.name;
        }
    }
}

TEST(DotNetVersion, RequirementDecision) {
    struct Case { double required, installed; bool atLeast, met; } cases[] = {
        {2.0, 2.0, false, true}, {2.0, 3.5, false, false}, {2.0, 0.0, false, false},
        {2.0, 3.5, true, true}, {2.0, 1.1, true, false}, {2.0, 2.0, true, true},
        {ParseVersionNumber("1.1"), ParseVersionNumber("1.1.4322"), false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DotNetRequirementMet(c.required, c.installed, c.atLeast), c.met)
            << c.required << " " << c.installed << " " << c.atLeast;
    }
}

TEST(RunningInstances, TitlesTakenByPart) {
    struct Case { const char* title; const char* searched; bool taken; } cases[] = {
        {"Demo Application 2.0", "demo app", true},
        {"DEMO APPLICATION", "Demo", true},
        {"My demo", "DEMO", true},
        {"Demo", "Demo Application", false},
        {"Demo Application Setup (Tarnwick)", "demo", false},  // our own windows, in any case
        {"tarnwick demo", "demo", false},
        {"Demo", "", false},
        {"", "Demo", false},
        {"\xc4rger Demo", "\xe4rger", false},  // only a to z change case
    };
    for (const Case& c : cases) EXPECT_EQ(TitleHoldsSearchedPart(c.title, c.searched), c.taken) << c.title;
}
