// The values the program and the system pass each other, as plain data.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tamarak {

// One sample of the memory status.
struct MemorySample {
  std::uint32_t load = 0;  // percent, 0 to 100, as the system computes it
  std::uint64_t total_phys = 0;
  std::uint64_t avail_phys = 0;
  std::uint64_t total_page_file = 0;
  std::uint64_t avail_page_file = 0;
  std::uint64_t total_virtual = 0;
  std::uint64_t avail_virtual = 0;
};

// A reading of the system clock in Coordinated Universal Time.
struct UtcTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

struct OsVersion {
  std::uint32_t platform_id = 0, major = 0, minor = 0, build = 0;
};

// An optimiser run writes strings of this many 16-bit characters.
inline constexpr std::uint64_t kFillerChars = 10'000;

// How an optimiser run ended: its memory written and released, or released early because memory
// ran out or the run was asked to stop.
enum class FillOutcome { filled, out_of_memory, stopped };

// One registry value as a single query into a zero-filled buffer of 1024 bytes leaves it: data
// longer than that is not read at all.
inline constexpr std::size_t kValueBufferBytes = 1024;
inline constexpr std::uint32_t kRegSz = 1, kRegDword = 4;

struct RegistryValue {
  bool queried = false;  // the key opened and the query succeeded
  std::uint32_t type = 0;
  std::array<std::uint8_t, kValueBufferBytes> buffer{};
  std::uint32_t size = 0;  // the data size the query reported
};

}  // namespace tamarak
