// Path token numbers and the expansion loop, with token values from a table instead of a machine.

#include <gtest/gtest.h>

#include <map>

#include "engine/PathTokens.h"
#include "engine/RegistryData.h"

using namespace tarnwick;

namespace {

class TableResolver final : public TokenResolver {
public:
    explicit TableResolver(std::map<int, std::string> values) : values_(std::move(values)) {}
    std::string ResolveToken(int number) override {
        ++calls;
        auto found = values_.find(number);
        return found == values_.end() ? std::string() : found->second;
    }
    int calls = 0;

private:
    std::map<int, std::string> values_;
};

}  // namespace

TEST(PathTokenNumber, ReadsSignedDecimalInItsLowEightBits) {
    struct Case { const char* code; int number; } cases[] = {
        {"04", 4}, {"4\\", 4}, {"99", 99}, {"81", 81}, {"", 0}, {"ab", 0}, {"x1", 0},
        {"+5", 5}, {"-1", 255}, {"-0", 0}, {"- ", 0}, {"1x", 1},
    };
    for (const Case& c : cases) EXPECT_EQ(PathTokenNumber(c.code), c.number) << c.code;
}

TEST(PathTokenNumber, ShortFormBandAndTrailingBackslash) {
    EXPECT_EQ(BaseTokenNumber(40), 40);
    EXPECT_EQ(BaseTokenNumber(41), 1);
    EXPECT_EQ(BaseTokenNumber(44), 4);
    EXPECT_EQ(BaseTokenNumber(80), 40);
    EXPECT_EQ(BaseTokenNumber(81), 81);
    EXPECT_EQ(WithoutTrailingBackslash("C:\\Games\\Demo\\"), "C:\\Games\\Demo");
    EXPECT_EQ(WithoutTrailingBackslash("C:\\"), "C:");
    EXPECT_EQ(WithoutTrailingBackslash("a\\\\"), "a\\");  // one backslash only
    EXPECT_EQ(WithoutTrailingBackslash(""), "");
}

TEST(PathTokenNumber, RegistryVariablesByNumber) {
    std::vector<std::string> variables = {"first", "second"};
    EXPECT_EQ(RegistryVariableValue(81, variables), "first");
    EXPECT_EQ(RegistryVariableValue(82, variables), "second");
    EXPECT_EQ(RegistryVariableValue(83, variables), "");
    EXPECT_EQ(RegistryVariableValue(80, variables), "");
    EXPECT_EQ(RegistryVariableValue(81, {}), "");  // no registry variables at all
    std::vector<std::string> twenty(20, "v");
    twenty[19] = "last";
    EXPECT_EQ(RegistryVariableValue(100, twenty), "last");
    EXPECT_EQ(RegistryVariableValue(101, twenty), "");
}

TEST(ExpandPathTokens, ReplacesEveryTokenLeftToRight) {
    TableResolver machine({{1, "C:\\Program Files"}, {2, "C:\\windows"}, {4, "C:\\Games\\Demo"}, {17, "C:"},
                           {44, "C:\\GAMES\\DEMO~1"}, {81, "@$&%01\\Demo"}, {82, "&%02"}});
    struct Case { const char* text; const char* expanded; } cases[] = {
        {"no tokens", "no tokens"},
        {"", ""},
        {"@$&%04\\demo.exe", "C:\\Games\\Demo\\demo.exe"},
        {"@$&%4\\readme.txt", "C:\\Games\\Demoreadme.txt"},  // one digit: the backslash is the code's second character
        {"@$&%17\\boot.ini", "C:\\boot.ini"},
        {"@$&%44\\x", "C:\\GAMES\\DEMO~1\\x"},
        {"@$&%02@$&%00", "C:\\windows"},
        {"a@$&%00b@$&%19c@$&%23d@$&%36e", "abcde"},
        {"@$&%", ""},
        {"path@$&%", "path"},
        {"path@$&%0", "path"},
        {"@$&%02;@$&%02", "C:\\windows;C:\\windows"},
        {"@$&%81\\bin", "C:\\Program Files\\Demo\\bin"},  // a value's own tokens are expanded in turn
        {"@$@$&%82", "C:\\windows"},                      // ... also one it completes with the text in front
        {"@$&%07\\x.lnk", "\\x.lnk"},
        {"@$&4", "@$&4"},
        {"%@$&%%02", "%2"},  // "%0" reads as 0
    };
    for (const Case& c : cases) EXPECT_EQ(ExpandPathTokens(c.text, machine), c.expanded) << c.text;
}

TEST(ExpandPathTokens, AValueHoldingItsOwnTokenEnds) {
    struct Case { std::map<int, std::string> values; const char* text; const char* expanded; } cases[] = {
        {{{4, "@$&%04"}}, "@$&%04\\app.exe", "\\app.exe"},
        {{{4, "X@$&%04Y"}}, "[@$&%04]", "[XY]"},
        {{{4, "D:\\@$&%44"}}, "@$&%04", "D:\\"},  // the short form is the same folder
        {{{81, "@$&%82"}, {82, "@$&%81"}}, "<@$&%81>", "<>"},
        {{{81, "@$&%82|@$&%82"}, {82, "@$&%01"}, {1, "P"}}, "@$&%81", "P|P"},  // siblings are no loop
        {{{21, "lang @$&%21"}}, "@$&%21 @$&%21", "lang  lang "},
    };
    for (const Case& c : cases) {
        TableResolver machine(c.values);
        EXPECT_EQ(ExpandPathTokens(c.text, machine), c.expanded) << c.text;
    }
}

TEST(ExpandPathTokens, ValuesThatMultiplyStillEnd) {
    // Each variable brings in the next one twice: 2^19 expansions without a bound.
    std::map<int, std::string> values;
    for (int n = 81; n < 99; ++n) values[n] = "@$&%" + std::to_string(n + 1) + "@$&%" + std::to_string(n + 1);
    values[99] = "x";
    TableResolver machine(values);
    std::string expanded = ExpandPathTokens("@$&%81", machine);
    EXPECT_EQ(expanded.find(PathTokenMarker), std::string::npos);
    EXPECT_LE(machine.calls, 4096);
    EXPECT_GT(machine.calls, 1000);  // the bound is far above anything a real field holds
}

TEST(RegistryData, HexPairsBecomeBytes) {
    struct Case { const char* text; std::vector<uint8_t> bytes; } cases[] = {
        {"0aFf10", {0x0A, 0xFF, 0x10}},
        {"0aFf1", {0x0A, 0xFF}},  // a last single character is ignored
        {"", {}},
        {"7", {}},
        {"$F$a", {0x0F, 0x0A}},
        {"G1", {0x00}},
        {"1G", {0x01}},
        {"  ", {0x00}},
        {"$$", {0x00}},
        {"00ff", {0x00, 0xFF}},
    };
    for (const Case& c : cases) EXPECT_EQ(HexPairsToBytes(c.text), c.bytes) << c.text;
}

TEST(RegistryData, DecimalDwordAndRoots) {
    EXPECT_EQ(DecimalToDword("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(DecimalToDword("4294967295"), 0xFFFFFFFFu);
    EXPECT_EQ(DecimalToDword("123abc"), 123u);
    EXPECT_EQ(DecimalToDword("x"), 0u);
    EXPECT_EQ(DecimalToDword("-2147483648"), 0x80000000u);
    EXPECT_TRUE(IsRegistryRoot(0));
    EXPECT_TRUE(IsRegistryRoot(6));
    EXPECT_FALSE(IsRegistryRoot(7));
    EXPECT_FALSE(IsRegistryRoot(-1));
}
