// A setup whose package is missing or damaged tells the user so and ends with exit code 2.

#include <gtest/gtest.h>

#include "TestSetup.h"
#include "builder/ScriptWriter.h"

using namespace e2e;

namespace {

tarnwick::PackageContents SmallPackage() {
    tarnwick::PackageContents contents;
    contents.Streams.push_back({0, std::vector<uint8_t>(300, 'x')});
    contents.Streams.push_back({6, std::vector<uint8_t>(100, 'b')});
    return contents;
}

}  // namespace

TEST(CorruptedPackage, ShowsTheBoxAndEndsWithCode2) {
    const std::string folder = driver::MakeScratchFolder("corrupted");
    const size_t imageSize = RuntimeImage().size();

    std::vector<uint8_t> badFlag = tarnwick::AssemblePackage([] {
        auto contents = SmallPackage();
        contents.ProgramImage = RuntimeImage();
        return contents;
    }());
    badFlag.back() = 0x58;
    std::vector<uint8_t> damagedBlock = tarnwick::AssemblePackage([] {
        auto contents = SmallPackage();
        contents.ProgramImage = RuntimeImage();
        return contents;
    }());
    damagedBlock[imageSize + 20] ^= 0x55;  // inside the first chunk of the stream block

    struct Case {
        const char* name;
        std::vector<uint8_t> program;
    } cases[] = {
        {"no package", RuntimeImage()},
        {"bad mode flag", badFlag},
        {"damaged stream block", damagedBlock},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = WriteProgram(folder, "setup.exe", c.program);
        driver::Program program;
        ASSERT_TRUE(program.Start(path));
        HWND box = driver::WaitForMessageBox(program.Id(), 20000);
        ASSERT_TRUE(box);
        driver::MessageBoxText shown = driver::ReadMessageBox(box);
        EXPECT_EQ(shown.caption, "Error");
        EXPECT_EQ(shown.text, "The setup files are corrupted. Please obtain a new copy of the program.");
        EXPECT_FALSE(FileExists(RuntimeTempFolder() + "6.tmp")) << "cleaned up before the box";
        ASSERT_TRUE(driver::ClickButton(box, IDOK));
        DWORD code = 0;
        ASSERT_TRUE(program.WaitForExit(10000, &code));
        EXPECT_EQ(code, 2u);
    }
}

TEST(CorruptedPackage, GoodPackageLoadsAndEndsNormally) {
    const std::string folder = driver::MakeScratchFolder("good");
    tarnwick::PackageContents contents = SmallPackage();
    // Start-up reads the script: a real one, so that no check refuses the run.
    contents.Streams[0].Bytes = tarnwick::WriteSetupScript(tarnwick::DefaultSetupScript());
    std::string path = WriteSetup(folder, "setup.exe", contents);
    driver::Program program;
    ASSERT_TRUE(program.Start(path));
    DWORD code = 99;
    ASSERT_TRUE(program.WaitForExit(20000, &code));
    EXPECT_EQ(code, 0u);
}
