#include "cli/arguments.h"

#include <string_view>

#include "platform/text.h"

namespace cli {
namespace {

// A name from the command line in the program's character set; nothing when it holds a character
// that Windows-1252 cannot hold (no record can have such a name) or a line break.
std::optional<std::string> programText(std::string_view utf8) {
  std::string text = platform::cp1252FromUtf8(utf8);
  if (platform::utf8From1252(text) != utf8) return std::nullopt;
  if (text.find_first_of("\r\n") != std::string::npos) return std::nullopt;
  return text;
}

class ArgumentReader {
 public:
  explicit ArgumentReader(const std::vector<std::string>& arguments) : arguments_(arguments) {}

  bool done() const { return next_ >= arguments_.size(); }
  const std::string& take() { return arguments_[next_++]; }

  // The value of an option given as "--name VALUE" or "--name=VALUE"; false when it is missing.
  bool value(const std::string& argument, std::string_view name, std::string& value) {
    if (argument.size() > name.size() && argument.compare(0, name.size(), name) == 0 &&
        argument[name.size()] == '=') {
      value = argument.substr(name.size() + 1);
      return true;
    }
    if (done()) return false;
    value = take();
    return true;
  }

 private:
  const std::vector<std::string>& arguments_;
  size_t next_ = 0;
};

// The option name of "--name=value", or the argument itself.
std::string_view optionName(std::string_view argument) {
  if (!argument.starts_with("--")) return argument;
  return argument.substr(0, argument.find('='));
}

ParsedArguments usage(std::string message) {
  ParsedArguments parsed;
  parsed.error = std::move(message);
  return parsed;
}

std::optional<std::string> parseMapping(std::string_view option, const std::string& value, bool rename,
                                        MappingOption& mapping) {
  const size_t equals = value.find('=');
  const std::string shape = rename ? "IN=NEW" : "IN=EXISTING";
  if (equals == std::string::npos) return std::string(option) + " needs " + shape + ", got '" + value + "'";
  std::optional<std::string> in = programText(value.substr(0, equals));
  std::optional<std::string> target = programText(value.substr(equals + 1));
  if (!in || !target) {
    return std::string(option) + " '" + value + "' holds a character the game's files cannot hold";
  }
  if (in->empty() || target->find_first_not_of(' ') == std::string::npos) {
    return std::string(option) + " needs a name on both sides of '=', got '" + value + "'";
  }
  mapping = MappingOption{*in, *target, rename};
  return std::nullopt;
}

// The options of "import" after its file.
std::optional<std::string> parseImportOption(const std::string& argument, ArgumentReader& reader,
                                             ImportOptions& options) {
  const std::string_view name = optionName(argument);
  if (name == "--all" || name == "--none") {
    if (name.size() != argument.size()) return std::string(name) + " takes no value";
    const BaseSelection base = name == "--all" ? BaseSelection::All : BaseSelection::None;
    if (options.base != BaseSelection::Default && options.base != base)
      return "--all and --none exclude each other";
    options.base = base;
    return std::nullopt;
  }
  if (name == "--dry-run" || name == "--verbose") {
    if (name.size() != argument.size()) return std::string(name) + " takes no value";
    (name == "--dry-run" ? options.dryRun : options.verbose) = true;
    return std::nullopt;
  }
  std::string value;
  if (name == "--select" || name == "--deselect") {
    if (!reader.value(argument, name, value)) return std::string(name) + " needs a wrestler's name";
    std::optional<std::string> text = programText(value);
    if (!text) return std::string(name) + " '" + value + "' holds a character the game's files cannot hold";
    options.changes.push_back(SelectionChange{name == "--select", *text});
    return std::nullopt;
  }
  const bool moves = name == "--map-move" || name == "--rename-move";
  const bool dives = name == "--map-dive" || name == "--rename-dive";
  if (moves || dives) {
    if (!reader.value(argument, name, value)) return std::string(name) + " needs a value";
    MappingOption mapping;
    if (auto error = parseMapping(name, value, name.starts_with("--rename"), mapping)) return error;
    (moves ? options.moves : options.dives).push_back(mapping);
    return std::nullopt;
  }
  return "unknown option '" + argument + "'";
}

}  // namespace

ParsedArguments parseArguments(const std::vector<std::string>& arguments) {
  ArgumentReader reader(arguments);
  Invocation call;
  while (!reader.done()) {
    const std::string& argument = reader.take();
    if (argument == "--help" || argument == "-h") {
      call.command = CommandKind::Help;
      return ParsedArguments{call, ""};
    }
    if (argument == "--version") {
      call.command = CommandKind::Version;
      return ParsedArguments{call, ""};
    }
    if (argument == "-C") {
      if (reader.done()) return usage("-C needs a folder");
      call.directory = reader.take();
      if (call.directory.empty()) return usage("-C needs a folder");
      continue;
    }
    if (argument == "undo" || argument == "check") {
      call.command = argument == "undo" ? CommandKind::Undo : CommandKind::Check;
      if (!reader.done()) return usage(argument + " takes no arguments, got '" + reader.take() + "'");
      return ParsedArguments{call, ""};
    }
    if (argument == "show" || argument == "import" || argument == "batch" || argument == "dump") {
      call.command = argument == "show"     ? CommandKind::Show
                     : argument == "import" ? CommandKind::Import
                     : argument == "batch"  ? CommandKind::Batch
                                            : CommandKind::Dump;
      bool optionsEnded = false;
      while (!reader.done()) {
        const std::string& next = reader.take();
        if (!optionsEnded && (next == "--help" || next == "-h")) {
          call.command = CommandKind::Help;
          return ParsedArguments{call, ""};
        }
        if (!optionsEnded && next == "--") {
          optionsEnded = true;
          continue;
        }
        if (!optionsEnded && next.starts_with("-") && next.size() > 1) {
          if (call.command != CommandKind::Import)
            return usage("unknown option '" + next + "' for " + argument);
          if (auto error = parseImportOption(next, reader, call.import)) return usage(*error);
          continue;
        }
        call.files.push_back(next);
      }
      if (call.files.empty())
        return usage(argument + " needs " + (argument == "batch" ? "export files" : "an export file"));
      if (call.command != CommandKind::Batch && call.files.size() > 1) {
        return usage(argument + " takes one export file, got " + std::to_string(call.files.size()));
      }
      return ParsedArguments{call, ""};
    }
    if (argument.starts_with("-")) return usage("unknown option '" + argument + "'");
    return usage("unknown command '" + argument + "'");
  }
  return usage("no command given");
}

std::string helpText() {
  return "Usage:\n"
         "  zor-import [-C DIR] show FILE\n"
         "  zor-import [-C DIR] import FILE [--all | --none] [--select NAME]... [--deselect NAME]...\n"
         "                                [--map-move IN=EXISTING]... [--rename-move IN=NEW]...\n"
         "                                [--map-dive IN=EXISTING]... [--rename-dive IN=NEW]... [--dry-run] "
         "[--verbose]\n"
         "  zor-import [-C DIR] batch FILE...\n"
         "  zor-import [-C DIR] undo\n"
         "  zor-import [-C DIR] check\n"
         "  zor-import dump FILE\n"
         "  zor-import --help | --version\n"
         "\n"
         "Commands:\n"
         "  show FILE                what the export holds: kind, \"new\" or the existing number, F/M, name\n"
         "  import FILE              import an export as the wizard does\n"
         "  batch FILE...            import every file as it is, overwriting wrestlers that exist already\n"
         "  undo                     put back the files the last import replaced, as they were before it\n"
         "  check                    list every fault of the database: references to records that do not\n"
         "                           exist, counts and indexes that do not fit their files\n"
         "  dump FILE                every line of an export file, enciphered or plain\n"
         "\n"
         "Options:\n"
         "  -C DIR                   run as if started in DIR, the game folder (default: the current "
         "folder)\n"
         "  --all                    select every wrestler of the export\n"
         "  --none                   select no wrestler\n"
         "  --select NAME            select the wrestler listed as NAME (after --all/--none, in order)\n"
         "  --deselect NAME          deselect the wrestler listed as NAME (after --all/--none, in order)\n"
         "  --map-move IN=EXISTING   merge the needed new move IN into the existing move EXISTING\n"
         "  --rename-move IN=NEW     import the needed new move IN under the name NEW (without article)\n"
         "  --map-dive IN=EXISTING   merge the needed new dive IN into the existing dive EXISTING\n"
         "  --rename-dive IN=NEW     import the needed new dive IN under the name NEW (without article)\n"
         "  --dry-run                write the new files, then answer No: the database stays unchanged\n"
         "  --verbose                print the import plan before the import\n"
         "  --help                   show this help\n"
         "  --version                show the program title\n"
         "\n"
         "Exit codes: 0 done, 1 the file could not be imported (or the import undone) or check found\n"
         "faults, 2 usage error.\n";
}

}  // namespace cli
