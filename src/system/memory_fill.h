// Claiming and giving back memory for an optimiser run: many separate strings, every character
// written, all released together.
#pragma once

#include <cstdint>

#include "system/stop_token.h"
#include "system/values.h"

namespace tamarak {

// Fills count + 1 strings of 10,000 characters "1", all alive at once, then releases them together.
// The strings come from a heap made for this run alone and destroyed after it, so the memory really
// goes back to the system; a run that runs out of memory, or is asked to stop, stops and releases
// what it had.
FillOutcome fill_and_release(std::uint64_t count, StopToken stop = {});

}  // namespace tamarak
