// The setup every test and project starts from: a small, ordinary installation that a user could
// click through, so that a test states only the settings it is about.

#include "builder/ScriptWriter.h"

namespace tarnwick {

namespace {

// COLORREF values (0x00BBGGRR) in decimal, as the settings hold them.
const char* const White = "16777215";
const char* const Black = "0";
const char* const Navy = "8388608";       // RGB(0, 0, 128)
const char* const SkyBlue = "16752762";   // RGB(122, 160, 255)

}  // namespace

SetupScriptSpec DefaultSetupScript(const std::string& application) {
    const std::string& app = application;
    SetupScriptSpec spec;
    GeneralSettingArray& s = spec.Settings;

    s[0] = "Tarnwick";                 // builder's mark, covered by the integrity code
    s[1] = "0";                        // no full-screen background
    s[2] = "0";                        // no .NET download location
    s[3] = "1";                        // background: gradient
    s[4] = Navy;
    s[5] = Black;
    s[6] = "0";                        // top to bottom
    s[7] = "1";                        // a background picture would be stretched
    s[8] = app;                        // background texts
    s[9] = "";
    s[10] = "-32";
    s[11] = "Arial";
    s[12] = White;
    s[13] = "0";
    s[14] = "3";                       // bold italic
    s[15] = "0";
    s[16] = White;
    s[17] = "0";
    s[18] = "-16";
    s[19] = "Arial";
    s[21] = "setup@$&%19.bin";         // disk files: setup2.bin, setup3.bin, ...
    s[22] = "0";                       // no additional shortcuts offered
    s[23] = "1048576";                 // bytes needed
    s[27] = "Tarnwick Install System";
    s[28] = "1";                       // builder version, covered by the integrity code
    s[29] = "";                        // no password
    s[30] = "0";                       // no license page
    s[32] = "0";
    s[33] = "0";                       // uninstaller icon offset: set by whoever adds the icon stream
    s[34] = "1";                       // single-block data archive
    s[36] = "0";                       // finish page: no web-site option
    s[37] = "http://www.example.com/";
    s[38] = "1";
    s[39] = "0";                       // no launch option
    s[43] = "@$&%04\\demo.exe";
    s[44] = "1";
    s[46] = "1";
    s[47] = "@$&%04\\readme.txt";
    s[49] = "1";                       // header gradient and picture area
    s[52] = "0";                       // no restart
    s[53] = app;                       // appended to a folder chosen with Browse
    s[55] = app;                       // uninstall key name
    s[56] = "1";                       // write uninstaller, install log and registration
    s[58] = "@$&%01\\" + app;          // Program Files\Demo Application
    s[59] = "64";                      // password edit masks its input
    s[60] = SkyBlue;                   // header gradient start
    s[61] = "255";                     // every Windows allowed
    s[62] = "Windows 95 or later.";
    s[63] = "0";                       // no side picture on the welcome and finish pages
    s[64] = "0";
    s[65] = app + " Setup";
    s[68] = "0";
    s[69] = "171";                     // header title and subtitle beside the header picture
    s[70] = White;
    s[71] = "0";
    s[72] = "8";
    s[73] = "178";
    s[74] = "http://www.example.com/uninstalled";
    s[75] = app + " Uninstall";
    s[76] = "0";                       // folder may be changed
    s[77] = "0";
    s[78] = "26";
    s[79] = "0";                       // no readme option
    s[80] = "0";
    s[81] = "0";
    s[82] = "0";
    s[83] = "0";
    s[84] = "0";                       // no information page
    s[85] = "1";
    s[86] = "1";                       // a start-menu group is created
    s[88] = "1";                       // shortcut options, shown once setting 22 is on
    s[89] = "1";
    s[90] = "1";
    s[91] = "@$&%04\\uninstall.exe";
    s[92] = "@$&%04\\uninstall.log";
    s[93] = "0";
    s[95] = "0";
    s[97] = app + " Uninstall";
    s[99] = "0";                       // no administrator rights needed
    s[100] = "0";                      // no .NET Framework needed
    s[102] = app + " needs the Microsoft .NET Framework.";
    s[103] = "0";                      // no running instances closed
    s[104] = app;
    s[105] = "1";
    s[106] = app;                      // start-menu group
    s[108] = "1";
    s[109] = "0";
    s[110] = "0";                      // not silent
    s[111] = "1";                      // pages: welcome, destination, start menu, ready, finish
    s[112] = "1";
    s[113] = "1";
    s[114] = "1";                      // shortcuts page, once setting 22 is on
    s[115] = "1";
    s[116] = "1";

    spec.Languages.push_back(EnglishLanguage(app));
    return spec;
}

}  // namespace tarnwick
