// The command line's arguments: the command, the game folder and the options, with the names already
// converted from UTF-8 to the program's Windows-1252 texts.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cli {

enum class CommandKind { Help, Version, Show, Import, Batch, Dump, Undo };

enum class BaseSelection {
  Default,  // the wizard's pre-selection: every wrestler not in the database
  All,
  None,
};

struct SelectionChange {
  bool Select = true;
  std::string Name;  // a wrestler's list name
};

struct MappingOption {
  std::string In;      // the incoming move's or dive's list name
  std::string Target;  // an existing name, or the new name
  bool Rename = false;
};

struct ImportOptions {
  BaseSelection Base = BaseSelection::Default;
  std::vector<SelectionChange> Changes;  // in the order given
  std::vector<MappingOption> Moves;      // in the order given
  std::vector<MappingOption> Dives;
  bool DryRun = false;
  bool Verbose = false;
};

struct Invocation {
  CommandKind Command = CommandKind::Help;
  std::string Directory;           // -C DIR, "" for the current directory
  std::vector<std::string> Files;  // as given (paths are not converted)
  ImportOptions Import;
};

struct ParsedArguments {
  std::optional<Invocation> Call;
  std::string Error;  // a usage error when there is no call
};

// The arguments after the program name.
ParsedArguments parseArguments(const std::vector<std::string>& arguments);

// The synopsis with one line per option.
std::string helpText();

}  // namespace cli
