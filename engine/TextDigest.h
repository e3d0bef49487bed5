#pragma once
// The program's own same-length text digest: the integrity code of the setup script and the
// stored form of the installation password.

#include <cstdint>
#include <string>
#include <vector>

namespace tarnwick {

// A text of the same length as `text`, every byte in "0".."Z"; the empty text gives the empty text.
std::string TextDigest(const std::string& text);

// The general settings covered by the integrity code: 0 .. IntegrityCoveredSettings - 1.
constexpr int IntegrityCoveredSettings = 35;
constexpr int IntegrityCodeSetting = 35;

// The integrity code that general setting 35 must hold: the digest of the decimal sum of all bytes
// of settings 0..34. Settings missing from `settings` count as empty.
std::string ComputeIntegrityCode(const std::vector<std::string>& settings);

}  // namespace tarnwick
