// The command line's argument parser: the input is the arguments, separated by NUL bytes. A parse
// either gives a call or a usage error, never both, and gives the same for the same arguments.
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "fuzz_target.h"

ZOR_FUZZ_TARGET(cli_arguments) {
  std::vector<std::string> arguments;
  std::string_view rest = fuzzing::bytesOf(data, size);
  while (!rest.empty() && arguments.size() < 64) {
    const size_t end = std::min(rest.find('\0'), rest.size());
    arguments.emplace_back(rest.substr(0, end));
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  const cli::ParsedArguments first = cli::parseArguments(arguments);
  fuzzing::check(first.call.has_value() != !first.error.empty(), "neither or both of a call and an error");
  if (first.call) {
    const cli::CommandKind command = first.call->command;
    const bool needsFile = command == cli::CommandKind::Show || command == cli::CommandKind::Import ||
                           command == cli::CommandKind::Batch || command == cli::CommandKind::Dump;
    fuzzing::check(!needsFile || !first.call->files.empty(), "a command that needs a file has none");
  }
  const cli::ParsedArguments second = cli::parseArguments(arguments);
  fuzzing::check(second.call.has_value() == first.call.has_value() && second.error == first.error,
                 "the same arguments parsed twice differ");
  return 0;
}
