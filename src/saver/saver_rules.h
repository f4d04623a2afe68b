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

// The spellings Windows and the Control Panel use: "/s" (any case, or "-s"), "/p <HWND>" or
// "/p:<HWND>", "/c" or "/c:<HWND>", and nothing at all for the settings. Anything else, a preview
// without its window included, asks it to end.
SaverRequest saver_request(std::wstring_view arguments);

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

// The top left corner of an item at `tick`: it travels `step` pixels a tick across and 3/5 of that
// down, bouncing off the area's edges, so that over time it passes over every part of the
// screen and never rests long anywhere. An item larger than the area stays at the corner.
Point drift_origin(long long tick, int area_width, int area_height, int item_width, int item_height, int step);

}  // namespace tamarak
