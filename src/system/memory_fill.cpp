#include "system/memory_fill.h"

#include <windows.h>

#include <algorithm>
#include <limits>

#include "ui/handles.h"

namespace tamarak {

namespace {

using OwnedHeap = Owned<HANDLE, HeapDestroy>;

}  // namespace

FillOutcome fill_and_release(std::uint64_t count, std::stop_token stop) {
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
    std::fill_n(text, kFillerChars, L'1');
    // The strings are never read: keep the compiler from deciding the writes are not needed.
    asm volatile("" : : "r"(text) : "memory");
    strings[i] = text;
  }
  return FillOutcome::filled;
}

}  // namespace tamarak
