// The batch tool's entry point and exit statuses, kept apart from main() so every command runs
// on plain streams.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace quillon::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitInvalid = 1; // a message is blank or invalid
inline constexpr int kExitError = 2;   // bad usage, an unreadable or broken input, a failed write

// args are the arguments after the program's name. Results go to out; every error is one line
// on err.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace quillon::cli
