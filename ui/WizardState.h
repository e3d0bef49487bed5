#pragma once
// The wizard's page ids and where the run stands in its page sequence (RunState::PageSequence and
// RunState::PagePosition), and the installation folder the folder edit stands for.

#include <string>

#include "package/RunState.h"

namespace tarnwick {

// The pages of an installer, in the order a page sequence lists them. The welcome and finish
// pages share one panel; FinishActionsId has no page at all (the run ends there).
enum PageId : int {
    WelcomePageId = 0,
    LicensePageId = 1,
    PasswordPageId = 2,
    InformationPageId = 3,
    DestinationPageId = 4,
    StartMenuPageId = 5,
    ShortcutsPageId = 6,
    ReadyPageId = 7,
    ProgressPageId = 8,
    FinishPageId = 9,
    FinishActionsId = 10,
};
constexpr int PageIdCount = 11;
// What PageAt gives outside the sequence.
constexpr int NoPageId = -1;

// PageSequence[index], or NoPageId when index lies outside the sequence (the page flow looks one
// and two entries ahead of the current one, past the end on the last pages).
int PageAt(const RunState& state, int index);
// PageSequence[PagePosition], or NoPageId.
int CurrentPageId(const RunState& state);
// Pages 1 to 8 show the header, the Back button, the separator and the branding line; the
// welcome and finish pages cover the header with their own panel.
inline bool PageShowsChrome(int id) { return id >= LicensePageId && id <= ProgressPageId; }

// The InstallFolder for a folder edit text: the text with a backslash appended unless it already
// ends in one (an empty text gives a single backslash).
std::string InstallFolderFromText(const std::string& text);

}  // namespace tarnwick
