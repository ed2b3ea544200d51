// tarvik-cli: the engine from the command line.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tarvik::cli {

// exit codes
inline constexpr int kOk = 0;
inline constexpr int kEngineError = 1;  // the engine reported an error; it is in the output
inline constexpr int kUsage = 2;
inline constexpr int kUnreadable = 3;  // a file that cannot be read

// args without the program name
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tarvik::cli
