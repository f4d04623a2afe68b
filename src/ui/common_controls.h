// The common controls the program uses (tool tips, and a subclass of its own on one text box), from
// the side-by-side comctl32 the manifest names. The library is delay-loaded: it comes in when a
// window first needs it, after the program has restricted where DLLs may come from.
#pragma once

namespace tamarak {

// Registers the common control classes, once; before a window makes its first tool tip.
void init_common_controls();

}  // namespace tamarak
