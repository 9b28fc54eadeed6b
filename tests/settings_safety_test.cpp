// The user's settings are never lost, and a save that fails is said.
#include <gtest/gtest.h>

#include "features/settings_file.h"
#include "picture.h"

namespace gv {
namespace {

using test::SettingsFile;

TEST(SettingsSafety, LockedFilesHalfWrittenFilesAndFailedSaves) {
    const std::string theirs = SettingsFile("2.5", 5, 3);
    auto said = [](Unsaved why) {
        return SaveFailedMessage("C:\\Tools\\Gorvandel\\Gorvandel.ini", why);
    };
    std::deque<std::string> changing;  // another program's writes, till the wait is over
    for (int i = 1; i <= 19; ++i) changing.push_back(SettingsFile(std::to_string(i), 5, 3));
    // Reads and writes failing (-1: for good); a close by the session's end; the interval run
    // with; what is said; the waits to read (seen twice) and write; reads before the file's own.
    const struct {
        int unreadable, failWrites;
        bool sessionEnding;
        std::string interval;
        std::vector<std::string> messages;
        long long readWait, writeWait;
        bool readOnly = false;
        std::deque<std::string> earlier = {};
        std::size_t cut = 0;  // off the file's end
    } cases[] = {
        {0, 0, false, "2.5", {}, 250, 0},
        {49, 0, false, "2.5", {}, 4900, 0},  // locked for a moment at start
        {-1, 0, false, "1.0", {said(Unsaved::FileUnread)}, 4900, 0},  // locked all through start
        {0, 29, false, "2.5", {}, 250, 2900},  // locked for a moment at close
        {0, -1, false, "2.5", {said(Unsaved::WriteFailed)}, 250, 2900},  // locked at close
        {0, -1, true, "2.5", {}, 250, 2900},  // ... and nothing said as the session ends
        {0, 0, false, "2.5", {said(Unsaved::ReadOnly)}, 250, 0, true},    // not tried again
        {0, 0, false, "2.5", {}, 500, 0, false, {theirs.substr(0, 17)}},  // 17 bytes, then the rest
        {0, 0, false, "2.5", {}, 4750, 0, false, changing},               // the last read counts
        {0, 0, false, "2.5", {}, 250, 0, false, {}, 2},  // no final line end: no sign
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        fake::Program p;
        p.fake.files.SettingsEntry() = {theirs.substr(0, theirs.size() - c.cut), false,
                                        c.unreadable, c.readOnly, c.earlier};
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
