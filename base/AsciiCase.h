#pragma once
// Case rules of the program's own comparisons: only the ASCII letters a to z change case, so that
// a text in any ANSI code page compares the same on every machine.

#include <string>

namespace tarnwick {

inline std::string UpperCaseAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

}  // namespace tarnwick
