#include "system/memory_fill.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "base/handles.h"

namespace tamarak {

namespace {

using OwnedHeap = Owned<HANDLE, HeapDestroy>;

}  // namespace

FillOutcome fill_and_release(std::uint64_t count, StopToken stop) {
  if (count >= std::numeric_limits<SIZE_T>::max() / sizeof(wchar_t*)) return FillOutcome::out_of_memory;
  const OwnedHeap heap(HeapCreate(HEAP_NO_SERIALIZE, 0, 0));
  if (!heap) return FillOutcome::out_of_memory;
  const SIZE_T entries = static_cast<SIZE_T>(count) + 1;
  auto** strings = static_cast<wchar_t**>(HeapAlloc(heap.get(), HEAP_ZERO_MEMORY, entries * sizeof(wchar_t*)));
  if (!strings) return FillOutcome::out_of_memory;
  for (SIZE_T i = 0; i < entries; ++i) {
    if (stop.stop_requested()) return FillOutcome::stopped;
    auto* text = static_cast<wchar_t*>(HeapAlloc(heap.get(), 0, kFillerChars * sizeof(wchar_t)));
    if (!text) return FillOutcome::out_of_memory;
    // The first string is written character by character, the others copied from it: the
    // library's block copy runs at memset's rate, a character loop at two thirds of it.
    if (i == 0)
      std::fill_n(text, kFillerChars, L'1');
    else
      std::memcpy(text, strings[0], kFillerChars * sizeof(wchar_t));
    // The strings are never read: keep the compiler from deciding the writes are not needed.
    asm volatile("" : : "r"(text) : "memory");
    strings[i] = text;
  }
  return FillOutcome::filled;
}

}  // namespace tamarak
