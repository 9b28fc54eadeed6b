#include "fake/fake_files.h"

namespace gv::fake {

FileContents FakeFiles::Read(std::string_view path, std::size_t maxBytes) {
    auto it = entries.find(path);
    if (it == entries.end()) return {FileContents::Status::Absent, {}};
    if (int& locked = it->second.unreadable; locked != 0) {
        locked -= locked > 0;
        return {FileContents::Status::Unreadable, {}};
    }
    std::deque<std::string>& earlier = it->second.earlier;
    std::string bytes = (earlier.empty() ? it->second.bytes : earlier.front()).substr(0, maxBytes);
    if (!earlier.empty()) earlier.pop_front();
    return {FileContents::Status::Read, std::move(bytes)};
}

WriteStatus FakeFiles::WriteWhole(std::string_view path, std::string_view bytes) {
    auto it = entries.find(path);
    if (it != entries.end() && it->second.readOnly) return WriteStatus::ReadOnly;
    if (failWrites != 0) {
        failWrites -= failWrites > 0;
        return WriteStatus::Failed;
    }
    entries[std::string(path)].bytes = bytes;
    ++written;
    return WriteStatus::Written;
}

}  // namespace gv::fake
