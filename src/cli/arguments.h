// The command line's arguments: the command, the game folder and the options, with the names already
// converted from UTF-8 to the program's Windows-1252 texts.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cli {

enum class CommandKind { Help, Version, Show, Import, Batch, Dump, Undo, Check };

enum class BaseSelection {
  Default,  // the wizard's pre-selection: every wrestler not in the database
  All,
  None,
};

struct SelectionChange {
  bool select = true;
  std::string name;  // a wrestler's list name
};

struct MappingOption {
  std::string in;      // the incoming move's or dive's list name
  std::string target;  // an existing name, or the new name
  bool rename = false;
};

struct ImportOptions {
  BaseSelection base = BaseSelection::Default;
  std::vector<SelectionChange> changes;  // in the order given
  std::vector<MappingOption> moves;      // in the order given
  std::vector<MappingOption> dives;
  bool dryRun = false;
  bool verbose = false;
};

struct Invocation {
  CommandKind command = CommandKind::Help;
  std::string directory;           // -C DIR, "" for the current directory
  std::vector<std::string> files;  // as given (paths are not converted)
  ImportOptions import;
};

struct ParsedArguments {
  std::optional<Invocation> call;
  std::string error;  // a usage error when there is no call
};

// The arguments after the program name.
ParsedArguments parseArguments(const std::vector<std::string>& arguments);

// The synopsis with one line per option.
std::string helpText();

}  // namespace cli
