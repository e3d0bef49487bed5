#pragma once
// The wizard's pages: one struct per page panel, holding its controls in creation order. Each is
// built once, hidden, with the positions, sizes, fonts and texts of its page; the wizard then
// applies the setup's settings (ui/win32/Wizard.h) and the page flow shows one page at a time.

#include <string>

#include "package/SetupModel.h"
#include "ui/win32/WizardPictures.h"
#include "widgets/Button.h"
#include "widgets/CheckBox.h"
#include "widgets/Edit.h"
#include "widgets/GroupBox.h"
#include "widgets/ImageBox.h"
#include "widgets/Label.h"
#include "widgets/ListView.h"
#include "widgets/Panel.h"
#include "widgets/ProgressBar.h"
#include "widgets/RadioButton.h"
#include "widgets/RichEdit.h"

namespace tarnwick {

// What the pages are built from.
struct PageBuildContext {
    Window& form;
    const SetupModel& model;
    const WizardPictures& pictures;
};

// Pages 0 and 9, one white panel over the header.
struct WelcomeFinishPage {
    Panel panel;
    Label bigTitle;      // Verdana 19 bold; welcome: message 1, finish: message 6
    Label bodyText;      // welcome: message 2; finish: message 7 or 79, 65 high
    CheckBox launchOption;
    CheckBox readmeOption;
    CheckBox webSiteOption;
    ImageBox sidePicture;
    Panel bottomLine;
    RadioButton restartNow;  // selected from the start
    RadioButton restartLater;
    bool Create(const PageBuildContext& context);
};

struct LicensePage {
    Panel panel;
    Label prompt;
    RichEdit licenseText;  // the RTF of stream kind 15
    bool Create(const PageBuildContext& context);
};

struct PasswordPage {
    Panel panel;
    Label prompt;
    ImageBox icon;  // stream kind 9
    GroupBox group;
    // Exists only once CreatePasswordEdit has made it (a setup with a password).
    Edit passwordEdit;
    bool Create(const PageBuildContext& context);
    // The edit inside the group, styled by the edit option bits (Edit.h) of setting 59.
    bool CreatePasswordEdit(unsigned editOptions);
};

struct InformationPage {
    Panel panel;
    Label prompt;
    RichEdit informationText;  // the RTF of stream kind 16
    bool Create(const PageBuildContext& context);
};

struct DestinationPage {
    Panel panel;
    Label prompt;
    ImageBox icon;  // stream kind 7
    GroupBox group;
    Edit folderEdit;
    Button browseButton;
    bool Create(const PageBuildContext& context);
};

struct StartMenuPage {
    Panel panel;
    Label prompt;
    Edit groupEdit;
    ListView groupList;
    CheckBox noGroupOption;
    bool Create(const PageBuildContext& context);
};

struct ShortcutsPage {
    Panel panel;
    Label prompt;
    CheckBox desktopOption;
    CheckBox startMenuOption;
    CheckBox quickLaunchOption;
    ImageBox icon;  // stream kind 8
    bool Create(const PageBuildContext& context);
};

struct ReadyPage {
    Panel panel;
    Label prompt;
    RichEdit summary;  // written on page entry
    bool Create(const PageBuildContext& context);
};

struct ProgressPage {
    Panel panel;
    Label prompt;
    Label statusLine;
    ProgressBar progressBar;
    bool Create(const PageBuildContext& context);
};

// The uninstaller's one page: confirmation, removal in progress, and completion.
struct UninstallPage {
    Panel panel;
    Label text;         // message 63; message 76 once the removal is done
    Label folderLabel;
    ListView removalList;
    ProgressBar progressBar;
    Edit folderBox;     // read-only: the installation folder recorded in the install log
    CheckBox webPageOption;
    bool Create(const PageBuildContext& context);
};

// The white strip at the top of pages 1 to 8 and of the uninstall page.
struct HeaderArea {
    Panel panel;
    Label title;     // bold
    Label subtitle;
    ImageBox picture;  // gradient and header picture, painted over the panel's colour
    Panel lightEdge;   // the bottom row (y 59), white
    Panel shadowEdge;  // the row above it (y 58), the application workspace colour
    bool Create(const PageBuildContext& context);
};

}  // namespace tarnwick
