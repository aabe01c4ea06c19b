// A row of a document as the player sees it.
#include "document/Layout.h"

namespace quillon {

std::string_view LaidOutBytes(const Message& message) {
    return message.edited.empty() ? message.original : message.edited;
}

PlayerView PlayerViewOf(const TextFormat& format, const Document& document, int row,
                        char language) {
    if (!document.HasRow(row)) return {};
    const ShownAs how = format.ShownAsOf(document, row);
    if (how == ShownAs::Nothing) return {};
    const std::vector<SentenceFrame> sentences = how == ShownAs::CommandName
                                                     ? format.SentencesOf(document, row, language)
                                                     : std::vector<SentenceFrame>{};
    return LayOut(LaidOutBytes(document.At(row)), how, language, sentences);
}

std::vector<std::string> LayoutWarningsOf(const TextFormat& format, const Document& document,
                                          int row, char language) {
    return PlayerViewOf(format, document, row, language).warnings;
}

LayoutWarnedRows LayoutWarnedRowsOf(const Document& document, char language) {
    LayoutWarnedRows rows;
    if (document.format == nullptr) return rows;
    for (int row = 1; row <= document.Count(); ++row) {
        if (LayoutWarningsOf(*document.format, document, row, language).empty()) continue;
        ++rows.count;
        if (!rows.list.empty()) rows.list += ", ";
        rows.list += document.Label(row);
    }
    return rows;
}

} // namespace quillon
