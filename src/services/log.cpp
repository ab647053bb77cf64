#include "services/log.h"

#include <utility>

namespace services {
namespace {
LogSink& sink() {
  static LogSink current;
  return current;
}
}  // namespace

LogSink setLogSink(LogSink newSink) {
  return std::exchange(sink(), std::move(newSink));
}

bool logging() {
  return static_cast<bool>(sink());
}

void LOGM(std::string_view line) {
  if (sink()) sink()(LogChannel::General, line);
}

void LOGMF(std::string_view line) {
  if (sink()) sink()(LogChannel::Files, line);
}

}  // namespace services
