#pragma once
// Readable names for the general settings a project commonly states; every other setting is
// given by its index.

#include <string>
#include <utility>
#include <vector>

namespace tarnwick {

// (name, index) pairs, in index order.
const std::vector<std::pair<std::string, int>>& SettingNames();

// The index of a named setting, or of a setting written as its decimal index ("58"); -1 when the
// text is neither.
int FindSetting(const std::string& nameOrIndex);

}  // namespace tarnwick
