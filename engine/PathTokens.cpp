#include "engine/PathTokens.h"

#include <algorithm>
#include <bitset>

#include "package/SetupModel.h"

namespace tarnwick {

namespace {

// Token numbers already being expanded somewhere up the chain that brought a character in.
using TokenChain = std::bitset<256>;

// A safety net behind the chain rule: values that each bring in several other tokens could still
// multiply the text; no real field holds anywhere near this many tokens.
constexpr int MaxResolvedTokens = 4096;

}  // namespace

int PathTokenNumber(const std::string& code) { return static_cast<int>(static_cast<uint32_t>(ParseDecimal(code)) & 0xFFu); }

int BaseTokenNumber(int number) { return IsShortFormToken(number) ? number - ShortFormOffset : number; }

std::string WithoutTrailingBackslash(std::string value) {
    if (!value.empty() && value.back() == '\\') value.pop_back();
    return value;
}

std::string RegistryVariableValue(int number, const std::vector<std::string>& variables) {
    if (number < FirstRegistryVariableToken || number > LastRegistryVariableToken) return std::string();
    size_t index = static_cast<size_t>(number - FirstRegistryVariableToken);
    return index < variables.size() ? variables[index] : std::string();
}

std::string ExpandPathTokens(const std::string& text, TokenResolver& resolver) {
    // The search starts again in front of each inserted value, so a token that the value brings in
    // (or that it completes with the text around it) is expanded in turn. To make sure this ends,
    // every character remembers which token numbers were expanded to bring it in: chains[origin[i]]
    // for character i, chain 0 being the caller's own text.
    std::string result = text;
    std::vector<size_t> origin(result.size(), 0);
    std::vector<TokenChain> chains(1);
    int resolved = 0;

    size_t at = result.find(PathTokenMarker);
    while (at != std::string::npos) {
        const size_t codeStart = at + PathTokenMarkerLength;
        const size_t codeLength = std::min<size_t>(2, result.size() - codeStart);
        const int number = PathTokenNumber(result.substr(codeStart, codeLength));
        const int base = BaseTokenNumber(number);
        const size_t end = codeStart + codeLength;

        TokenChain chain;
        for (size_t i = at; i < end; ++i) chain |= chains[origin[i]];

        std::string value;
        if (!chain.test(static_cast<size_t>(base)) && resolved < MaxResolvedTokens) {
            value = resolver.ResolveToken(number);
            ++resolved;
        }
        chain.set(static_cast<size_t>(base));
        chains.push_back(chain);

        result.replace(at, end - at, value);
        origin.erase(origin.begin() + static_cast<std::ptrdiff_t>(at), origin.begin() + static_cast<std::ptrdiff_t>(end));
        origin.insert(origin.begin() + static_cast<std::ptrdiff_t>(at), value.size(), chains.size() - 1);

        // No marker started before `at`; one may now start in the three characters just in front.
        at = result.find(PathTokenMarker, at >= PathTokenMarkerLength - 1 ? at - (PathTokenMarkerLength - 1) : 0);
    }
    return result;
}

}  // namespace tarnwick
