#include <csignal>
#include <iostream>

#include "cli/cli.h"

int main(int argc, char** argv) {
  // beyond a file-size limit a write fails (EFBIG) and the save says so; the signal would
  // end the program half-way through it instead
  std::signal(SIGXFSZ, SIG_IGN);
  std::vector<std::string> args(argv + 1, argv + argc);
  return tarvik::cli::Run(args, std::cout, std::cerr);
}
