#pragma once
// Path tokens: "@$&%" and two characters, standing for a folder or value known only on the target
// machine. Every path, command line, registry and INI text of the setup script goes through
// ExpandPathTokens at the moment it is used.
//
// This part is portable: the values of the token numbers come through a TokenResolver. The machine's
// resolver is engine/win32/TokenValues.h, which also offers ExpandPathTokens(text, state).

#include <string>
#include <vector>

namespace tarnwick {

constexpr char PathTokenMarker[] = "@$&%";
constexpr size_t PathTokenMarkerLength = 4;

// Token numbers 41..80 stand for number - 40 in short (8.3) form.
constexpr int ShortFormFirstToken = 41;
constexpr int ShortFormLastToken = 80;
constexpr int ShortFormOffset = 40;
// Token numbers 81..100 stand for RegistryVariables[number - 81].
constexpr int FirstRegistryVariableToken = 81;
constexpr int LastRegistryVariableToken = 100;

// The token number of the code after a marker: decimal with an optional sign, digits up to the first
// other character (none give 0), reduced to its low 8 bits.
int PathTokenNumber(const std::string& code);

// The number whose value a token stands for: number - 40 in the short-form band, else the number.
int BaseTokenNumber(int number);
inline bool IsShortFormToken(int number) {
    return number >= ShortFormFirstToken && number <= ShortFormLastToken;
}

// Every token value loses one trailing backslash, so that fields put it themselves
// (@$&%04\readme.txt gives one backslash, never two).
std::string WithoutTrailingBackslash(std::string value);

// Registry variable of token number 81..100; the empty text when the list has no such entry or the
// number lies outside the band.
std::string RegistryVariableValue(int number, const std::vector<std::string>& variables);

class TokenResolver {
public:
    virtual ~TokenResolver() = default;
    // The value of token number 0..255, the trailing-backslash rule applied; the short-form band
    // included. The empty text when the value is unassigned or unavailable.
    virtual std::string ResolveToken(int number) = 0;
};

// The text with every token replaced, left to right. A value that brings in tokens of its own (a
// registry variable whose default is @$&%01\App) has them expanded in turn, but a token inside the
// value of that same token number (an installation folder typed as @$&%04) expands to the empty
// text, so expansion always ends. Never fails.
std::string ExpandPathTokens(const std::string& text, TokenResolver& resolver);

}  // namespace tarnwick
