#pragma once
// Which language the language dialog offers first.

#include "package/SetupModel.h"

namespace tarnwick {

// The index of the language to preselect: the last language whose identifier (read like
// SettingNumber) equals the user's language id; else the first language named exactly "English"
// (letter case counts); else 0.
int PreselectedLanguage(const SetupModel& model, int userLanguageId);

}  // namespace tarnwick
