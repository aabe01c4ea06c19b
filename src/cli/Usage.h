// The help texts of the batch tool and of each of its commands.
#pragma once

#include <string>
#include <string_view>

namespace quillon::cli {

// The help of one command, or of the tool itself for an empty or unknown name.
std::string UsageText(std::string_view command);

} // namespace quillon::cli
