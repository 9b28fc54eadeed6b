#include <gtest/gtest.h>

#include "fake/fake_platform.h"
#include "picture.h"
#include "settings/settings_window.h"

namespace gv {
namespace {

using fake::Program;

const std::string kDefaultFile =
    "yyyy/mm/dd hh:mm aaa\r\n1.0\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"
    " 0 \r\n 0 \r\n";

using test::SettingsFile;

class Scenario : public ::testing::Test {
  protected:
    void StartWith(const std::string& file) {
        p.fake.files.entries[p.fake.files.SettingsPath()].bytes = file;
        p.form.Form_Load();
    }
    std::string& FileBytes() { return p.fake.files.entries[p.fake.files.SettingsPath()].bytes; }
    std::string Tooltip() {
        return p.fake.shell.icon ? p.fake.codePage.FromAnsi(p.fake.shell.icon->Tip()) : "(none)";
    }

    Program p;
};

TEST_F(Scenario, FirstRunShowsTheWindowAtTheCornerOnTop) {
    p.form.Form_Load();
    const auto& w = p.fake.window;
    EXPECT_TRUE(w.visible);
    EXPECT_TRUE(w.topmost);
    EXPECT_FALSE(p.fake.shell.icon);
    EXPECT_EQ(w.left, 1024 * 15 - w.width);
    EXPECT_EQ(w.top, 740 * 15 - w.height);
    EXPECT_EQ(w.Of(ComboId::Top).items,
              (std::vector<std::string>{"アナログ", "デジタル [12]", "デジタル [24]", "月日 [ 1 1]",
                                        "月日 [0101]", "西暦"}));
    EXPECT_EQ(w.Of(ComboId::Bottom).items,
              (std::vector<std::string>{"なし", "デジタル [12]", "デジタル [24]", "月日 [ 1 1]",
                                        "月日 [0101]", "西暦"}));
    EXPECT_EQ(w.Of(ComboId::Top).selected, 0);
    EXPECT_EQ(w.Of(ComboId::Bottom).selected, 0);
    EXPECT_FALSE(w.Of(ComboId::Bottom).enabled);
    EXPECT_EQ(w.interval, "1.0");
    EXPECT_EQ(w.swatches, (std::array<Colour, 8>{}));
    // Black hands and ticks on the button face, in the preview and in the only image.
    int black = 0;
    for (Colour c : w.preview) {
        EXPECT_TRUE(c == kBlack || c == kButtonFace);
        black += c == kBlack;
    }
    EXPECT_GT(black, 12);
    ASSERT_EQ(p.fake.images.images.size(), 1u);
    EXPECT_EQ(p.fake.images.images[0], w.preview);

    p.form.Form_QueryUnload();  // closing at once writes the default file
    EXPECT_EQ(FileBytes(), kDefaultFile);
}

TEST_F(Scenario, StartWithAFileGoesStraightToTheTray) {
    StartWith(kDefaultFile);
    EXPECT_FALSE(p.fake.window.visible);
    ASSERT_TRUE(p.fake.shell.icon);
    EXPECT_EQ(p.fake.shell.icon->callback, kWmMouseMove);
    EXPECT_EQ(Tooltip(), "");
    EXPECT_EQ(p.Run(1000), 0);  // "1.0": the first refresh comes on the second tick
    EXPECT_EQ(Tooltip(), "");
    EXPECT_EQ(p.Run(1000), 1);
    EXPECT_EQ(Tooltip(), "2002/03/02 15:07 土");
}

TEST_F(Scenario, AHiddenFileIsReadButIsNoSettingsFile) {
    p.fake.files.entries[p.fake.files.SettingsPath()] = {SettingsFile("2.5", 0, 0), false, true};
    p.form.Form_Load();
    EXPECT_EQ(p.fake.window.interval, "2.5");
    EXPECT_TRUE(p.fake.window.visible);
    EXPECT_FALSE(p.fake.shell.icon);
}

TEST_F(Scenario, EitherButtonsReleaseBringsTheWindowBackFromTheTray) {
    StartWith(kDefaultFile);
    p.Click(kWmLButtonUp);
    EXPECT_TRUE(p.fake.window.visible);
    EXPECT_TRUE(p.fake.window.topmost);
    EXPECT_FALSE(p.fake.shell.icon);

    p.form.Command1_Click();  // "1.0": back to the tray
    EXPECT_FALSE(p.fake.window.visible);
    p.Click(kWmRButtonUp);
    EXPECT_TRUE(p.fake.window.visible);
    EXPECT_FALSE(p.fake.shell.icon);
}

TEST_F(Scenario, ApplyChecksTheInterval) {
    struct Case {
        const char* text;
        bool accepted;
        std::int32_t interval;
    } cases[] = {
        {"0.001", true, 1},  {"1.0", true, 1000},  {" 2 ", true, 1000},  {"1e-3", true, 1},
        {"2秒", true, 1000}, {"0.0009", false, 0}, {"0", false, 0},      {"-5", false, 0},
        {"", false, 0},      {"abc", false, 0},    {"9e99", true, 1000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Program program;
        program.form.Form_Load();
        program.fake.timer.interval = 777;
        program.fake.window.interval = c.text;
        program.form.Command1_Click();
        EXPECT_EQ(program.fake.window.visible, !c.accepted);
        EXPECT_EQ(program.fake.shell.icon.has_value(), c.accepted);
        EXPECT_EQ(program.fake.window.interval, c.text);
        if (c.accepted) {
            EXPECT_TRUE(program.fake.window.messages.empty());
            EXPECT_EQ(program.fake.timer.interval, c.interval);
            EXPECT_EQ(program.fake.shell.icon->Tip(), "");
        } else {
            EXPECT_EQ(program.fake.window.messages,
                      (std::vector<std::string>{"更新時間を 0.001 以上に設定して下さい"}));
            EXPECT_EQ(program.fake.timer.interval, 777);
        }
    }
}

TEST_F(Scenario, ApplyingTheSameIntervalRestartsTheCount) {
    StartWith(SettingsFile("3", 2, 0));
    p.Run(3000);  // three of the four ticks of a cycle
    p.Click(kWmLButtonUp);
    p.form.Command1_Click();
    EXPECT_EQ(p.Run(3000), 0);
    EXPECT_EQ(p.Run(1000), 1);
}

TEST_F(Scenario, SwatchTakesTheDialogsColourEvenOnCancel) {
    StartWith(SettingsFile("1.0", 0, 0));
    auto& w = p.fake.window;
    w.dialogAnswers = {std::nullopt, 0xFF0000, std::nullopt};
    p.form.Lb1_Click(3);  // cancelled before any confirmation: black, not the slot's colour
    EXPECT_EQ(p.form.State().Clr[3], 0);
    EXPECT_EQ(w.swatches[3], 0);
    p.form.Lb1_Click(2);  // blue confirmed
    EXPECT_EQ(p.form.State().Clr[2], 0xFF0000);
    EXPECT_EQ(w.swatches[2], 0xFF0000);
    p.form.Lb1_Click(6);  // cancelled: the last confirmed colour
    EXPECT_EQ(p.form.State().Clr[6], 0xFF0000);
    EXPECT_EQ(w.swatches[6], 0xFF0000);
    const ClockState before = p.form.State();
    p.form.Lb1_Click(8);  // no such swatch: nothing
    EXPECT_EQ(p.form.State().Clr, before.Clr);
}

TEST_F(Scenario, ARefreshDuringTheColourDialogUsesTheOldColour) {
    StartWith(SettingsFile("0.5", 5, 0, {}));
    p.Click(kWmLButtonUp);
    p.fake.window.dialogAnswers = {0x00FF00};
    p.fake.window.whileDialogOpen = [this] { p.Run(500); };
    p.form.Lb1_Click(0);
    const Pixels during = p.fake.window.preview;
    EXPECT_EQ(during[4 * 16 + 0], kBlack);  // the year's first digit, in the old colour
    p.Run(500);
    EXPECT_EQ(p.fake.window.preview[4 * 16 + 0], 0x00FF00);
}

TEST_F(Scenario, ListsKeepTheAnalogRule) {
    p.form.Form_Load();
    auto& w = p.fake.window;
    w.SelectComboIndex(ComboId::Top, 2);
    p.form.Combo1_Click();
    w.SelectComboIndex(ComboId::Bottom, 5);
    p.form.Combo2_Click();
    EXPECT_EQ(p.form.State().Hyo2, 5);
    w.SelectComboIndex(ComboId::Top, 0);  // analog: the bottom list jumps to none and greys
    p.form.Combo1_Click();
    EXPECT_EQ(p.form.State().Hyo1, 0);
    EXPECT_EQ(p.form.State().Hyo2, 0);
    EXPECT_EQ(w.Of(ComboId::Bottom).selected, 0);
    EXPECT_FALSE(w.Of(ComboId::Bottom).enabled);
    w.SelectComboIndex(ComboId::Top, 2);
    p.form.Combo1_Click();
    EXPECT_TRUE(w.Of(ComboId::Bottom).enabled);
    EXPECT_EQ(w.Of(ComboId::Bottom).selected, 0);
}

TEST_F(Scenario, ModesFromTheFileFirstAsReadThenAsTheListsSelectThem) {
    const std::string analog =
        test::Picture(test::Started(SettingsFile("0.5", 0, 0))->fake.window.preview);
    const std::string none = test::Expected({});
    // 15:07 on 2 March.
    auto time = [](int row) {
        return test::Expected(
            {{1, 0, row, 'a'}, {5, 4, row, 'b'}, {0, 9, row, 'c'}, {7, 13, row, 'd'}});
    };
    const std::string day = test::Expected({{3, 4, 9, 'f'}, {2, 13, 9, 'h'}});
    struct Case {
        int top, bottom;
        std::string first, later;  // the face of start-up's refresh, and of the next one
        std::int16_t hyo1, hyo2;   // as the lists left them
        bool bottomEnabled;
    } cases[] = {
        // -1 selects no item and draws no row, now and later.
        {2, -1, time(0), time(0), 2, -1, true},
        {-1, 3, day, day, -1, 3, true},
        {-1, -1, none, none, -1, -1, true},
        // Other modes outside the lists fall back to the first item.
        {9, -1, none, analog, 0, 0, false},
        {2, 7, time(0), time(4), 2, 0, true},
        // An analog top row takes no bottom row, but the first face draws both (digits at row 0).
        {0, 3, test::Expected({{3, 4, 0, 'f'}, {2, 13, 0, 'h'}}, analog), analog, 0, 0, false},
        {0, -1, analog, analog, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.top << ", " << c.bottom);
        const auto started = test::Started(SettingsFile("0.5", c.top, c.bottom));
        Program& program = *started;
        EXPECT_EQ(test::Picture(program.fake.images.images[0]), c.first);
        const auto& w = program.fake.window;
        EXPECT_EQ(w.Of(ComboId::Top).selected, c.hyo1);
        EXPECT_EQ(w.Of(ComboId::Bottom).selected, c.hyo2);
        EXPECT_EQ(w.Of(ComboId::Bottom).enabled, c.bottomEnabled);
        program.Run(500);
        EXPECT_EQ(test::Picture(program.fake.shell.icon->picture), c.later);
        program.form.Form_QueryUnload();
        // What the lists hold is what is saved.
        EXPECT_EQ(program.fake.files.entries[program.fake.files.SettingsPath()].bytes,
                  SettingsFile("0.5", c.hyo1, c.hyo2));
    }
}

TEST_F(Scenario, TheTrayIconIsTransparentWhereTheFaceHasTheButtonFace) {
    auto clr = test::SlotColours();
    clr[1] = kButtonFace;  // the hour's units digit, the "5" of 15:07, vanishes as well
    StartWith(SettingsFile("0.5", 2, 0, clr));
    p.Run(500);
    ASSERT_TRUE(p.fake.shell.icon);
    std::string opaque;
    for (int i = 0; i < 256; ++i) {
        opaque += p.fake.shell.icon->transparent[static_cast<std::size_t>(i)] ? '.' : '#';
        if (i % 16 == 15) opaque += '\n';
    }
    EXPECT_EQ(opaque, test::Expected({{1, 0, 4, '#'}, {0, 9, 4, '#'}, {7, 13, 4, '#'}}));
}

TEST_F(Scenario, ClosingRemovesTheTrayIcon) {
    StartWith(kDefaultFile);
    p.form.Form_QueryUnload();
    p.form.Form_Unload();
    EXPECT_FALSE(p.fake.shell.icon);
}

TEST_F(Scenario, CloseSavesWhatTheBoxHoldsAppliedOrNot) {
    StartWith(SettingsFile("1.0", 2, 4));
    p.Click(kWmLButtonUp);
    p.fake.window.interval = "7.5";  // typed, never applied
    p.form.Form_QueryUnload();
    EXPECT_NE(FileBytes().find("\r\n7.5\r\n 2 \r\n 4 \r\n"), std::string::npos);
    Program next;
    next.fake.files.entries[next.fake.files.SettingsPath()].bytes = FileBytes();
    next.form.Form_Load();
    EXPECT_EQ(next.fake.timer.interval, 1000);
    EXPECT_EQ(next.form.State().TmrSkip, 8);
}

TEST_F(Scenario, TheIconComesBackWhenTheTaskbarIsRecreated) {
    StartWith(kDefaultFile);
    p.fake.shell.icon.reset();  // the shell restarted and forgot it
    p.form.TaskbarCreated();
    ASSERT_TRUE(p.fake.shell.icon);
    EXPECT_EQ(p.fake.shell.icon->callback, kWmMouseMove);
    p.Click(kWmLButtonUp);
    EXPECT_TRUE(p.fake.window.visible);
}

TEST_F(Scenario, ANewTaskbarThatKeptTheIconGetsTheNewPictureAndNoSecondIcon) {
    StartWith(kDefaultFile);
    p.Run(3000);
    const std::string tip = p.fake.shell.icon->Tip();
    ASSERT_FALSE(tip.empty());
    p.fake.shell.sent.clear();
    Pixels larger{};  // what the list now makes at the tray's new size
    larger.fill(0x123456);
    p.fake.images.Clear();
    p.fake.images.Add(larger);
    p.form.TaskbarCreated();
    ASSERT_EQ(p.fake.shell.sent.size(), 1u);
    EXPECT_EQ(p.fake.shell.sent[0].message, kNimModify);
    ASSERT_TRUE(p.fake.shell.icon);
    EXPECT_EQ(p.fake.shell.icon->picture, larger);
    EXPECT_EQ(p.fake.shell.icon->Tip(), tip);  // the tooltip stays until the next refresh
    EXPECT_EQ(p.fake.shell.icon->callback, kWmMouseMove);
}

}  // namespace
}  // namespace gv
