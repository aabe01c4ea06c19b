// The game's messages as entries of a gettext catalogue.
#include "po/Catalogue.h"

#include "base/Numbers.h"
#include "document/TextFormat.h"
#include "formats/DogFormat.h"
#include "formats/Formats.h"
#include "text/ControlCodes.h"

#include <algorithm>
#include <charconv>

namespace quillon {
namespace {

// What one control code does, "*" left out, as the engine reads it.
std::string CodeMeaning(std::string_view code) {
    if (code.size() == 2 && IsDigit(code[0]) && IsDigit(code[1]))
        return "speech animation " + std::to_string((code[0] - '0') * 10 + (code[1] - '0'));
    if (code == "FL") return "face left";
    if (code == "FR") return "face right";
    if (code == "FF") return "face front";
    if (code == "FB") return "face back";
    if (code == "AO") return "the speaker's own animation";
    if (code == "WT") return "pause";
    if (code == "GD") return "Joe grabs low";
    if (code == "GM") return "Joe grabs at middle height";
    if (code.starts_with("XY")) return "a position the engine reads";
    return "a code the engine does not know";
}

// The kind of line a dialogue row is: Joe's, the person's, or the pair of a second visit.
std::string DogLine(const Document& document, int row) {
    const auto* layout = dynamic_cast<const DogLayout*>(document.layout.get());
    if (layout == nullptr) return "Dialogue line.";
    if (row <= layout->JoeLines) {
        if (row == 1 && layout->OpensWithJoe) return "Joe's line, said as the talk opens.";
        return "Joe's line in the dialogue; what comes before its first * is what the choice "
               "menu offers.";
    }
    if (row <= layout->JoeLines + layout->PersonLines)
        return "The other person's line in the dialogue.";
    return row == layout->JoeLines + layout->PersonLines + 1
               ? "The person's greeting when Joe comes back."
               : "Joe's reply when he comes back.";
}

} // namespace

std::string ContextOf(std::string_view fileName, int number) {
    return std::string(fileName) + ":" + std::to_string(number);
}

std::optional<ContextName> ParseContext(std::string_view context) {
    const std::size_t colon = context.rfind(':');
    if (colon == std::string_view::npos || colon == 0 || colon + 1 == context.size())
        return std::nullopt;
    const std::string_view digits = context.substr(colon + 1);
    if (!std::all_of(digits.begin(), digits.end(), IsDigit)) return std::nullopt;
    int number = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (ec != std::errc() || end != digits.data() + digits.size() || number <= 0)
        return std::nullopt;
    return ContextName{std::string(context.substr(0, colon)), number};
}

bool IsCatalogued(const Document& document, int row) {
    if (!document.HasRow(row)) return false;
    const Message& message = document.At(row);
    return message.number > 0 && !message.locked && document.ShowsText(message.original);
}

std::string CodeNotes(std::string_view original) {
    std::string notes;
    std::vector<std::string_view> seen;
    for (const std::string_view code : ControlCodesOf(original)) {
        if (std::find(seen.begin(), seen.end(), code) != seen.end()) continue;
        seen.push_back(code);
        notes +=
            (notes.empty() ? "" : ", ") + std::string(code) + " = " + CodeMeaning(code.substr(1));
    }
    return notes;
}

std::string NotesOf(const Document& document, int row) {
    if (!document.HasRow(row) || document.format == nullptr) return {};
    const TextFormat& format = *document.format;
    const std::string_view kind = KindWord(format);
    const std::string& original = document.At(row).original;
    std::string notes;
    bool spoken = true;
    if (kind == "CUT") {
        notes = "Cutscene line.\nAt most 255 bytes (a letter is one byte).";
    } else if (kind == "DOG") {
        notes = DogLine(document, row) + "\nAt most 255 bytes (a letter is one byte).";
    } else if (kind == "JAS") {
        notes = format.NoteOf(document, row) +
                "\nAt most 255 bytes between two * (a letter is one byte).";
    } else if (kind == "CRD") {
        notes = "Credits line, shown on screen.\nIt must not start with \".\" or \"EN\".";
        spoken = false;
    } else {
        notes = format.NoteOf(document, row);
    }
    if (spoken)
        if (std::string codes = CodeNotes(original); !codes.empty())
            notes += "\nControl codes, to keep in their number: " + codes + ".";
    return notes;
}

std::vector<CatalogueEntry> EntriesOf(const GameText& file, GameFont font, bool translations) {
    std::vector<CatalogueEntry> entries;
    const Document& document = file.document;
    for (int row = 1; row <= document.Count(); ++row) {
        if (!IsCatalogued(document, row)) continue;
        const Message& message = document.At(row);
        CatalogueEntry entry;
        entry.context = ContextOf(file.name, message.number);
        entry.id = GameBytesToUtf8(font, message.original);
        if (translations && !message.edited.empty() && message.edited != message.original)
            entry.translation = GameBytesToUtf8(font, message.edited);
        entry.comments = NotesOf(document, row);
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace quillon
