#pragma once
// Window classes and control ids of the windows that exist before the wizard: the background
// window and the language dialog. Stable numbers by which the end-to-end driver finds each
// control; never reuse or renumber one (the wizard's ids are in WizardControlIds.h).

namespace tarnwick {

// The application window (taskbar button and title) is the GUI layer's "TarnwickApplication".
constexpr const char* BackgroundWindowClass = "TarnwickBackground";
constexpr const char* LanguageDialogClass = "TarnwickLanguage";

namespace background_ids {
constexpr int FirstText = 901;   // the large title at the top left
constexpr int SecondText = 902;  // the small line at the bottom right
}  // namespace background_ids

namespace language_ids {
constexpr int Icon = 911;
constexpr int Prompt = 912;
constexpr int List = 913;
constexpr int Ok = 914;
constexpr int Cancel = 915;
}  // namespace language_ids

}  // namespace tarnwick
