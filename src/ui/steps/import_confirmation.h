// The question asked before an import is committed. It starts with the question itself and goes on
// with what the import will do and with the references it has to drop; the whole plan, record by
// record, is in the box's detail area.
#pragma once

#include <cstddef>
#include <string>

#include "import/import_plan.h"

namespace ui {

// Warnings written out in the box's text; the rest are counted and left to the details.
inline constexpr size_t kWarningsShown = 5;

std::string confirmationText(const imports::ImportPlan& plan);
std::string confirmationDetails(const imports::ImportPlan& plan);

// Asks on "MAIN" with Yes and No, No being the default; Yes confirms.
bool confirmImport(const imports::ImportPlan& plan);

}  // namespace ui
