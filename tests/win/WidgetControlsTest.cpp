// What the controls hold and how they size themselves: rich text loaded from RTF, list view rows,
// progress positions, auto-sized labels and check boxes, edit styles, fonts and colours.

#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include "WidgetTestSupport.h"
#include "driver/Driver.h"
#include "widgets/CheckBox.h"
#include "widgets/Color.h"
#include "widgets/Edit.h"
#include "widgets/Label.h"
#include "widgets/ListView.h"
#include "widgets/ProgressBar.h"
#include "widgets/RichEdit.h"

using namespace tarnwick;
using namespace widget_test;

namespace {

enum ControlId { RichId = 200, ListId, ProgressId, LabelId, CheckId, EditId };

// The size DrawText gives the text in the font, as an unwrapped static control draws it.
SIZE MeasureText(HFONT font, const std::string& text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT rect{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT | DT_LEFT | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {rect.right, rect.bottom};
}

bool BoldAt(const RichEdit& rich, int start, int end) {
    SendMessageA(rich.Handle(), EM_SETSEL, start, end);
    CHARFORMAT2A format{};
    format.cbSize = sizeof format;
    SendMessageA(rich.Handle(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return (format.dwMask & CFM_BOLD) && (format.dwEffects & CFE_BOLD);
}

}  // namespace

TEST(WidgetControls, RichEditLoadsFormattedRtf) {
    Form form;
    CreateShownForm(form, 480, 220);
    RichEdit rich;
    RichEditArgs args;
    args.parent = &form;
    args.id = RichId;
    args.bounds = {10, 10, 452, 178};
    args.background = GetSysColor(COLOR_WINDOW);
    ASSERT_TRUE(rich.Create(args));
    EXPECT_TRUE(GetWindowLongPtrA(rich.Handle(), GWL_STYLE) & ES_READONLY);
    EXPECT_FALSE(GetWindowLongPtrA(rich.Handle(), GWL_STYLE) & WS_TABSTOP);

    const std::string rtf =
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs20 License: \\b bold words\\b0  and plain."
        "\\par Second paragraph\\par}";
    ASSERT_TRUE(rich.LoadRtf(rtf));
    std::string text = rich.Text();
    EXPECT_NE(text.find("License: bold words and plain."), std::string::npos) << text;
    EXPECT_NE(text.find("Second paragraph"), std::string::npos);
    EXPECT_EQ(text.find("\\rtf"), std::string::npos) << "read as RTF, not shown as its source";
    EXPECT_TRUE(BoldAt(rich, 9, 19)) << "\"bold words\" keeps its formatting";
    EXPECT_FALSE(BoldAt(rich, 0, 7));
    // "License: bold words and plain." (30), a paragraph end, "Second paragraph" (16), its end.
    EXPECT_GE(rich.TextLength(), 30 + 1 + 16);
    EXPECT_LE(rich.TextLength(), 30 + 1 + 16 + 2);
    EXPECT_GE(driver::TextLength(rich.Handle()), rich.TextLength());

    // Loading again replaces the contents.
    ASSERT_TRUE(rich.LoadRtf(std::string("{\\rtf1\\ansi Short\\par}")));
    EXPECT_EQ(rich.Text().find("License"), std::string::npos);
    EXPECT_LE(rich.TextLength(), 7);
}

TEST(WidgetControls, ListViewRowsSelectionAndClicks) {
    Form form;
    CreateShownForm(form, 480, 200);
    ListView list;
    ListViewArgs args;
    args.parent = &form;
    args.id = ListId;
    args.bounds = {10, 10, 452, 138};
    ASSERT_TRUE(list.Create(args));
    const std::string longName(600, 'x');
    const std::vector<std::string> rows = {"Accessories", "Games", "Startup", longName};
    for (const std::string& row : rows) list.AddRow(row);

    EXPECT_EQ(list.RowCount(), 4);
    EXPECT_EQ(list.RowText(1), "Games");
    EXPECT_EQ(list.RowText(3), longName) << "texts longer than a first guess of the buffer";
    EXPECT_EQ(list.RowText(9), "");
    EXPECT_EQ(list.SelectedIndex(), -1);
    EXPECT_EQ(driver::ListViewRows(list.Handle()), rows);

    int clicks = 0, keyUps = 0, selections = 0;
    list.onClick = [&] { ++clicks; };
    list.onKeyUp = [&] { ++keyUps; };
    list.onSelectionChange = [&] { ++selections; };
    ASSERT_TRUE(driver::ClickListViewRow(list.Handle(), 1));
    EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }));
    EXPECT_EQ(list.SelectedIndex(), 1);
    EXPECT_EQ(driver::ListViewSelection(list.Handle()), 1);
    EXPECT_EQ(selections, 1);

    ASSERT_TRUE(driver::PressKey(form.Handle(), VK_DOWN));
    EXPECT_TRUE(PumpUntil([&] { return keyUps == 1; }));
    EXPECT_EQ(list.SelectedIndex(), 2) << "the arrow key moved the selection before the key-up";

    list.Select(0);
    EXPECT_EQ(list.SelectedIndex(), 0);
    list.Clear();
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_EQ(list.SelectedIndex(), -1);
}

TEST(WidgetControls, ProgressBarKeepsRangeAndPosition) {
    Form form;
    CreateShownForm(form, 480, 60);
    ProgressBar bar;
    ProgressBarArgs args;
    args.parent = &form;
    args.id = ProgressId;
    args.bounds = {10, 10, 452, 18};
    ASSERT_TRUE(bar.Create(args));
    EXPECT_TRUE(GetWindowLongPtrA(bar.Handle(), GWL_STYLE) & PBS_SMOOTH);

    bar.SetRange(0, 40);
    bar.SetPosition(7);
    EXPECT_EQ(bar.Position(), 7);
    EXPECT_EQ(bar.Minimum(), 0);
    EXPECT_EQ(bar.Maximum(), 40);
    EXPECT_EQ(driver::ProgressPosition(bar.Handle()), 7);
    bar.SetPosition(bar.Position() + 1);
    EXPECT_EQ(bar.Position(), 8);
    bar.SetPosition(55);
    EXPECT_EQ(bar.Position(), 40) << "held within the range";
    PumpFor(30);  // paints through the off-screen buffer without trouble
}

TEST(WidgetControls, AutoSizedLabelsFollowTheirTextAndFont) {
    Form form;
    CreateShownForm(form, 400, 200);
    Label label;
    LabelArgs args;
    args.parent = &form;
    args.id = LabelId;
    args.bounds = {16, 16, 5, 5};
    args.autoSize = true;
    args.text = "Hi";
    ASSERT_TRUE(label.Create(args));

    struct Case {
        const char* text;
        bool bold;
        int lines;
    } cases[] = {
        {"Hi", false, 1},
        {"A much longer line of text", false, 1},
        {"A much longer line of text", true, 1},
        {"First line\r\nSecond, longer line", false, 2},
        {"Tab\tstop", false, 1},
    };
    int plainHeight = 0;
    std::vector<int> widths;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        FontSpec spec;
        spec.weight = c.bold ? FW_BOLD : FW_NORMAL;
        label.SetFont(spec);
        label.SetText(c.text);
        SIZE expected = MeasureText(label.FontHandle(), c.text);
        EXPECT_EQ(label.Width(), expected.cx);
        EXPECT_EQ(label.Height(), expected.cy);
        if (c.lines == 1 && !plainHeight) plainHeight = label.Height();
        EXPECT_EQ(label.Height(), plainHeight * c.lines);
        EXPECT_EQ(label.Left(), 16) << "sizing keeps the position";
        widths.push_back(label.Width());
    }
    EXPECT_GT(widths[1], widths[0]);
    EXPECT_GT(widths[2], widths[1]) << "the bold font is wider";

    label.SetText("");
    EXPECT_EQ(label.Width(), 0);
}

TEST(WidgetControls, AutoSizedCheckBoxLeavesRoomForBoxAndText) {
    Form form;
    CreateShownForm(form, 400, 100);
    CheckBox check;
    CheckBoxArgs args;
    args.parent = &form;
    args.id = CheckId;
    args.bounds = {22, 20, 5, 5};
    args.autoSize = true;
    args.text = "Create a desktop icon";
    ASSERT_TRUE(check.Create(args));
    int textWidth = MeasureText(check.FontHandle(), args.text).cx;
    EXPECT_GE(check.Width(), textWidth + 13 + 4);
    EXPECT_LE(check.Width(), textWidth + 40);
    EXPECT_GE(check.Height(), 13);
    int before = check.Width();
    check.SetText("Create a desktop icon for every user of this computer");
    EXPECT_GT(check.Width(), before);
}

TEST(WidgetControls, EditOptionBitsGiveTheirStyles) {
    const DWORD scroll = ES_AUTOHSCROLL | ES_AUTOVSCROLL;
    struct Case {
        unsigned options;
        DWORD style;
    } cases[] = {
        {0, scroll},
        {EditNoAutoHScroll, ES_AUTOVSCROLL},
        {EditNoAutoHScroll | EditNoAutoVScroll, 0},
        {EditMultiline, scroll | ES_MULTILINE | WS_HSCROLL | WS_VSCROLL},
        {EditMultiline | EditNoAutoHScroll, ES_AUTOVSCROLL | ES_MULTILINE | WS_VSCROLL},
        {EditLowercase, scroll | ES_LOWERCASE},
        {EditNoHideSelection, scroll | ES_NOHIDESEL},
        {EditOemConvert, scroll | ES_OEMCONVERT},
        {EditPassword, scroll | ES_PASSWORD},
        {EditReadOnly, scroll | ES_READONLY},
        {EditUppercase, scroll | ES_UPPERCASE},
        {EditWantReturn, scroll | ES_WANTRETURN},
        {EditWantTab, scroll},
        {EditPassword | EditReadOnly, scroll | ES_PASSWORD | ES_READONLY},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options);
        EXPECT_EQ(EditStyleFromOptions(c.options), c.style);
    }

    // A masked edit still reads back what was typed.
    Form form;
    CreateShownForm(form, 300, 60);
    Edit edit;
    EditArgs args;
    args.parent = &form;
    args.id = EditId;
    args.bounds = {16, 22, 250, 22};
    args.options = EditPassword;
    ASSERT_TRUE(edit.Create(args));
    ASSERT_TRUE(driver::TypeText(edit.Handle(), "secret"));
    EXPECT_EQ(edit.Text(), "secret");
    EXPECT_NE(SendMessageA(edit.Handle(), EM_GETPASSWORDCHAR, 0, 0), 0);
}

TEST(WidgetControls, FontStyleBitsAndColours) {
    struct Case {
        int weight;
        unsigned bits;
        int expectedWeight;
        bool italic, underline, strikeout;
    } cases[] = {
        {FW_NORMAL, 1, FW_BOLD, false, false, false},
        {800, 1, 800, false, false, false},          // already heavier than bold
        {FW_BOLD, 0, FW_NORMAL, false, false, false},  // bold without the bit falls back
        {900, 0, FW_NORMAL, false, false, false},
        {300, 0, 300, false, false, false},
        {FW_NORMAL, 2 | 4 | 8, FW_NORMAL, true, true, true},
        {FW_NORMAL, 15, FW_BOLD, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        FontSpec spec;
        spec.weight = c.weight;
        ApplyStyleBits(spec, c.bits);
        EXPECT_EQ(spec.weight, c.expectedWeight);
        EXPECT_EQ(spec.italic, c.italic);
        EXPECT_EQ(spec.underline, c.underline);
        EXPECT_EQ(spec.strikeout, c.strikeout);
    }

    FontSpec verdana;
    verdana.face = "Verdana";
    verdana.height = 19;
    verdana.weight = FW_BOLD;
    verdana.charset = ANSI_CHARSET;
    Font font(verdana);
    ASSERT_TRUE(font.Handle());
    LOGFONTA log{};
    GetObjectA(font.Handle(), sizeof log, &log);
    EXPECT_STREQ(log.lfFaceName, "Verdana");
    EXPECT_EQ(log.lfHeight, 19);
    EXPECT_EQ(log.lfWeight, FW_BOLD);
    EXPECT_EQ(log.lfCharSet, ANSI_CHARSET);

    EXPECT_EQ(ResolveColor(2147483653u), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(ResolveColor(SystemColor(COLOR_BTNFACE)), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ResolveColor(0x00123456u), 0x00123456u);
    EXPECT_EQ(BrushForColor(RGB(1, 2, 3)), BrushForColor(RGB(1, 2, 3))) << "one brush per colour";
}
