// A small window with a text and a progress bar, shown above the program's forms (or alone, before
// any exists) while long work runs; it takes no input.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ui::toolkit {

// Shows the window, or updates it: `text` (Windows-1252) above a bar at done of total; a total of 0
// makes the bar a busy indicator.
void showProgressWindow(std::string_view text, int64_t done, int64_t total);
void hideProgressWindow();
// Deletes the window; before the application object goes, since it may have no owner form.
void discardProgressWindow();

// What the window shows, for tests.
struct ProgressWindowState {
  bool visible = false;
  std::string text;
  int64_t done = 0;
  int64_t total = 0;
  int shownTimes = 0;  // how often it came up
};
ProgressWindowState progressWindowState();

}  // namespace ui::toolkit
