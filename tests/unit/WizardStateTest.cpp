// The wizard's portable state: where the run stands in its page sequence, the installation folder
// of a folder text, and the wizard without windows that engine tests run against.

#include <gtest/gtest.h>

#include "engine/HeadlessWizard.h"
#include "package/SetupModel.h"
#include "ui/WizardState.h"

using namespace tarnwick;

TEST(WizardState, PageIdsAroundThePosition) {
    RunState state;
    EXPECT_EQ(CurrentPageId(state), NoPageId) << "no sequence yet";
    state.PageSequence = {0, 4, 8, 10};
    struct Case {
        int position;
        int current, next, afterNext;
    } cases[] = {{0, 0, 4, 8}, {2, 8, 10, NoPageId}, {3, 10, NoPageId, NoPageId}, {4, NoPageId, NoPageId, NoPageId},
                 {-1, NoPageId, 0, 4}};
    for (const Case& c : cases) {
        state.PagePosition = c.position;
        EXPECT_EQ(CurrentPageId(state), c.current) << c.position;
        EXPECT_EQ(PageAt(state, c.position + 1), c.next) << c.position;
        EXPECT_EQ(PageAt(state, c.position + 2), c.afterNext) << c.position;
    }
    for (int id = 0; id < PageIdCount; ++id) EXPECT_EQ(PageShowsChrome(id), id >= 1 && id <= 8) << id;
}

TEST(WizardState, InstallFolderEndsInOneBackslash) {
    struct Case {
        const char* text;
        const char* folder;
    } cases[] = {{"C:\\Program Files\\App", "C:\\Program Files\\App\\"}, {"C:\\", "C:\\"}, {"", "\\"},
                 {"D:\\Apps\\\\", "D:\\Apps\\\\"}, {"relative", "relative\\"}};
    for (const Case& c : cases) EXPECT_EQ(InstallFolderFromText(c.text), c.folder) << c.text;
}

TEST(HeadlessWizard, RecordsWhatTheEnginesWriteAndKeepsProgressInRange) {
    HeadlessWizard wizard;
    WizardInterface& engine = wizard;
    engine.SetStatus("Extracting files...");
    engine.SetStatus("Extracting: a.txt");
    EXPECT_EQ(engine.Status(), "Extracting: a.txt");
    EXPECT_EQ(wizard.StatusHistory, (std::vector<std::string>{"Extracting files...", "Extracting: a.txt"}));

    engine.SetProgressMaximum(3);
    for (int i = 0; i < 5; ++i) engine.AdvanceProgress();
    EXPECT_EQ(engine.ProgressPosition(), 3) << "a progress bar stops at its maximum";
    EXPECT_EQ(wizard.Steps, 5) << "every step is counted";
    engine.SetProgressMaximum(2);
    EXPECT_EQ(engine.ProgressPosition(), 2);
    engine.SetProgressPosition(-4);
    EXPECT_EQ(engine.ProgressPosition(), 0);

    engine.SetUninstallProgressMaximum(2);
    engine.StepUninstallProgress();
    engine.AddRemovalLine("Deleted file: C:\\App\\a.txt");
    engine.ShowUninstallCompleted();
    EXPECT_EQ(engine.UninstallProgressPosition(), 1);
    EXPECT_EQ(wizard.RemovalLines, std::vector<std::string>{"Deleted file: C:\\App\\a.txt"});
    EXPECT_TRUE(wizard.UninstallCompleted);
}

TEST(HeadlessWizard, AnswersMessageBoxesInTurnThenAgrees) {
    HeadlessWizard wizard;
    wizard.Answers = {message_box::AnswerCancel};
    EXPECT_EQ(wizard.ShowMessageBox("Insert disk 2", "Setup", message_box::OkCancel | message_box::IconWarning),
              message_box::AnswerCancel);
    EXPECT_EQ(wizard.ShowMessageBox("Insert disk 3", "Setup", message_box::OkCancel), message_box::AnswerOk);
    EXPECT_EQ(wizard.ShowMessageBox("Quit?", "Setup", message_box::YesNo | message_box::IconWarning),
              message_box::AnswerYes);
    ASSERT_EQ(wizard.MessageBoxes.size(), 3u);
    EXPECT_EQ(wizard.MessageBoxes[0].Text, "Insert disk 2");
    EXPECT_EQ(wizard.MessageBoxes[0].Style, message_box::OkCancel | message_box::IconWarning);
}

TEST(HeadlessWizard, StartsWithTheChoicesOfTheSetup) {
    SetupModel model;
    model.SetSetting(106, "Maker\\App");
    model.SetSetting(44, "1");
    model.SetSetting(46, "0");
    model.SetSetting(38, "1");
    HeadlessWizard wizard(model);
    EXPECT_EQ(wizard.StartMenuGroup(), "Maker\\App");
    EXPECT_TRUE(wizard.LaunchChosen());
    EXPECT_FALSE(wizard.ReadmeChosen());
    EXPECT_TRUE(wizard.WebSiteChosen());
    EXPECT_TRUE(wizard.RestartNowChosen());
    EXPECT_FALSE(wizard.NoStartMenuGroup());
    EXPECT_TRUE(wizard.DesktopShortcutChosen() && wizard.StartMenuShortcutChosen() &&
                wizard.QuickLaunchShortcutChosen());
    EXPECT_TRUE(wizard.UninstallWebPageChosen());
}
