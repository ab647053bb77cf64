// Owner drawing. On the owner-draw event (300) the message value is the draw data: the program asks
// for the device context, size and state of what is to be drawn and paints it with the operations
// below. On the owner-size event (310) of an owner-drawn list it answers the item size. Device
// coordinates are pixels of the control; a device context lives for the one event.
#pragma once

#include <cstdint>
#include <string_view>

namespace ui::toolkit {

// Shapes of EZ_DCDRAW.
inline constexpr int32_t kDrawLine = 0;
inline constexpr int32_t kDrawRectangle = 1;
inline constexpr int32_t kDrawFilledRectangle = 2;
inline constexpr int32_t kDrawEllipse = 3;
inline constexpr int32_t kDrawFilledEllipse = 4;

// Draws the whole button: face in `background`, bevel, caption (its own text, mnemonic underlined) in
// `textColour` and `font`, focus frame; greyed when disabled, pressed in when down.
void EZ_DRAWCOLORBUTTON(std::string_view form, int32_t id, int32_t drawData, int32_t background,
                        int32_t textColour, int32_t font);

// The size the toolkit proposes for an item, and the program's answer.
void EZ_STARTOWNERSIZE(std::string_view form, int32_t id, int32_t drawData, int32_t& width, int32_t& height);
void EZ_ENDOWNERSIZE(std::string_view form, int32_t id, int32_t drawData, int32_t width, int32_t height);

// Returns 0 when there is nothing to draw; otherwise 1 with the device context, the size and the
// state flags (1 or 0) of the item or button.
int32_t EZ_STARTOWNERDRAW(std::string_view form, int32_t id, int32_t drawData, int32_t& deviceContext,
                          int32_t& width, int32_t& height, int32_t& selected, int32_t& disabled,
                          int32_t& focus);
// The item's top-left corner in device coordinates and its index (-1 for a button).
void EZ_GETODITEM(int32_t drawData, int32_t& x, int32_t& y, int32_t& index);

void EZ_SAVESTATE(int32_t deviceContext);
void EZ_RESTORESTATE(int32_t deviceContext);
// A line from (x1, y1) to (x2, y2) or a shape in the rectangle with those corners (both included).
void EZ_DCDRAW(int32_t deviceContext, int32_t shape, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
               int32_t penWidth, int32_t colour);
// Text with its top-left corner at (x, y), on a transparent ground.
void EZ_DCPRINT(int32_t deviceContext, int32_t x, int32_t y, std::string_view text, int32_t font,
                int32_t textColour);

}  // namespace ui::toolkit
