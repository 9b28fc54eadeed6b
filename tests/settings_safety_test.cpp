// The user's settings are never lost, and a save that fails is said.
#include <gtest/gtest.h>

#include "features/settings_file.h"
#include "picture.h"

namespace gv {
namespace {

using test::SettingsFile;

TEST(SettingsSafety, LockedFilesAndFailedSaves) {
    const std::string theirs = SettingsFile("2.5", 5, 3);
    auto said = [](Unsaved why) {
        return SaveFailedMessage("C:\\Tools\\Gorvandel\\Gorvandel.ini", why);
    };
    // Failing reads and writes (-1: for good); closed by the session's end; the interval run
    // with; what is said; the waits to read (twice, to see it holds still) and to write.
    const struct {
        int unreadable, failWrites;
        bool sessionEnding;
        std::string interval;
        std::vector<std::string> messages;
        long long readWait, writeWait;
        bool readOnly = false;
    } cases[] = {
        {0, 0, false, "2.5", {}, 250, 0},
        {49, 0, false, "2.5", {}, 4900, 0},  // locked for a moment at start
        {-1, 0, false, "1.0", {said(Unsaved::FileUnread)}, 4900, 0},  // locked all through start
        {0, 29, false, "2.5", {}, 250, 2900},  // locked for a moment at close
        {0, -1, false, "2.5", {said(Unsaved::WriteFailed)}, 250, 2900},  // locked at close
        {0, -1, true, "2.5", {}, 250, 2900},  // ... and nothing said as the session ends
        {0, 0, false, "2.5", {said(Unsaved::ReadOnly)}, 250, 0, true},  // not tried again
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        fake::Program p;
        p.fake.files.SettingsEntry() = {theirs, false, c.unreadable, c.readOnly};
        p.fake.files.failWrites = c.failWrites;
        p.clock.Start();
        EXPECT_EQ(p.fake.window.interval, c.interval);
        EXPECT_FALSE(p.fake.window.visible);  // in the tray whether or not the file was read
        EXPECT_EQ(p.fake.clock.elapsedMs, c.readWait);
        c.sessionEnding ? p.fake.window.EndSession() : p.fake.window.Close();
        EXPECT_EQ(p.fake.clock.elapsedMs, c.readWait + c.writeWait);
        EXPECT_EQ(p.fake.files.Settings(), theirs);  // their settings, rewritten or untouched
        EXPECT_EQ(p.fake.window.messages, c.messages);
    }
}

TEST(SettingsSafety, AFileBeingWrittenIsReadUntilTwoReadsAgree) {
    const std::string whole = SettingsFile("2.5", 5, 3);
    std::deque<std::string> changing;  // a file that never holds still
    for (int i = 1; i <= 30; ++i) changing.push_back(SettingsFile(std::to_string(i), 5, 3));
    // What the reads before the file's own bytes see; the interval the clock runs with; the wait.
    const struct {
        std::string bytes;
        std::deque<std::string> earlier;
        std::string interval;
        long long readWait;
    } cases[] = {
        {whole, {whole.substr(0, 17)}, "2.5", 500},           // 17 bytes, a pause, the rest
        {whole.substr(0, whole.size() - 2), {}, "2.5", 250},  // no final line end: no sign
        {whole, changing, "20", 4750},  // the wait is over: the last read counts
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.earlier.size());
        fake::Program p;
        p.fake.files.SettingsEntry() = {c.bytes, false, 0, false, c.earlier};
        p.clock.Start();
        EXPECT_EQ(p.fake.window.interval, c.interval);
        EXPECT_EQ(p.fake.clock.elapsedMs, c.readWait);
    }
}

TEST(SettingsSafety, TheTooltipPatternGoesBackAsItsBytes) {
    // Bytes no character of the code page reads: decoding and encoding again would break them.
    const std::string line1 = "hh\x81:nn \xFF";
    fake::Program p;
    p.fake.files.Settings() = line1 + SettingsFile("1.0", 2, 0).substr(20);
    p.clock.Start();
    p.fake.window.Close();
    EXPECT_EQ(p.fake.files.Settings().substr(0, line1.size() + 2), line1 + "\r\n");
    // ... but only while the pattern is still the one they read as.
    ClockState changed = p.clock.State();
    changed.tipPattern = "hh:nn";
    EXPECT_EQ(SettingsFileBytes(changed, "1.0", p.fake.codePage).substr(0, 7), "hh:nn\r\n");
}

}  // namespace
}  // namespace gv
