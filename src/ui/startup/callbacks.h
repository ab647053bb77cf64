// The toolkit's design and event callbacks: form "MAIN" (its name in any letter case) goes to the
// main form's code, every other form to handlers that do nothing.
#pragma once

#include <cstdint>
#include <string>

namespace ui::startup {

void EZ_DESIGN(std::string& form);
void EZ_EVENT(std::string& form, int32_t& id, int32_t& code, int32_t& value, int32_t& cancel);

// May swallow an event before dispatch (nonzero); swallows nothing.
int32_t PREPROCESS(std::string& form, int32_t& id, int32_t& code, int32_t& value, int32_t& cancel);

void OTHERFORMS_DESIGN(std::string& form);
// The toolkit's own dialogs and its application pseudo-form: no event of theirs has an effect.
void OTHERFORMS_EVENTS(std::string& form, int32_t& id, int32_t& code, int32_t& value, int32_t& cancel);

}  // namespace ui::startup
