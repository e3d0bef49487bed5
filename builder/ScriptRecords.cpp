#include "builder/ScriptRecords.h"

namespace tarnwick {

template <>
const std::vector<RecordField<RegistryVariableRecord>>& RecordFields<RegistryVariableRecord>() {
    using R = RegistryVariableRecord;
    static const std::vector<RecordField<R>> fields = {
        {"root", &R::Root}, {"key", &R::Key}, {"valueName", &R::ValueName}, {"default", &R::Default}};
    return fields;
}

template <>
const std::vector<RecordField<RegistryEntryRecord>>& RecordFields<RegistryEntryRecord>() {
    using R = RegistryEntryRecord;
    static const std::vector<RecordField<R>> fields = {
        {"root", &R::Root}, {"key", &R::Key}, {"valueName", &R::ValueName}, {"data", &R::Data},
        {"type", &R::Type}, {"overwrite", &R::Overwrite}, {"removeAtUninstall", &R::RemoveAtUninstall}};
    return fields;
}

template <>
const std::vector<RecordField<UninstallRegistryRecord>>& RecordFields<UninstallRegistryRecord>() {
    using R = UninstallRegistryRecord;
    static const std::vector<RecordField<R>> fields = {
        {"root", &R::Root}, {"key", &R::Key}, {"valueName", &R::ValueName}};
    return fields;
}

template <>
const std::vector<RecordField<FontRecord>>& RecordFields<FontRecord>() {
    using R = FontRecord;
    static const std::vector<RecordField<R>> fields = {{"name", &R::Name}, {"file", &R::File}};
    return fields;
}

template <>
const std::vector<RecordField<ShortcutRecord>>& RecordFields<ShortcutRecord>() {
    using R = ShortcutRecord;
    static const std::vector<RecordField<R>> fields = {
        {"location", &R::Location}, {"name", &R::Name}, {"target", &R::Target},
        {"arguments", &R::Arguments}, {"description", &R::Description}, {"iconFile", &R::IconFile},
        {"iconIndex", &R::IconIndex}, {"workingFolder", &R::WorkingFolder}};
    return fields;
}

template <>
const std::vector<RecordField<FileRecord>>& RecordFields<FileRecord>() {
    using R = FileRecord;
    static const std::vector<RecordField<R>> fields = {
        {"destination", &R::Destination}, {"overwrite", &R::Overwrite}, {"fileTime", &R::FileTime},
        {"logged", &R::Logged}};
    return fields;
}

template <>
const std::vector<RecordField<RunProgramRecord>>& RecordFields<RunProgramRecord>() {
    using R = RunProgramRecord;
    static const std::vector<RecordField<R>> fields = {
        {"unused", &R::Unused}, {"file", &R::File}, {"parameters", &R::Parameters},
        {"showCommand", &R::ShowCommand}, {"when", &R::When}, {"wait", &R::Wait}};
    return fields;
}

template <>
const std::vector<RecordField<IniEntryRecord>>& RecordFields<IniEntryRecord>() {
    using R = IniEntryRecord;
    static const std::vector<RecordField<R>> fields = {
        {"file", &R::File}, {"section", &R::Section}, {"key", &R::Key}, {"value", &R::Value},
        {"overwrite", &R::Overwrite}, {"removeAtUninstall", &R::RemoveAtUninstall}};
    return fields;
}

template <>
const std::vector<RecordField<UninstallFileRecord>>& RecordFields<UninstallFileRecord>() {
    using R = UninstallFileRecord;
    static const std::vector<RecordField<R>> fields = {{"mode", &R::Mode}, {"path", &R::Path}};
    return fields;
}

template <>
const std::vector<RecordField<ComServerRecord>>& RecordFields<ComServerRecord>() {
    using R = ComServerRecord;
    static const std::vector<RecordField<R>> fields = {
        {"file", &R::File}, {"unregisterAtUninstall", &R::UnregisterAtUninstall}};
    return fields;
}

}  // namespace tarnwick
