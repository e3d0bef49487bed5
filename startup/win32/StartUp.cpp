#include "startup/win32/StartUp.h"

#include <windows.h>
#include <shellapi.h>

#include "engine/win32/Registry.h"
#include "engine/win32/TokenValues.h"
#include "package/win32/Package.h"
#include "package/win32/TempFolder.h"
#include "startup/StartUpRules.h"
#include "startup/win32/ProgramArguments.h"
#include "ui/win32/SelectLang.h"
#include "uninstall/win32/InstallLog.h"
#include "uninstall/win32/PrerequisiteChecks.h"

namespace tarnwick {

namespace {

constexpr int LocalMachineRoot = 2;

bool IsFile(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int ShowRefusal(ProgramRun& run, const std::string& text, const std::string& caption, UINT buttons) {
    return MessageBoxA(run.Application.Handle(), text.c_str(), caption.c_str(), MB_ICONWARNING | buttons);
}

// The checks of a setup, in their order; each refusal ends the run.
void RefuseUnsuitableMachine(ProgramRun& run) {
    const SetupModel& model = run.Model;
    const RunState& state = run.State;
    if (!IsWindowsClassAllowed(AllowedWindowsMask(model))) {
        // The caption is the setting as stored: its tokens are not expanded here.
        if (!state.SilentRun) ShowRefusal(run, UnsupportedWindowsText(model), model.SettingText(SetupTitleSetting), MB_OK);
        StopStartUp(ExitRefused);
    }
    // A silent run still tells why it refuses: the reason lies with the user, not the machine.
    if (model.SettingFlag(RequireAdministratorSetting) && !IsUserAdministrator()) {
        ShowRefusal(run, AdministratorRefusalText, run.Application.Text(), MB_OK);
        StopStartUp(ExitRefused);
    }
    // Read only when asked for: looking opens (and may create) the policy key.
    if (model.SettingFlag(DotNetVersionSetting) && DotNetRefused(model, InstalledDotNetVersion())) {
        const bool offerDownload = model.SettingFlag(DotNetDownloadSetting);
        int answer = ShowRefusal(run, model.SettingText(DotNetRefusalTextSetting), run.Application.Text(),
                                 offerDownload ? MB_YESNO : MB_OK);
        if (offerDownload && answer == IDYES) {
            ShellExecuteA(nullptr, nullptr, model.SettingText(DotNetDownloadSetting).c_str(), nullptr, nullptr,
                          SW_SHOWNORMAL);
        }
        StopStartUp(ExitRefused);
    }
}

void ChooseSetupLanguage(ProgramRun& run) {
    int index = 0;
    switch (ChooseLanguageSource(run.Model, run.State)) {
    case LanguageSource::Single:
        break;
    case LanguageSource::CommandLine:
        index = run.State.LanguageIndex;
        break;
    case LanguageSource::Dialog: {
        LanguageDialog dialog;
        dialog.Create(run.Application, run.Model, GetUserDefaultLangID());
        run.Main.Hide();
        dialog.Run(run.State);
        if (!run.State.LanguageConfirmed) StopStartUp(ExitCancelled);
        index = run.State.LanguageIndex;
        break;
    }
    }
    ApplyLanguage(index, run.Model, run.State);
}

void StartSetup(ProgramRun& run) {
    RefuseUnsuitableMachine(run);
    if (run.Model.SettingFlag(SetupCloseInstancesSetting)) {
        CloseRunningInstances(run.Application.Handle(), run.Main.Handle(), run.Model, run.State);
    }
    ChooseSetupLanguage(run);
    run.Main.ConfigureBackground();
}

// Only the relaunched copy gets here; it works from the temporary folder.
void StartUninstaller(ProgramRun& run) {
    RunState& state = run.State;
    SetCurrentDirectoryA(UserTempPath().c_str());
    // Nothing to remove without the log; the run's temporary files are left for the next run.
    if (!IsFile(state.LogCopyPath)) ExitProcess(ExitNoInstallLog);
    ReadLogStateValues(state.LogCopyPath, state.LogStateValues);
    ApplyLanguage(LanguageFromLog(state.LogStateValues[2], run.Model), run.Model, state);
    if (run.Model.SettingFlag(UninstallerCloseInstancesSetting)) {
        CloseRunningInstances(run.Application.Handle(), run.Main.Handle(), run.Model, state);
    }
}

}  // namespace

void StopStartUp(ExitCode code) {
    CleanupTempFolder();
    ExitProcess(code);
}

void StartUp(ProgramRun& run) {
    SetupModel& model = run.Model;
    RunState& state = run.State;
    if (IsBuilderTestRun(run.Command)) {
        WinExec(BuilderProgramPath, SW_SHOWNORMAL);
        ExitProcess(ExitNormal);
    }

    CreateTempFolder();
    if (LoadPackageFile(run.ProgramFile, run.Package) != PackageLoadResult::Loaded) FailCorrupted();
    state.IsInstaller = run.Package.IsInstaller;
    Stream& script = run.Package.SetupScript;
    ParseGeneralSettings(script, model);
    ParseRegistryVariableList(script, model);
    EvaluateRegistryVariables(model, state);
    state.WindowsClass = WindowsClass();

    if (!state.IsInstaller) {
        state.LogCopyPath = TempFileName(LogCopyFileNumber);
        if (!IsRelaunchedUninstaller(run.Command)) RelaunchUninstaller(run);
    }

    state.SilentRun = model.SettingFlag(SilentSetting);
    ParseOptions(run.Command, model, state);

    const std::string title = ExpandPathTokens(ApplicationTitleSetting(model, state.IsInstaller), state);
    run.Application.SetText(title);
    run.Main.SetCaption(title);
    if (state.SilentRun) {
        run.Application.Hide();
    } else {
        ShowWindow(run.Application.Handle(), SW_SHOW);
    }

    // Until a language is chosen the messages are the first language's.
    ParseRecordLists(script, model);
    if (!state.SelectedLanguageName.empty()) MatchLanguageOption(model, state);

    if (state.IsInstaller) {
        StartSetup(run);
    } else {
        StartUninstaller(run);
    }
}

void RelaunchUninstaller(ProgramRun& run) {
    const SetupModel& model = run.Model;
    const std::string tempPath = UserTempPath();
    const std::string copyPath =
        UninstallerCopyPath(tempPath, ExpandPathTokens(model.SettingText(UninstallerPathSetting), run.State));
    CopyFileA(run.ProgramFile.c_str(), copyPath.c_str(), FALSE);
    const std::string logPath = ReadRegistryString(LocalMachineRoot, UninstallKeyPath(model), "LogFileName");
    CopyFileA(logPath.c_str(), run.State.LogCopyPath.c_str(), FALSE);
    // Failures are not reported: a copy without its log ends by itself, silently.
    const std::string parameters = RelaunchParameters(run.Command);
    ShellExecuteA(nullptr, nullptr, copyPath.c_str(), parameters.c_str(), tempPath.c_str(), SW_SHOWNORMAL);
    // No cleanup: the copy works with the same temporary folder.
    ExitProcess(ExitNormal);
}

}  // namespace tarnwick
