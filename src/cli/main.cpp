#include <iostream>

#include "cli/entry.h"

int main(int argc, char** argv) {
  return cli::runCommandLine(argc, argv, std::cout, std::cerr);
}
