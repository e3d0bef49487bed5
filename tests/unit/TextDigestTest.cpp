// The same-length text digest and the script's integrity code.

#include <gtest/gtest.h>

#include <random>

#include "engine/TextDigest.h"

using namespace tarnwick;

TEST(TextDigest, KnownVectors) {
    EXPECT_EQ(TextDigest("abc"), "2X<");
    EXPECT_EQ(TextDigest(""), "");
    EXPECT_EQ(TextDigest("a"), "2");  // 97 * 97 + 1 = 9410, and 9410 mod 90 = 50
}

TEST(TextDigest, KeepsLengthAndStaysWithinZeroToZ) {
    std::mt19937 random(7);
    for (size_t length : {size_t(1), size_t(2), size_t(3), size_t(17), size_t(255), size_t(4096)}) {
        for (int round = 0; round < 20; ++round) {
            std::string text(length, '\0');
            for (char& c : text) c = static_cast<char>(random());  // every byte value, NUL and >= 128 too
            std::string digest = TextDigest(text);
            ASSERT_EQ(digest.size(), length);
            for (char c : digest) ASSERT_TRUE(c >= '0' && c <= 'Z') << "length " << length << ": " << int(c);
        }
    }
}

TEST(TextDigest, EveryByteOfTheInputMatters) {
    // The password page compares digests, so texts that differ in one byte must not collide often.
    const std::string base = "secret password";
    int same = 0;
    for (size_t at = 0; at < base.size(); ++at) {
        std::string changed = base;
        changed[at] = static_cast<char>(changed[at] + 1);
        if (TextDigest(changed) == TextDigest(base)) ++same;
    }
    EXPECT_EQ(same, 0);
}

TEST(IntegrityCode, DigestsTheDecimalByteSumOfSettingsZeroToThirtyFour) {
    std::vector<std::string> settings(121);
    settings[0] = "abc";       // 294
    settings[34] = "\xE9";     // 233: bytes are added unsigned
    settings[35] = "ignored";  // the code itself and later settings are not covered
    settings[120] = "ignored";
    EXPECT_EQ(ComputeIntegrityCode(settings), TextDigest("527"));
    // Fewer settings than 35 count as empty ones.
    EXPECT_EQ(ComputeIntegrityCode({"abc"}), TextDigest("294"));
    EXPECT_EQ(ComputeIntegrityCode({}), TextDigest("0"));
}
