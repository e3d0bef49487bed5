#include "engine/HeadlessWizard.h"

#include <algorithm>

#include "package/SetupModel.h"

namespace tarnwick {

HeadlessWizard::HeadlessWizard(const SetupModel& model)
    : Group(model.SettingText(106)),
      Launch(model.SettingFlag(44)),
      Readme(model.SettingFlag(46)),
      WebSite(model.SettingFlag(38)) {}

int ClampProgressPosition(int position, int maximum) {
    return std::max(0, std::min(position, maximum));
}

void HeadlessWizard::SetStatus(const std::string& text) {
    StatusText = text;
    StatusHistory.push_back(text);
}

void HeadlessWizard::SetProgressMaximum(int maximum) {
    Maximum = maximum;
    Position = ClampProgressPosition(Position, Maximum);
}

void HeadlessWizard::SetProgressPosition(int position) { Position = ClampProgressPosition(position, Maximum); }

void HeadlessWizard::AdvanceProgress() {
    ++Steps;
    SetProgressPosition(Position + 1);
}

int HeadlessWizard::ShowMessageBox(const std::string& text, const std::string& caption, unsigned style) {
    MessageBoxes.push_back({text, caption, style});
    if (MessageBoxes.size() <= Answers.size()) return Answers[MessageBoxes.size() - 1];
    return (style & 0xF) == message_box::YesNo ? message_box::AnswerYes : message_box::AnswerOk;
}

void HeadlessWizard::SetUninstallProgressMaximum(int maximum) {
    UninstallMaximum = maximum;
    UninstallPosition = ClampProgressPosition(UninstallPosition, UninstallMaximum);
}

void HeadlessWizard::SetUninstallProgressPosition(int position) {
    UninstallPosition = ClampProgressPosition(position, UninstallMaximum);
}

void HeadlessWizard::StepUninstallProgress() {
    ++UninstallSteps;
    SetUninstallProgressPosition(UninstallPosition + 1);
}

}  // namespace tarnwick
