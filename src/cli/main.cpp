#include <iostream>

#include "cli/entry.h"
#include "platform/command_line.h"

int main(int argc, char** argv) {
  const platform::Utf8Console console;
  return cli::runCommandLine(platform::commandLineArguments(argc, argv), std::cout, std::cerr);
}
