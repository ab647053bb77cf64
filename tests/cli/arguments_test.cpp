#include "cli/arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cli {
namespace {

ParsedArguments parse(std::vector<std::string> arguments) {
  return parseArguments(arguments);
}

std::string errorOf(std::vector<std::string> arguments) {
  ParsedArguments parsed = parse(std::move(arguments));
  EXPECT_FALSE(parsed.call.has_value());
  return parsed.error;
}

TEST(ArgumentsTest, CommandsAndTheGameFolder) {
  ParsedArguments parsed = parse({"-C", "/games/zor", "show", "file.zor"});
  ASSERT_TRUE(parsed.call);
  EXPECT_EQ(parsed.call->command, CommandKind::Show);
  EXPECT_EQ(parsed.call->directory, "/games/zor");
  EXPECT_EQ(parsed.call->files, std::vector<std::string>{"file.zor"});

  parsed = parse({"batch", "a.zor", "b.zor", "c.zor"});
  ASSERT_TRUE(parsed.call);
  EXPECT_EQ(parsed.call->files, (std::vector<std::string>{"a.zor", "b.zor", "c.zor"}));
  EXPECT_EQ(parse({"dump", "x"}).call->command, CommandKind::Dump);
  EXPECT_EQ(parse({"--version"}).call->command, CommandKind::Version);
  EXPECT_EQ(parse({"--help"}).call->command, CommandKind::Help);
  EXPECT_EQ(parse({"import", "--help"}).call->command, CommandKind::Help);
}

TEST(ArgumentsTest, ImportOptionsKeepTheirOrder) {
  ParsedArguments parsed =
      parse({"import", "f.zor", "--none", "--select", "A", "--deselect=B", "--select", "-C", "--map-move",
             "Moonsault=Punch", "--rename-move=Dropkick= Flying Kick", "--map-dive", "Dive=Tope",
             "--rename-dive", "X=Y", "--dry-run", "--verbose"});
  ASSERT_TRUE(parsed.call) << parsed.error;
  const ImportOptions& options = parsed.call->import;
  EXPECT_EQ(options.base, BaseSelection::None);
  ASSERT_EQ(options.changes.size(), 3u);
  EXPECT_TRUE(options.changes[0].select);
  EXPECT_EQ(options.changes[1].name, "B");
  EXPECT_FALSE(options.changes[1].select);
  EXPECT_EQ(options.changes[2].name, "-C");  // a value is taken as it stands
  ASSERT_EQ(options.moves.size(), 2u);
  EXPECT_EQ(options.moves[0].in, "Moonsault");
  EXPECT_EQ(options.moves[0].target, "Punch");
  EXPECT_FALSE(options.moves[0].rename);
  EXPECT_EQ(options.moves[1].target, " Flying Kick");
  EXPECT_TRUE(options.moves[1].rename);
  ASSERT_EQ(options.dives.size(), 2u);
  EXPECT_TRUE(options.dives[1].rename);
  EXPECT_TRUE(options.dryRun);
  EXPECT_TRUE(options.verbose);
}

TEST(ArgumentsTest, NamesAreConvertedToTheProgramsCharacterSet) {
  ParsedArguments parsed =
      parse({"import", "f.zor", "--select", "M\xC3\xBCller", "--rename-move", "A=Caf\xC3\xA9"});
  ASSERT_TRUE(parsed.call) << parsed.error;
  EXPECT_EQ(parsed.call->import.changes[0].name, "M\xFCller");
  EXPECT_EQ(parsed.call->import.moves[0].target, "Caf\xE9");
  // Paths are the system's and stay as given.
  parsed = parse({"show", "d\xC3\xA9j\xC3\xA0.zor"});
  EXPECT_EQ(parsed.call->files[0], "d\xC3\xA9j\xC3\xA0.zor");
}

TEST(ArgumentsTest, UsageErrors) {
  EXPECT_EQ(errorOf({}), "no command given");
  EXPECT_EQ(errorOf({"frobnicate"}), "unknown command 'frobnicate'");
  EXPECT_EQ(errorOf({"--frob"}), "unknown option '--frob'");
  EXPECT_EQ(errorOf({"-C"}), "-C needs a folder");
  EXPECT_EQ(errorOf({"show"}), "show needs an export file");
  EXPECT_EQ(errorOf({"batch"}), "batch needs export files");
  EXPECT_EQ(errorOf({"show", "a", "b"}), "show takes one export file, got 2");
  EXPECT_EQ(errorOf({"show", "a", "--all"}), "unknown option '--all' for show");
  EXPECT_EQ(errorOf({"import", "a", "--all", "--none"}), "--all and --none exclude each other");
  EXPECT_EQ(errorOf({"import", "a", "--select"}), "--select needs a wrestler's name");
  EXPECT_EQ(errorOf({"import", "a", "--map-move", "Moonsault"}),
            "--map-move needs IN=EXISTING, got 'Moonsault'");
  EXPECT_EQ(errorOf({"import", "a", "--rename-dive", "=New"}),
            "--rename-dive needs a name on both sides of '=', got '=New'");
  EXPECT_EQ(errorOf({"import", "a", "--rename-move", "Old=  "}),
            "--rename-move needs a name on both sides of '=', got 'Old=  '");
  EXPECT_EQ(errorOf({"import", "a", "--select", "\xE5\x90\x8D"}),
            "--select '\xE5\x90\x8D' holds a character the game's files cannot hold");
  EXPECT_EQ(errorOf({"import", "a", "--dry-run=yes"}), "--dry-run takes no value");
  EXPECT_EQ(errorOf({"import", "a", "--bogus"}), "unknown option '--bogus'");
}

TEST(ArgumentsTest, ADoubleDashEndsTheOptions) {
  ParsedArguments parsed = parse({"show", "--", "-odd name.zor"});
  ASSERT_TRUE(parsed.call) << parsed.error;
  EXPECT_EQ(parsed.call->files, std::vector<std::string>{"-odd name.zor"});
}

TEST(ArgumentsTest, HelpHasOneLinePerOption) {
  const std::string help = helpText();
  for (const char* option : {"-C DIR ", "--all ", "--none ", "--select NAME ", "--deselect NAME ",
                             "--map-move IN=EXISTING ", "--rename-move IN=NEW ", "--map-dive IN=EXISTING ",
                             "--rename-dive IN=NEW ", "--dry-run ", "--verbose ", "--help ", "--version "}) {
    EXPECT_NE(help.find("\n  " + std::string(option)), std::string::npos) << option;
  }
  EXPECT_NE(help.find("zor-import dump FILE\n"), std::string::npos);
}

}  // namespace
}  // namespace cli
