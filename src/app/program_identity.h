// The program's name and its own fixed messages.
#pragma once

namespace tamarak {

inline constexpr char kProgramTitle[] = "Tamarak　タマラック";
inline constexpr char kMainCaption[] = " Tamarak　タマラック";
inline constexpr char kTooOldMessage[] = "This program requires Windows 95 or later, or Windows NT 4.0 or later.";
inline constexpr char kOutOfMemoryMessage[] = "メモリが不足したため、最適化を中止しました。";
inline constexpr char kSecondCopyMessage[] = "Tamarak タマラックは、二重起動することができません！ゴメンネ！";

}  // namespace tamarak
