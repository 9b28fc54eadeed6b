#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "features/clock_state.h"
#include "ports/platform.h"

namespace gv {

// The settings file: twelve lines in the ANSI code page, each ending in CR LF: the tooltip
// pattern, the interval text, the two display modes and the eight colour slots.
inline constexpr std::string_view kSettingsFileName = "\\Gorvandel.ini";

// A file that is there but cannot be read, and a write that fails, are tried again: sharing and
// lock violations (a backup, a scan, a sync at logon) usually pass within moments. About five
// seconds at start-up, about three at a close: Windows begins to end programs that keep the end
// of a session waiting after about five.
inline constexpr std::int32_t kRetryPauseMs = 100;
inline constexpr int kReadAttempts = 50;
inline constexpr int kSaveAttempts = 30;
// Another program may be writing the file as it is read (a sync tool writes in steps): it is
// read again after this pause until two reads agree, within the same wait as the retries of an
// unreadable file. It makes the start of a clock with a settings file this much slower.
inline constexpr std::int32_t kSettlePauseMs = 250;
inline constexpr std::int32_t kReadWaitMs = kRetryPauseMs * (kReadAttempts - 1);

// The executable's directory with "\Gorvandel.ini" appended as it stands.
std::string SettingsPath(FileSystem& files);

// Reads the settings file into the state, the interval box and the swatches, once two reads a
// moment apart agree (or the wait is over: then the last read counts). An item that is missing
// or does not fit its field leaves the field as it was, so an absent or unreadable file leaves
// the defaults. Returns what became of the file; an unreadable one holds the user's
// settings, and must not be replaced in this run.
FileContents::Status LoadSettings(ClockState& state, const Platform& platform);

// The file's bytes for the current state and interval text. The tooltip pattern, which nothing
// in the window edits, goes back as the bytes it was read from unless it changed. The interval
// text goes up to its first CR, where its number ends.
std::string SettingsFileBytes(const ClockState& state, std::string_view intervalText,
                              CodePage& codePage);

// Writes the settings file whole or not at all, trying a failed write again for about three
// seconds; a read-only file is left at once.
WriteStatus SaveSettings(const ClockState& state, const Platform& platform);

// Why a close left the file as it was: it could not be read at the start, it is read-only, or
// the write failed.
enum class Unsaved { FileUnread, ReadOnly, WriteFailed };

// What a close by the user says when the settings were not saved, naming the file.
std::string SaveFailedMessage(std::string_view path, Unsaved why);

}  // namespace gv
