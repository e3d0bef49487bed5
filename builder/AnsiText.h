#pragma once
// Setup scripts hold 8-bit ANSI texts (Windows-1252, the Western code page); project files are
// UTF-8. The builder converts, and refuses what the code page cannot hold rather than write
// bytes that would show as garbage on the user's screen.

#include <string>

namespace tarnwick {

// Throws std::invalid_argument for malformed UTF-8 or a character outside Windows-1252.
std::string Windows1252FromUtf8(const std::string& utf8);

}  // namespace tarnwick
