// Keeps a cell on one line of tab-separated output.
#pragma once

#include <string>
#include <string_view>

namespace quillon::cli {

// Tab, CR, LF and backslash become \t, \r, \n and \\; every other byte is kept as it is, so the
// output can be split on tabs and lines and turned back into the exact bytes.
std::string EscapeCell(std::string_view cell);

} // namespace quillon::cli
