#include <ostream>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "export/parser.h"
#include "export/streams.h"

namespace cli {

int dumpCommand(const Invocation& call, Console& console) {
  const int32_t stream = exports::OPENCRYPT(call.files.front());
  if (stream <= 0) {
    printLine(console.err,
              exports::namingFile(stream < 0 ? exports::kCorruptFileMessage : exports::kOpenErrorMessage,
                                  call.files.front()));
    return kExitFailed;
  }
  // The lines' bytes as the stream layer yields them: no character conversion.
  while (!exports::CRYPTEOF(stream)) console.out << exports::INPUTCRYPT(stream) << '\n';
  exports::CLOSECRYPT(stream);
  return kExitDone;
}

}  // namespace cli
