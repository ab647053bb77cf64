// Accessible names. A button is named by its caption; a list, list view, combo box or text box by
// the label that names it on the form: a label of the same layer directly below or above it and
// spanning most of its width, or directly to its left on the same line. The program may name a
// control itself, which wins.
#pragma once

#include <cstdint>
#include <string_view>

namespace ui::toolkit {

struct FormRecord;

void setAccessibleName(std::string_view form, int32_t id, std::string_view name);

// Names every unnamed list, list view, combo box and text box of the form by its label.
void nameControlsByLabels(FormRecord& form);

}  // namespace ui::toolkit
