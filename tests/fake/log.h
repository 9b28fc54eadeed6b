#pragma once

#include <string>
#include <vector>

namespace gv::fake {

// One log shared by the fakes, so that tests can check the order of effects across them. A
// quiet log keeps nothing, nor does the tray's record: a simulated day must not grow.
struct Log {
    std::vector<std::string> lines;
    bool quiet = false;
    void Add(const char* line) {
        if (!quiet) lines.emplace_back(line);
    }
};

}  // namespace gv::fake
