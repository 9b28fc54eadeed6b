#pragma once

#include <string>
#include <vector>

namespace gv::fake {

// The fakes' shared log, for the order of effects. A quiet one, for a simulated day, keeps none.
struct Log {
    std::vector<std::string> lines;
    bool quiet = false;
    void Add(const char* line) {
        if (!quiet) lines.emplace_back(line);
    }
};

}  // namespace gv::fake
