#pragma once
// The machine's values of the path tokens: special folders, names, the run's installation folder,
// language and registry variables.

#include <string>

#include "engine/PathTokens.h"
#include "package/RunState.h"

namespace tarnwick {

// CSIDL numbers of the special folders the tokens name.
enum SpecialFolder : int {
    FolderDesktop = 0x00,
    FolderPrograms = 0x02,
    FolderPersonal = 0x05,
    FolderFavorites = 0x06,
    FolderStartup = 0x07,
    FolderSendTo = 0x09,
    FolderStartMenu = 0x0B,
    FolderFonts = 0x14,
    FolderTemplates = 0x15,
    FolderCommonStartMenu = 0x16,
    FolderCommonPrograms = 0x17,
    FolderCommonStartup = 0x18,
    FolderCommonDesktop = 0x19,
    FolderAppData = 0x1A,
    FolderCommonFavorites = 0x1F,
    FolderCommonAppData = 0x23,
    FolderProgramFiles = 0x26,
    FolderProfile = 0x28,
    FolderProgramFilesCommon = 0x2B,
    FolderCommonTemplates = 0x2D,
    FolderCommonDocuments = 0x2E,
};

// The path of a special folder; the empty text when the system does not provide it.
std::string SpecialFolderPath(int csidl);

// The short (8.3) form of an existing path; the empty text when the path does not exist.
std::string ShortPathForm(const std::string& path);

// The user's Quick Launch folder: the shell's mapping in HKEY_CURRENT_USER (a key the lookup leaves
// created), else the usual folder under the application data. Empty when the folder does not exist.
std::string QuickLaunchFolder();

// The value of token number 0..255 after the trailing-backslash rule, the short-form band included.
std::string ResolveToken(int number, const RunState& state);

class MachineTokenResolver final : public TokenResolver {
public:
    explicit MachineTokenResolver(const RunState& state) : state_(state) {}
    std::string ResolveToken(int number) override { return tarnwick::ResolveToken(number, state_); }

private:
    const RunState& state_;
};

// Every token of the text replaced by the machine's value, as the run's state stands now.
inline std::string ExpandPathTokens(const std::string& text, const RunState& state) {
    MachineTokenResolver resolver(state);
    return ExpandPathTokens(text, resolver);
}

}  // namespace tarnwick
