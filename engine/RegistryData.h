#pragma once
// How the setup script writes registry data as text: the value types of its registry entries and
// the conversions that WriteRegistryValue applies before writing.

#include <cstdint>
#include <string>
#include <vector>

namespace tarnwick {

// Registry roots are numbers 0..6, counted from HKEY_CLASSES_ROOT (1 HKEY_CURRENT_USER,
// 2 HKEY_LOCAL_MACHINE, 3 HKEY_USERS, 4 HKEY_PERFORMANCE_DATA, 5 HKEY_CURRENT_CONFIG, 6 HKEY_DYN_DATA).
constexpr int FirstRegistryRoot = 0;
constexpr int LastRegistryRoot = 6;
inline bool IsRegistryRoot(int root) { return root >= FirstRegistryRoot && root <= LastRegistryRoot; }

enum RegistryDataType : int {
    RegistryText = 0,    // REG_SZ
    RegistryBinary = 1,  // REG_BINARY, written as pairs of hexadecimal digits
    RegistryNumber = 2,  // REG_DWORD, written in decimal
};

// Binary data written as text: each pair of characters from the start is one byte, read as a
// hexadecimal number (a leading "$" skipped, reading stopped at the first other character, so an
// invalid pair gives its valid leading part or 0). A last single character is ignored.
std::vector<uint8_t> HexPairsToBytes(const std::string& text);

// A REG_DWORD written as decimal text; negative numbers in two's complement.
uint32_t DecimalToDword(const std::string& text);

}  // namespace tarnwick
