#include "uninstall/Prerequisites.h"

#include <algorithm>

#include "base/AsciiCase.h"
#include "package/SetupModel.h"

namespace tarnwick {

int ClassifyWindowsVersion(uint32_t getVersionResult) {
    const uint32_t major = getVersionResult & 0xFF;
    const uint32_t minor = (getVersionResult >> 8) & 0xFF;
    const uint32_t version = major * 256 + minor;
    if (getVersionResult & 0x80000000u) {
        return WindowsWin32s + (major >= 4) + (version >= 0x040A) + (version >= 0x045A);
    }
    return WindowsNT4 + (major >= 5) + (version >= 0x0501) + (major >= 6);
}

bool IsWindowsClassAllowed(uint8_t mask, int windowsClass) {
    return windowsClass >= 0 && windowsClass <= 7 && (mask >> windowsClass) & 1;
}

double ParseVersionNumber(const std::string& text) {
    // Digits are gathered as one whole number and divided once at the end, so that "1.1" gives
    // exactly the double that 1.1 is, whichever side of a comparison it stands on.
    double digits = 0;
    double scale = 1;
    bool inFraction = false;
    size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) at = 1;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c >= '0' && c <= '9') {
            digits = digits * 10 + (c - '0');
            if (inFraction) scale *= 10;
        } else if (c == '.') {
            if (inFraction) break;
            inFraction = true;
        } else if (c == 'E' || c == 'e') {
            // Past +-400 every double is infinite or zero already; the bound keeps the loops short.
            int32_t exponent = std::clamp<int32_t>(ParseDecimal(text.substr(at + 1)), -400, 400);
            for (; exponent > 0 && scale > 1; --exponent) scale /= 10;  // exact while it undoes the fraction
            for (; exponent > 0; --exponent) digits *= 10;
            for (; exponent < 0; ++exponent) scale *= 10;
            break;
        }
    }
    double value = digits / scale;
    return negative ? -value : value;
}

bool DotNetPolicyVersion(const std::string& subkeyName, double& version) {
    if (subkeyName.empty() || (subkeyName[0] != 'V' && subkeyName[0] != 'v')) return false;
    if (subkeyName.find('.') == std::string::npos) return false;
    version = ParseVersionNumber(subkeyName.substr(1));
    return true;
}

bool DotNetRequirementMet(double required, double installed, bool atLeast) {
    return atLeast ? installed >= required : installed == required;
}

bool TitleHoldsSearchedPart(const std::string& title, const std::string& searched) {
    if (title.empty() || searched.empty()) return false;
    const std::string upperTitle = UpperCaseAscii(title);
    return upperTitle.find(UpperCaseAscii(searched)) != std::string::npos &&
           upperTitle.find("TARNWICK") == std::string::npos;
}

}  // namespace tarnwick
