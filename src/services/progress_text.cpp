#include "services/progress_text.h"

namespace services {

std::string progressText(const Progress& progress) {
  if (progress.total <= 0) return progress.step;
  return progress.step + ": " + std::to_string(progress.done) + " of " + std::to_string(progress.total);
}

}  // namespace services
