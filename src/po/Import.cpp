// A translated catalogue put back into the game's documents.
#include "po/Import.h"

#include "document/TextFormat.h"
#include "po/Catalogue.h"

#include <map>

namespace quillon {

ImportReport ImportCatalogue(std::vector<GameText>& files, const std::vector<PoEntry>& entries,
                             const ImportOptions& options) {
    ImportReport report;
    report.files.resize(files.size());
    std::map<std::string, std::size_t> byName;
    for (std::size_t i = 0; i < files.size(); ++i) {
        byName.emplace(files[i].name, i);
        Document& document = files[i].document;
        for (int row = 1; row <= document.Count(); ++row)
            if (IsCatalogued(document, row)) document.At(row).edited = document.At(row).original;
    }

    for (const PoEntry& entry : entries) {
        if (entry.obsolete || entry.translation.empty()) continue;
        const std::optional<ContextName> name = ParseContext(entry.context);
        const auto file = name ? byName.find(name->fileName) : byName.end();
        const std::string label = name ? entry.context : "msgctxt \"" + entry.context + "\"";
        const auto say = [&](const std::string& what) {
            report.lines.push_back(label + ": " + what);
        };
        if (file == byName.end()) {
            say("stale: no message of the game has this name; not taken");
            ++report.stale;
            continue;
        }
        GameText& text = files[file->second];
        Document& document = text.document;
        const int row = document.RowOfNumber(name->number);
        if (row == 0 || !IsCatalogued(document, row)) {
            say("stale: " + text.name + " has no message " + std::to_string(name->number) +
                " to translate; not taken");
            ++report.stale;
            continue;
        }
        Message& message = document.At(row);
        if (entry.id != GameBytesToUtf8(options.font, message.original)) {
            say("stale: the game's original is no longer this msgid; not taken");
            ++report.stale;
            continue;
        }
        if (entry.fuzzy && !options.fuzzy) {
            say("fuzzy: left out (--fuzzy takes it)");
            ++report.fuzzy;
            continue;
        }
        FileImport& counts = report.files[file->second];
        // A translation that is its original keeps its bytes: a letter two bytes draw (é is
        // 0x82 and 0xE9) would otherwise come back as the higher one.
        Utf8ToGameResult bytes;
        if (entry.translation == entry.id)
            bytes.bytes = message.original;
        else
            bytes = Utf8ToGameBytes(options.font, entry.translation, true);
        if (!bytes.Ok()) {
            say("the game's font has no " + ListOfNames(bytes.refused));
            ++counts.invalid, ++report.invalid, ++report.dropped;
            continue;
        }
        if (!bytes.replaced.empty()) say("replaced by plain signs: " + ListOfNames(bytes.replaced));
        message.edited = bytes.bytes;
        document.Validate(row);
        if (document.IsBlank(message)) {
            say("the translation shows no text where the original does");
            message.edited = message.original;
            document.Validate(row);
            ++counts.invalid, ++report.invalid, ++report.dropped;
            continue;
        }
        // Kept in the document, so that --force can write it as 'apply --force' does.
        ++counts.taken;
        if (message.invalid) {
            say(message.problem);
            ++counts.invalid, ++report.invalid;
        } else {
            ++report.taken;
        }
    }

    // What only the whole file can tell, such as a cutscene message too long once padded.
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (report.files[i].taken == 0) continue;
        // Translations already refused are left out, so that each is named once.
        Document trial = files[i].document;
        for (int row = 1; row <= trial.Count(); ++row)
            if (trial.At(row).invalid) trial.At(row).edited = trial.At(row).original;
        trial.format->FitForWriting(trial);
        if (std::string unfit = trial.format->CheckWritable(trial); !unfit.empty()) {
            report.lines.push_back(files[i].name + ": " + unfit);
            ++report.files[i].invalid, ++report.invalid;
        }
    }
    return report;
}

} // namespace quillon
