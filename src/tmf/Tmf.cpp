// PLACEHOLDER: replaced by the real implementation.
#include "tmf/Tmf.h"
namespace quillon {
std::string TmfRowNumber(std::string_view) { return {}; }
TmfBuildResult BuildTmf(std::string_view, const MessageTable&, int) { return {}; }
TmfParseResult ParseTmf(std::string_view) { return {}; }
void ApplyTmfLines(MessageTable&, const std::vector<TmfLine>&) {}
std::string BackupFileName(std::string_view, int) { return {}; }
}
