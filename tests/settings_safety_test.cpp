// The user's settings are never lost, and a save that fails is said.
#include <gtest/gtest.h>

#include "features/settings_file.h"
#include "picture.h"

namespace gv {
namespace {

using test::SettingsFile;

TEST(SettingsSafety, LockedFilesAndFailedSaves) {
    const std::string theirs = SettingsFile("2.5", 5, 3);
    const std::string unread = SaveFailedMessage("C:\\Tools\\Gorvandel\\Gorvandel.ini", true);
    const std::string unsaved = SaveFailedMessage("C:\\Tools\\Gorvandel\\Gorvandel.ini", false);
    // Reads and writes that fail (-1: for good); at a close by the user or the session's end;
    // the interval the clock runs with; what it says; how long it waited to read, and to write.
    const struct {
        int unreadable, failWrites;
        bool sessionEnding;
        std::string interval;
        std::vector<std::string> messages;
        long long readWait, writeWait;
    } cases[] = {
        {0, 0, false, "2.5", {}, 0, 0},
        {49, 0, false, "2.5", {}, 4900, 0},          // locked for a moment at start
        {-1, 0, false, "1.0", {unread}, 4900, 0},    // locked all through start: never written
        {-1, 0, true, "1.0", {}, 4900, 0},           // ... and nothing said as the session ends
        {0, 29, false, "2.5", {}, 0, 2900},          // locked for a moment at close
        {0, -1, false, "2.5", {unsaved}, 0, 2900},   // locked at close
        {0, -1, true, "2.5", {}, 0, 2900},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.unreadable << " " << c.failWrites << " " << c.sessionEnding);
        fake::Program p;
        p.fake.files.SettingsEntry() = {theirs, false, c.unreadable};
        p.fake.files.failWrites = c.failWrites;
        p.clock.Start();
        EXPECT_EQ(p.fake.window.interval, c.interval);
        EXPECT_FALSE(p.fake.window.visible);  // in the tray whether or not the file was read
        EXPECT_EQ(p.fake.clock.elapsedMs, c.readWait);
        p.clock.OnClosing(c.sessionEnding);
        EXPECT_EQ(p.fake.clock.elapsedMs, c.readWait + c.writeWait);
        EXPECT_EQ(p.fake.files.Settings(), theirs);  // their settings, rewritten or untouched
        EXPECT_EQ(p.fake.window.messages, c.messages);
    }
}

TEST(SettingsSafety, TheTooltipPatternGoesBackAsItsBytes) {
    // Bytes no character of the code page reads: decoding and encoding again would break them.
    const std::string line1 = "hh\x81:nn \xFF";
    fake::Program p;
    p.fake.files.Settings() = line1 + SettingsFile("1.0", 2, 0).substr(20);
    p.clock.Start();
    p.fake.files.failWrites = kSaveAttempts - 1;
    p.clock.OnClosing(false);
    EXPECT_EQ(p.fake.files.Settings().substr(0, line1.size() + 2), line1 + "\r\n");
    EXPECT_EQ(p.fake.files.writes, kSaveAttempts);
    // ... but only while the pattern is still the one they read as.
    ClockState changed = p.clock.State();
    changed.tipPattern = "hh:nn";
    EXPECT_EQ(SettingsFileBytes(changed, "1.0", p.fake.codePage).substr(0, 7), "hh:nn\r\n");
}

}  // namespace
}  // namespace gv
