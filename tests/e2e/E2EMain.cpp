// End-to-end tests: e2e_tests.exe RUNTIME.exe [gtest options]. Run under Wine.

#include <gtest/gtest.h>

#include "TestSetup.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: e2e_tests RUNTIME.exe [gtest options]\n");
        return 2;
    }
    e2e::SetRuntimePath(driver::WindowsPath(argv[1]));
    return RUN_ALL_TESTS();
}
