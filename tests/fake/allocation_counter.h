#pragma once

namespace gv::fake {

// Allocations made through the global operator new since the program started. Linking
// allocation_counter.cpp replaces operator new for the whole program to count them.
long Allocations();

}  // namespace gv::fake
