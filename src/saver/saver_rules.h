// What the screen saver is asked to do, read from its command line, and where its picture drifts.
#pragma once

#include <cstdint>
#include <string_view>

namespace tamarak {

enum class SaverMode { full_screen, preview, settings, end };

struct SaverRequest {
  SaverMode mode = SaverMode::end;
  std::uintptr_t window = 0;  // the preview's parent, or the settings box's owner (0: none)
  bool operator==(const SaverRequest&) const = default;
};

// Read from the whole command line (GetCommandLineW), as the system hands it over: the program's
// path, quoted or not, then the switch. The Control Panel and the idle timer leave a long path with
// blanks unquoted, so the path ends at its closing quote, or else at its last backslash. The switch
// is the last "/x" or "-x" after it that starts a word and stands alone: x one of s, p, c, a in any
// case, its window handle after blanks or a colon ("/p 1234", "/c:1234"). No switch asks for the
// settings; a malformed one, "/a" (Windows 9x's password change: this saver has none), or a preview
// without its window, asks it to end.
SaverRequest saver_request(std::wstring_view command_line);

// A mouse move that ends the saver: more than a few pixels on either axis, so that a table's knock
// or an optical mouse's jitter does not.
constexpr int kMoveThreshold = 4;
constexpr bool moved_enough(int dx, int dy) {
  return dx > kMoveThreshold || dx < -kMoveThreshold || dy > kMoveThreshold || dy < -kMoveThreshold;
}

struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// The top left corner of a `width` x `height` item at `tick` inside `area` (a monitor, or a window's
// client area), in the area's coordinates: it travels `step` pixels a tick across and 3/5 of that
// down, bouncing off the area's edges, so that over time it passes over every part of the area and
// never rests long anywhere. An item larger than the area stays at its corner.
Point drift_origin(long long tick, const Rect& area, int width, int height, int step);

// The face of the text: Meiryo UI, which Japanese Windows has; elsewhere Yu Gothic UI, which every
// Windows 10 and 11 has (Meiryo UI only with the optional Japanese supplemental fonts).
const wchar_t* saver_face(bool (*installed)(const wchar_t* face));

}  // namespace tamarak
