// The diagnostic log of the import runs. Logging is switched off: LOGM and LOGMF write nothing.
// A test may install a sink to read the lines the runs pass.
#pragma once

#include <functional>
#include <string_view>

namespace services {

enum class LogChannel { General, Files };
using LogSink = std::function<void(LogChannel, std::string_view line)>;
// Installs a sink and returns the previous one (none by default).
LogSink setLogSink(LogSink sink);

// Whether a sink listens: callers skip putting lines together that nobody reads.
bool logging();
void LOGM(std::string_view line);
void LOGMF(std::string_view line);

}  // namespace services
