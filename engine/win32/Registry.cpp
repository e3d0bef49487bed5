#include "engine/win32/Registry.h"

#include <cstring>
#include <vector>

#include "engine/RegistryData.h"

namespace tarnwick {

namespace {

// Opens the key for reading its values; false when it can be neither opened nor created.
bool OpenKeyForReading(HKEY root, const std::string& keyPath, HKEY& key) {
    if (RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS) {
        return true;
    }
    // Full access is refused to a user who may not write the key; reading needs far less.
    return RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS;
}

std::string QueryTextValue(HKEY key, const std::string& valueName) {
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExA(key, valueName.c_str(), nullptr, &type, nullptr, &size);
    std::vector<char> data;
    // The value may grow between the size query and the read; ask again with the new size.
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        if (type != REG_SZ) return std::string();
        data.assign(size + 1, '\0');
        DWORD got = size;
        status = RegQueryValueExA(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &got);
        if (status == ERROR_SUCCESS) {
            if (type != REG_SZ) return std::string();
            return std::string(data.data(), strnlen(data.data(), got));
        }
        size = got;
    }
    return std::string();
}

}  // namespace

HKEY RegistryRootKey(int root) {
    if (!IsRegistryRoot(root)) return nullptr;
    return reinterpret_cast<HKEY>(reinterpret_cast<ULONG_PTR>(HKEY_CLASSES_ROOT) + static_cast<ULONG_PTR>(root));
}

std::string ReadRegistryString(int root, const std::string& keyPath, const std::string& valueName) {
    HKEY rootKey = RegistryRootKey(root);
    HKEY key = nullptr;
    if (!rootKey || !OpenKeyForReading(rootKey, keyPath, key)) return std::string();
    std::string text = QueryTextValue(key, valueName);
    RegCloseKey(key);
    return text;
}

void WriteRegistryValue(int root, const std::string& keyPath, const std::string& valueName, bool overwrite, int type,
                        const std::string& data) {
    HKEY rootKey = RegistryRootKey(root);
    HKEY key = nullptr;
    if (!rootKey ||
        RegCreateKeyExA(rootKey, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    const char* name = valueName.c_str();
    if (overwrite || RegQueryValueExA(key, name, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        switch (type) {
        case RegistryText:
            RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                           static_cast<DWORD>(data.size() + 1));
            break;
        case RegistryBinary: {
            std::vector<uint8_t> bytes = HexPairsToBytes(data);
            const BYTE none = 0;
            RegSetValueExA(key, name, 0, REG_BINARY, bytes.empty() ? &none : bytes.data(), static_cast<DWORD>(bytes.size()));
            break;
        }
        case RegistryNumber: {
            DWORD number = DecimalToDword(data);
            RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
            break;
        }
        default:
            break;  // an unknown type only creates the key
        }
    }
    RegCloseKey(key);
}

void EvaluateRegistryVariables(const SetupModel& model, RunState& state) {
    const RecordList& list = model.RegistryVariableList;
    state.RegistryVariables.clear();
    for (int i = 0; i < list.Count(); ++i) {
        std::string value = ReadRegistryString(list.FieldNumber(i, 0), list.Field(i, 1), list.Field(i, 2));
        state.RegistryVariables.push_back(value.empty() ? list.Field(i, 3) : value);
    }
}

}  // namespace tarnwick
