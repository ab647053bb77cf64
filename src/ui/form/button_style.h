// How the owner-drawn buttons of form "MAIN" look: the current step's button highlighted, the
// others plain; Quit, Help, Close and Batch Import in fixed colours.
#pragma once

#include <cstdint>

namespace ui {

inline constexpr int32_t kHighlightBackground = 2;
inline constexpr int32_t kHighlightText = 15;
inline constexpr int32_t kPlainBackground = 31;
inline constexpr int32_t kPlainText = 0;
inline constexpr int32_t kQuietBackground = 15;  // Quit, Help, Close
inline constexpr int32_t kBatchBackground = 26;  // Batch Import

// Answers an owner-draw request (draw data `drawData`) of button `id` of form "MAIN".
void drawStepButton(int32_t id, int32_t drawData, bool current);
void drawFixedButton(int32_t id, int32_t drawData, int32_t background);

}  // namespace ui
