#pragma once
// Reads a whole setup script into a model, as start-up does in its steps.

#include <cstdint>
#include <vector>

#include "base/Stream.h"
#include "package/SetupModel.h"

namespace tarnwick {

inline SetupModel ParseScript(const std::vector<uint8_t>& bytes) {
    MemoryStream script(bytes);
    SetupModel model;
    ParseGeneralSettings(script, model);
    ParseRegistryVariableList(script, model);
    ParseRecordLists(script, model);
    return model;
}

}  // namespace tarnwick
