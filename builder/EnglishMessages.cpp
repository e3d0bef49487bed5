// The English message table the builder writes when a project brings none of its own.

#include "builder/ScriptWriter.h"

namespace tarnwick {

std::vector<std::string> EnglishMessages(const std::string& application) {
    const std::string& app = application;
    // Message n at [n - 1]. The unused numbers stay empty. Captions carry no "&": the ready
    // summary repeats the shortcut captions as plain text.
    return {
        /*  1 */ "Welcome to the " + app + " Setup Wizard",
        /*  2 */ "This wizard will install " + app + " on your computer.\r\n\r\n"
                 "It is recommended that you close all other applications before continuing.\r\n\r\n"
                 "Click Next to continue, or Cancel to exit Setup.",
        /*  3 */ "Destination Folder",
        /*  4 */ "Setup is now ready to begin installing " + app + " on your computer. Click Install to "
                 "continue, or click Back to review or change any settings.",
        /*  5 */ "Please wait while Setup installs " + app + " on your computer.",
        /*  6 */ "Completing the " + app + " Setup Wizard",
        /*  7 */ "Setup has finished installing " + app + " on your computer.\r\n\r\n"
                 "Click Finish to exit Setup.",
        /*  8 */ "There is not enough free disk space on drive ",
        /*  9 */ "License Agreement",
        /* 10 */ "Please review the license terms before installing " + app + ".",
        /* 11 */ "Choose Install Location",
        /* 12 */ "Choose the folder in which to install " + app + ".",
        /* 13 */ "Choose a Start Menu folder for the " + app + " shortcuts.",
        /* 14 */ "Choose Shortcuts",
        /* 15 */ "Choose which additional shortcuts Setup should create.",
        /* 16 */ "Ready to Install",
        /* 17 */ "Please wait while " + app + " is being installed.",
        /* 18 */ "Press Page Down to see the rest of the agreement. If you accept its terms, click "
                 "I Agree to continue. You must accept the agreement to install " + app + ".",
        /* 19 */ "Select the Start Menu folder in which Setup should create the program's shortcuts. "
                 "You can also enter a name to create a new folder.",
        /* 20 */ "Run " + app,
        /* 21 */ "Show the Readme file",
        /* 22 */ "I Agree",
        /* 23 */ "Next >",
        /* 24 */ "< Back",
        /* 25 */ "Cancel",
        /* 26 */ "Install",
        /* 27 */ "Browse...",
        /* 28 */ "Do not create a Start Menu folder",
        /* 29 */ "Setup will install " + app + " in the following folder. To install in a different "
                 "folder, click Browse and select another folder. Click Next to continue.",
        /* 30 */ "",
        /* 31 */ "Create a desktop shortcut",
        /* 32 */ "Create a Start Menu shortcut",
        /* 33 */ "Create a Quick Launch shortcut",
        /* 34 */ "Information",
        /* 35 */ "Extracting: ",
        /* 36 */ "",
        /* 37 */ "Writing registry entries...",
        /* 38 */ "Creating shortcuts...",
        /* 39 */ "Writing uninstall information...",
        /* 40 */ "Removing temporary files...",
        /* 41 */ "Finish",
        /* 42 */ "Not Enough Disk Space",
        /* 43 */ "Destination folder:",
        /* 44 */ "Start Menu folder:",
        /* 45 */ "Additional shortcuts:",
        /* 46 */ "Are you sure you want to quit " + app + " Setup?",
        /* 47 */ "Setup needs the next disk to continue. Please insert disk ",
        /* 48 */ ": to install " + app + ". Free some space or choose another folder.",
        /* 49 */ "Select the folder in which to install " + app + ":",
        /* 50 */ "Select the additional shortcuts Setup should create, then click Next.",
        /* 51 */ "Extracting files...",
        /* 52 */ app + " cannot be installed on this version of Windows. It requires ",
        /* 53 */ "Password",
        /* 54 */ "This installation is protected by a password.",
        /* 55 */ "Please type the password, then click Next to continue.",
        /* 56 */ "Password",
        /* 57 */ "Running programs...",
        /* 58 */ "Registering: ",
        /* 59 */ "The disk was not inserted, so the installation cannot be completed. Setup will now end.",
        /* 60 */ "Writing configuration files...",
        /* 61 */ "Installing",
        /* 62 */ "Setup is now ready to begin installing " + app + " on your computer.",
        /* 63 */ app + " will be removed from your computer. Click Uninstall to continue.",
        /* 64 */ "Uninstall",
        /* 65 */ "Uninstalling from:",
        /* 66 */ "Restart now",
        /* 67 */ "I want to restart the computer later",
        /* 68 */ "Uninstall " + app,
        /* 69 */ "Remove " + app + " from your computer.",
        /* 70 */ "Uninstallation complete.",
        /* 71 */ "Uninstallation Complete",
        /* 72 */ "Uninstallation was completed successfully.",
        /* 73 */ "Deleted file: ",
        /* 74 */ "",
        /* 75 */ "Removed folder: ",
        /* 76 */ app + " has been removed from your computer. Click Finish to close this wizard.",
        /* 77 */ "",
        /* 78 */ "Unregistered: ",
        /* 79 */ "Setup has finished installing " + app + ". Your computer must be restarted to complete "
                 "the installation. Do you want to restart now?",
        /* 80 */ "",
        /* 81 */ "Tell us why you removed " + app + " (opens our web site)",
        /* 82 */ "Please read the following important information before continuing.",
        /* 83 */ "",
        /* 84 */ "Visit the " + app + " web site",
    };
}

LanguageSpec EnglishLanguage(const std::string& application) {
    return {"English", "1033", EnglishMessages(application)};
}

}  // namespace tarnwick
