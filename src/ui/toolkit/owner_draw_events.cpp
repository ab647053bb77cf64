#include "ui/toolkit/owner_draw.h"

#include "ui/toolkit/owner_draw_context.h"
#include "ui/toolkit/state.h"

namespace ui::toolkit {

namespace {

DrawContext* contextOf(int32_t handle) {
  const auto& contexts = toolkit().drawContexts;
  auto found = contexts.find(handle);
  return found != contexts.end() ? found->second : nullptr;
}

}  // namespace

DrawContext* paintingContext(int32_t handle) {
  DrawContext* context = contextOf(handle);
  return context != nullptr && !context->sizing && context->surface != nullptr ? context : nullptr;
}

bool raiseOwnerEvent(uint64_t serial, int32_t id, int32_t code, DrawContext& context) {
  Toolkit& state = toolkit();
  int32_t handle = state.nextDrawHandle++;
  if (state.nextDrawHandle <= 0) state.nextDrawHandle = 1;
  state.drawContexts[handle] = &context;
  raiseEvent(serial, id, code, handle);
  state.drawContexts.erase(handle);
  return context.sizing ? context.sized : context.drawn;
}

void EZ_STARTOWNERSIZE(std::string_view, int32_t, int32_t drawData, int32_t& width, int32_t& height) {
  DrawContext* context = contextOf(drawData);
  if (context == nullptr || !context->sizing) {
    width = 0;
    height = 0;
    return;
  }
  width = context->width;
  height = context->height;
}

void EZ_ENDOWNERSIZE(std::string_view, int32_t, int32_t drawData, int32_t width, int32_t height) {
  DrawContext* context = contextOf(drawData);
  if (context == nullptr || !context->sizing) return;
  context->width = width;
  context->height = height;
  context->sized = true;
}

int32_t EZ_STARTOWNERDRAW(std::string_view, int32_t, int32_t drawData, int32_t& deviceContext, int32_t& width,
                          int32_t& height, int32_t& selected, int32_t& disabled, int32_t& focus) {
  DrawContext* context = paintingContext(drawData);
  if (context == nullptr || context->rect.empty()) {
    deviceContext = 0;
    width = height = selected = disabled = focus = 0;
    return 0;
  }
  deviceContext = drawData;
  width = context->rect.width;
  height = context->rect.height;
  selected = context->selected ? 1 : 0;
  disabled = context->disabled ? 1 : 0;
  focus = context->focus ? 1 : 0;
  return 1;
}

void EZ_GETODITEM(int32_t drawData, int32_t& x, int32_t& y, int32_t& index) {
  DrawContext* context = paintingContext(drawData);
  if (context == nullptr) {
    x = y = 0;
    index = -1;
    return;
  }
  x = context->rect.x;
  y = context->rect.y;
  index = context->index;
}

}  // namespace ui::toolkit
