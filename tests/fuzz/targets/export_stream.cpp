// The export stream layer: an export file opened, its digest checked, and every line read, enciphered
// or plain. The first input byte's low bit reseals the rest, so that damaged enciphered files reach
// their line records instead of all failing the digest.
#include "export/stream_table.h"
#include "export/streams.h"
#include "fuzz_environment.h"
#include "fuzz_target.h"
#include "platform/files.h"
#include "support/export_writer.h"

ZOR_FUZZ_TARGET(export_stream) {
  fuzzing::prepareProgram();
  if (size == 0) return 0;
  std::string bytes(fuzzing::bytesOf(data + 1, size - 1));
  if ((data[0] & 1) != 0) testsupport::sealExport(bytes);
  const std::string path = fuzzing::writeInput("input.zor", bytes);

  const int32_t stream = exports::OPENCRYPT(path);
  if (stream > 0) {
    size_t lines = 0;
    while (!exports::CRYPTEOF(stream)) {
      exports::INPUTCRYPT(stream);
      // Every line takes at least one byte of the file (a line end, or its record's length).
      if (++lines > bytes.size() + 1) {
        fuzzing::fail("a stream yields more lines than its file has bytes");
        break;
      }
    }
    exports::CLOSECRYPT(stream);
  }
  fuzzing::check(exports::streamTable().streamCount == 0, "a stream was left open");
  fuzzing::check(fuzzing::readFile(path) == bytes, "the export file was changed");
  platform::closeAllFiles();
  return 0;
}
