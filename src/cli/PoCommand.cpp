// "po export" and "po import": the whole game as one gettext catalogue, for translating in
// the tools of a team (Poedit, Weblate), and a translated catalogue back as work files or
// game files.
#include "cli/Cli.h"
#include "cli/Commands.h"

#include "base/AsciiCase.h"
#include "base/FileIO.h"
#include "base/Utf8Path.h"
#include "document/TextFormat.h"
#include "po/Catalogue.h"
#include "po/GameTexts.h"
#include "po/Import.h"
#include "po/PoFile.h"
#include "project/WorkFiles.h"
#include "work/Tmf.h"

#include <algorithm>
#include <filesystem>
#include <memory>

namespace quillon::cli {
namespace {

namespace fs = std::filesystem;

// The header of every catalogue made here. The fields a translator fills in keep gettext's
// placeholders, and the header is fuzzy until then, as in a template made by xgettext.
std::string HeaderOf(char language) {
    return std::string("Project-Id-Version: Flight of the Amazon Queen\n"
                       "Report-Msgid-Bugs-To: \n"
                       "PO-Revision-Date: YEAR-MO-DA HO:MI+ZONE\n"
                       "Last-Translator: FULL NAME <EMAIL@ADDRESS>\n"
                       "Language-Team: LANGUAGE <LL@li.org>\n"
                       "Language: \n"
                       "MIME-Version: 1.0\n"
                       "Content-Type: text/plain; charset=UTF-8\n"
                       "Content-Transfer-Encoding: 8bit\n"
                       "X-Generator: quillon-cli\n"
                       "X-Game-Language: ") +
           language + "\n";
}

bool IsFolder(const std::string& name) {
    std::error_code ec;
    return fs::is_directory(PathFromUtf8(name), ec);
}

// The catalogue's charset is the game's letters in UTF-8; a catalogue saved in another one
// would read as other letters.
bool IsUtf8Charset(const std::string& charset) {
    const std::string upper = UpperCase(charset);
    return charset.empty() || upper == "UTF-8" || upper == "UTF8" || upper == "CHARSET" ||
           upper == "ASCII" || upper == "US-ASCII";
}

bool IsUnchanged(const Document& document) {
    return std::all_of(document.Messages().begin(), document.Messages().end(),
                       [](const Message& m) { return m.edited.empty() || m.edited == m.original; });
}

std::string Plural(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

} // namespace

int RunPoExport(const CommandLine& line, std::ostream& out, std::ostream& err) {
    if (line.tmfFolder && !IsFolder(*line.tmfFolder)) {
        err << *line.tmfFolder << ": not a folder.\n";
        return kExitError;
    }
    GameTextsResult game = ReadGameTexts(PathFromUtf8(line.files[0]));
    if (!game.error.empty()) {
        err << game.error << '\n';
        return kExitError;
    }
    if (line.tmfFolder) {
        // Each file's newest work file of the folder, as 'status' reads them.
        WorkFileIndex index;
        index.AddWorkFolder(PathFromUtf8(*line.tmfFolder));
        for (GameText& file : game.files)
            if (const WorkFile work = index.NewestFor(file.name); work.source != WorkSource::None)
                ApplyTmfLines(file.document, work.tmf.lines);
    }
    const GameFont font = FontOfLanguage(line.Language());
    std::vector<CatalogueEntry> entries;
    int translated = 0;
    for (const GameText& file : game.files) {
        for (CatalogueEntry& entry : EntriesOf(file, font, line.tmfFolder.has_value())) {
            translated += entry.translation.empty() ? 0 : 1;
            entries.push_back(std::move(entry));
        }
    }
    const PoWriteResult po = BuildPoFile(HeaderOf(line.Language()), true, entries);
    if (!po.error.empty()) {
        err << po.error << '\n';
        return kExitError;
    }
    // The counts follow only a catalogue written to a file: stdout holds the catalogue.
    if (const int status = DeliverOutput(line, po.bytes, out, err);
        status != kExitOk || !line.output)
        return status;
    out << "Entries exported: " << entries.size() << '\n';
    if (line.tmfFolder) out << "Translated: " << translated << '\n';
    return FinishOutput(out, err, kExitOk);
}

int RunPoImport(const CommandLine& line, std::ostream& out, std::ostream& err) {
    const PoReadResult po = ReadPoFile(PathFromUtf8(line.files[0]));
    if (!po.error.empty()) {
        err << po.error << '\n';
        return kExitError;
    }
    if (!IsUtf8Charset(po.charset)) {
        err << line.files[0] << ": the catalogue is in " << po.charset
            << "; convert it with msgconv --to-code=UTF-8.\n";
        return kExitError;
    }
    GameTextsResult game = ReadGameTexts(PathFromUtf8(*line.game));
    if (!game.error.empty()) {
        err << game.error << '\n';
        return kExitError;
    }
    const fs::path dir = PathFromUtf8(*line.output);
    std::error_code ec;
    if (line.apply && fs::equivalent(dir, PathFromUtf8(*line.game), ec)) {
        err << *line.output << ": this is the game's own folder; write the translation to "
            << "another one.\n";
        return kExitError;
    }

    // Made even when nothing is written, so that 'pack' can always be given it.
    fs::create_directories(dir, ec);
    if (ec) {
        err << *line.output << ": the folder cannot be made (" << ec.message() << ").\n";
        return kExitError;
    }

    // The catalogue says which version of the game it was made from: its letters are read
    // through that version's font unless --language says otherwise.
    char language = line.Language();
    if (!line.language && po.gameLanguage.size() == 1 &&
        std::string_view(kLanguageLetters).find(po.gameLanguage[0]) != std::string_view::npos)
        language = po.gameLanguage[0];
    const ImportReport report =
        ImportCatalogue(game.files, po.entries, {FontOfLanguage(language), line.force, line.fuzzy});
    for (const std::string& said : report.lines)
        err << said << '\n';

    bool refused = report.stale > 0 || report.dropped > 0;
    std::vector<std::unique_ptr<AtomicFileWriter>> writers;
    for (std::size_t i = 0; i < game.files.size(); ++i) {
        const FileImport& counts = report.files[i];
        GameText& file = game.files[i];
        if (counts.taken == 0) continue;
        if (!counts.Writable(line.force)) {
            err << file.name << ": not written. "
                << Plural(counts.invalid, "translation is", "translations are")
                << " invalid; --force writes the file anyway.\n";
            refused = true;
            continue;
        }
        std::string bytes;
        std::string target = file.name;
        Document& document = file.document;
        if (line.apply && IsUnchanged(document)) {
            // The writer would drop the pairs of spaces the reader trims off a cutscene
            // message's end: a file whose every translation is its original stays the file.
            bytes = file.source;
        } else if (line.apply) {
            document.format->FitForWriting(document);
            if (std::string unfit = document.format->CheckWritable(document); !unfit.empty()) {
                err << file.name << ": not written. " << unfit << '\n';
                refused = true;
                continue;
            }
            WriteResult built = document.format->Write(document, file.source);
            if (!built.error.empty()) {
                err << file.name << ": " << built.error << '\n';
                return kExitError;
            }
            bytes = std::move(built.bytes);
        } else {
            // Named as the README's loop names them, whole: C1.CUT.tmf beside C1.DOG.tmf.
            TmfBuildResult tmf = BuildTmf(file.name, document, TmfContent::NewMessages);
            if (!tmf.error.empty()) {
                err << file.name << ": " << tmf.error << '\n';
                return kExitError;
            }
            bytes = std::move(tmf.bytes);
            target += ".tmf";
        }
        writers.push_back(std::make_unique<AtomicFileWriter>(dir / PathFromUtf8(target)));
        writers.back()->Write(bytes);
        if (std::string problem = writers.back()->Close(); !problem.empty()) {
            err << problem << '\n';
            return kExitError;
        }
    }
    std::vector<AtomicFileWriter*> all;
    for (const auto& writer : writers)
        all.push_back(writer.get());
    if (std::string problem = AtomicFileWriter::CommitAll(all); !problem.empty()) {
        err << problem << '\n';
        return kExitError;
    }
    out << "Translations taken: " << report.taken << '\n'
        << "Files written: " << writers.size() << '\n';
    return FinishOutput(out, err, refused ? kExitInvalid : kExitOk);
}

} // namespace quillon::cli
