// One optimiser run: claim memory as many separate strings, write every character, give it back.
#pragma once

#include <cstdint>

namespace tamarak {

enum class FillOutcome { filled, out_of_memory };

// Fills count + 1 strings of 10,000 characters "1", all alive at once, then releases them together.
// The strings come from a heap made for this run alone and destroyed after it, so the memory really
// goes back to the system; a run that runs out of memory stops and releases what it had.
FillOutcome fill_and_release(std::uint64_t count);

}  // namespace tamarak
