#pragma once
// Registry access shared by the install actions, the registry variables and the uninstaller.
// Nothing here reports an error: a value that cannot be read is the empty text, and a value that
// cannot be written is passed over.

#include <windows.h>

#include <string>

#include "engine/RegistryData.h"
#include "package/RunState.h"
#include "package/SetupModel.h"

namespace tarnwick {

// HKEY_CLASSES_ROOT + root for the root numbers 0..6; null for any other number, so that a damaged
// script never hands an arbitrary handle value to the registry functions.
HKEY RegistryRootKey(int root);

// The REG_SZ value's text up to its terminating NUL; the empty text for a missing key or value, a
// value of another type, or a key that cannot be opened. The key is opened as the install actions
// open it, creating it when it is missing; where that open is refused (a user without write rights
// to HKEY_LOCAL_MACHINE), the key is opened for reading only, so the value is still read.
std::string ReadRegistryString(int root, const std::string& keyPath, const std::string& valueName);

// Creates the key with its missing parents, then writes the value unless `overwrite` is off and a
// value of that name exists already (of whatever type). `type` is a RegistryDataType: 0 the text
// (REG_SZ), 1 hexadecimal pairs (REG_BINARY), 2 a decimal number (REG_DWORD); any other type
// writes nothing but leaves the key created. An empty value name is the key's default value.
void WriteRegistryValue(int root, const std::string& keyPath, const std::string& valueName, bool overwrite, int type,
                        const std::string& data);

// Fills state.RegistryVariables, one entry per record of the RegistryVariableList: the registry
// value, or the record's default text when the value is empty. Key path, value name and default
// are used as stored; tokens in a default are expanded when the variable is used.
void EvaluateRegistryVariables(const SetupModel& model, RunState& state);

}  // namespace tarnwick
