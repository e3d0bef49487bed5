// The install log's bytes: what an installation hands to its uninstaller.

#include <gtest/gtest.h>

#include "uninstall/InstallLog.h"

using namespace tarnwick;

TEST(InstallLog, TwoFilesAndAShortcutWithTheSecondLanguage) {
    LoggedPaths paths;
    paths.Add("C:\\App\\demo.exe");
    paths.Add("C:\\App\\readme.txt");
    paths.Add("C:\\Users\\Public\\Desktop\\Demo.lnk");
    EXPECT_EQ(InstallLogText(paths, "C:\\App\\", 1),
              "[f]\r\n"
              "1=C:\\App\\demo.exe\r\n"
              "2=C:\\App\\readme.txt\r\n"
              "3=C:\\Users\\Public\\Desktop\\Demo.lnk\r\n"
              "[s]\r\n"
              "0=3\r\n"
              "1=C:\\App\\\r\n"
              "2=1\r\n");
}

TEST(InstallLog, NothingLoggedGivesTheSummaryAlone) {
    LoggedPaths paths;
    EXPECT_EQ(InstallLogText(paths, "C:\\Program Files\\Demo\\", 0),
              "[f]\r\n[s]\r\n0=0\r\n1=C:\\Program Files\\Demo\\\r\n2=0\r\n");
}

TEST(InstallLog, KeysCountPastNineAndRepeatsStay) {
    LoggedPaths paths;
    for (int i = 0; i < 11; ++i) paths.Add(i == 10 ? "C:\\A\\same" : "C:\\A\\f" + std::to_string(i));
    paths.Add("C:\\A\\same");
    std::string text = InstallLogText(paths, "C:\\A\\", 255);
    EXPECT_NE(text.find("\r\n10=C:\\A\\f9\r\n11=C:\\A\\same\r\n12=C:\\A\\same\r\n[s]\r\n0=12\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 7), "2=255\r\n");
}
