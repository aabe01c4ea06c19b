// Keeps a cell on one line of tab-separated output.
#include "cli/CellEscape.h"

namespace quillon::cli {

std::string EscapeCell(std::string_view cell) {
    std::string escaped;
    escaped.reserve(cell.size());
    for (char c : cell) {
        switch (c) {
        case '\t':
            escaped += "\\t";
            break;
        case '\r':
            escaped += "\\r";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\\':
            escaped += "\\\\";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

} // namespace quillon::cli
