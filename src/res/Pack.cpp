// Puts files back into a resource file, streaming the game file into the new one.
#include "res/Pack.h"

#include "base/AsciiCase.h"
#include "base/FileIO.h"
#include "base/Utf8Path.h"
#include "formats/Formats.h"

#include <algorithm>
#include <limits>
#include <map>
#include <system_error>
#include <unordered_map>

namespace quillon {

namespace fs = std::filesystem;

namespace {

constexpr std::uint64_t kMax32 = std::numeric_limits<std::uint32_t>::max();

void PutBigEndian32(std::string& bytes, std::size_t at, std::uint64_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (24 - 8 * i)) & 0xFF);
}

std::string AllNames(const std::vector<std::string>& names) {
    std::string out;
    for (const std::string& name : names)
        out += (out.empty() ? "" : ", ") + ShownName(name);
    return out;
}

bool IsSameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

std::uint64_t GetBigEndian32(std::string_view bytes, std::size_t at) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

bool IsFullPcVersion(std::string_view version) {
    return version.size() == 5 && (version[0] == 'C' || version[0] == 'P') &&
           kVersionLanguages.find(version[1]) != std::string_view::npos &&
           version.substr(2) == "M10";
}

// Puts the language letter into the new table's version string and finds where QUEEN.JAS's
// copy of that letter lands in the new file (jasLetterAt), once both strings are as expected.
std::string PlaceLanguage(const ResourceTable& table, const std::string& gameName,
                          const std::vector<PackSource>& sources, ResourceInput& input,
                          char language, std::string& tableBytes, std::uint64_t& jasLetterAt) {
    const std::string version = table.Version();
    if (kVersionLanguages.find(language) == std::string_view::npos)
        return "unknown language letter '" + ShownName(std::string(1, language)) +
               "': use one of E F G I S H g R; nothing written.";
    if (!IsFullPcVersion(version))
        return gameName + ": the version string is \"" + ShownName(version) +
               "\", not a full PC release's (such as CEM10), so its language letter is not "
               "changed; nothing written.";
    const int jas = table.Find("QUEEN.JAS");
    if (jas < 0 || !table.entries[static_cast<std::size_t>(jas)].InThisFile())
        return gameName + ": no QUEEN.JAS in this file to carry the language letter; nothing "
                          "written.";
    const ResourceEntry& entry = table.entries[static_cast<std::size_t>(jas)];

    const std::string expected = version + '\0';
    std::string found;
    std::string where = gameName + ": QUEEN.JAS";
    bool read = false;
    const auto replaced = std::find_if(sources.begin(), sources.end(), [jas](const PackSource& s) {
        return s.entry == static_cast<std::size_t>(jas);
    });
    if (replaced != sources.end()) {
        where = Utf8FromPath(replaced->file);
        ResourceInput copy(replaced->file);
        if (!copy.ok()) return copy.error() + " Nothing written.";
        read = replaced->size >= kJasVersionAt + expected.size() &&
               copy.ReadInto(kJasVersionAt, expected.size(), found);
    } else {
        read = entry.size >= kJasVersionAt + expected.size() &&
               input.ReadInto(entry.offset + kJasVersionAt, expected.size(), found);
    }
    if (!read) return where + ": too short to hold the version string at 0x12484; nothing written.";
    if (found != expected)
        return where + ": the bytes at 0x12484 are \"" + ShownName(found) +
               "\", not the header's version string \"" + version +
               "\"; the engine would refuse the game, so nothing written.";

    tableBytes[kResourceVersionAt + kVersionLanguageAt] = language;
    jasLetterAt = GetBigEndian32(tableBytes,
                                 ResourceEntryAt(static_cast<std::size_t>(jas)) + kEntryOffsetAt) +
                  kJasVersionAt + kVersionLanguageAt;
    return {};
}

} // namespace

std::string MatchReplacements(const ResourceTable& table, const std::string& gameName,
                              const fs::path& dir, std::vector<PackSource>& sources) {
    sources.clear();
    std::error_code ec;
    if (!fs::is_directory(dir, ec))
        return Utf8FromPath(dir) + (fs::exists(dir, ec) ? ": this is a file, not a folder."
                                                        : ": the folder does not exist.");
    std::vector<fs::directory_entry> listing;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        listing.push_back(*it);
    if (ec) return Utf8FromPath(dir) + ": the folder cannot be read (" + ec.message() + ").";
    std::sort(listing.begin(), listing.end(), [](const auto& a, const auto& b) {
        return a.path().filename() < b.path().filename();
    });

    std::unordered_map<std::string, std::size_t> byName; // upper-case name -> entry
    for (std::size_t i = 0; i < table.entries.size(); ++i)
        byName.emplace(UpperCase(table.entries[i].name), i);

    std::vector<std::string> unmatched, notFiles;
    std::map<std::size_t, std::string> claimed; // entry -> the file that names it
    std::string twice;                          // two files naming one entry
    std::vector<PackSource> found;
    for (const fs::directory_entry& item : listing) {
        const std::string name = Utf8FromPath(item.path().filename());
        const auto match = byName.find(UpperCase(name));
        if (match == byName.end()) {
            unmatched.push_back(name);
            continue;
        }
        if (!item.is_regular_file(ec)) {
            notFiles.push_back(name);
            continue;
        }
        const std::size_t entry = match->second;
        if (const auto [at, fresh] = claimed.emplace(entry, name); !fresh) {
            if (twice.empty())
                twice = Utf8FromPath(dir) + ": " + ShownName(at->second) + " and " +
                        ShownName(name) + " both stand for the entry " + table.entries[entry].name +
                        "; nothing written.";
            continue;
        }
        found.push_back({entry, item.path(), 0});
    }
    if (!unmatched.empty())
        return Utf8FromPath(dir) + ": " + std::to_string(unmatched.size()) +
               (unmatched.size() == 1 ? " file matches" : " files match") + " no entry of " +
               gameName + ": " + AllNames(unmatched) + "; nothing written.";
    if (!twice.empty()) return twice;
    if (!notFiles.empty())
        return Utf8FromPath(dir) + ": " + AllNames(notFiles) +
               (notFiles.size() == 1 ? " is not a file" : " are not files") + "; nothing written.";

    for (PackSource& source : found) {
        const ResourceEntry& entry = table.entries[source.entry];
        const std::string shown = Utf8FromPath(source.file);
        if (!entry.InThisFile())
            return shown + ": the entry " + entry.name + " of " + gameName + " lies in bundle " +
                   std::to_string(entry.bundle) +
                   ", not in this file, so it cannot be replaced; nothing written.";
        ResourceInput input(source.file);
        if (!input.ok()) return input.error() + " Nothing written.";
        source.size = input.Size();
        // A game text file goes in only when the editor could open it again.
        if (IsGameTextFile(entry.name)) {
            const ReadResult text = ReadGameFile(source.file);
            if (!text.ok()) return text.message + " Nothing written.";
        }
    }
    sources = std::move(found);
    return {};
}

PackPlanResult PlanPack(const ResourceTable& table, const std::vector<PackSource>& sources) {
    PackPlanResult result;
    PackPlan& plan = result.plan;
    plan.tableBytes = table.tableBytes;

    std::vector<int> sourceOf(table.entries.size(), -1);
    for (std::size_t s = 0; s < sources.size(); ++s)
        sourceOf[sources[s].entry] = static_cast<int>(s);

    const std::vector<std::size_t> order = FileOrder(table);

    auto add = [&plan](int source, std::uint64_t offset, std::uint64_t size) {
        if (size == 0) return;
        if (source < 0 && !plan.pieces.empty()) {
            PackPiece& last = plan.pieces.back();
            if (last.source < 0 && last.offset + last.size == offset) {
                last.size += size; // untouched neighbours are copied in one run
                return;
            }
        }
        plan.pieces.push_back({source, offset, size});
    };

    std::uint64_t cursor = table.TableEnd(); // in the game file
    std::uint64_t out = table.TableEnd();    // in the new file
    for (std::size_t index : order) {
        const ResourceEntry& entry = table.entries[index];
        add(-1, cursor, entry.offset - cursor); // a gap stays a gap
        out += entry.offset - cursor;
        const int source = sourceOf[index];
        const std::uint64_t size = source < 0 ? entry.size : sources[source].size;
        // The engine addresses the file with 32-bit offsets: every entry must end within them.
        if (out + size > kMax32 + 1) {
            result.error = "the new file would not fit the table's 32-bit offsets: " + entry.name +
                           " would lie at offsets " + std::to_string(out) + " to " +
                           std::to_string(out + size) + ", past 4 GiB.";
            result.plan = {};
            return result;
        }
        const std::size_t at = ResourceEntryAt(index);
        PutBigEndian32(plan.tableBytes, at + kEntryOffsetAt, out);
        PutBigEndian32(plan.tableBytes, at + kEntrySizeAt, size);
        if (source < 0)
            add(-1, entry.offset, entry.size);
        else
            add(source, 0, size);
        out += size;
        cursor = entry.offset + entry.size;
    }
    add(-1, cursor, table.fileSize - cursor);
    plan.outputSize = out + (table.fileSize - cursor);
    return result;
}

PackResult Pack(const fs::path& game, const fs::path& dir, const fs::path& output,
                const PackOptions& options) {
    PackResult result;
    ResourceInput input(game);
    const ResourceTableResult read = ReadResourceTable(input, Utf8FromPath(game));
    if (!read.ok()) {
        result.error = read.error;
        return result;
    }
    std::vector<PackSource> sources;
    if (std::string problem = MatchReplacements(read.table, Utf8FromPath(game), dir, sources);
        !problem.empty()) {
        result.error = problem;
        return result;
    }
    const PackPlanResult planned = PlanPack(read.table, sources);
    if (!planned.error.empty()) {
        result.error = Utf8FromPath(output) + ": not written. " + planned.error;
        return result;
    }
    const PackPlan& plan = planned.plan;
    std::string tableBytes = plan.tableBytes;
    constexpr std::uint64_t kNowhere = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t jasLetterAt = kNowhere; // in the new file
    if (options.language != 0) {
        if (std::string problem = PlaceLanguage(read.table, Utf8FromPath(game), sources, input,
                                                options.language, tableBytes, jasLetterAt);
            !problem.empty()) {
            result.error = problem;
            return result;
        }
    }
    result.version = read.table.Version();
    if (options.language != 0) result.version[kVersionLanguageAt] = options.language;

    std::error_code ec;
    result.inPlace = IsSameFile(game, output);
    if (fs::is_directory(output, ec)) {
        result.error = Utf8FromPath(output) + ": this is a folder; nothing written.";
        return result;
    }
    const fs::path folder = output.has_parent_path() ? output.parent_path() : fs::path(".");
    const fs::space_info space = fs::space(folder, ec);
    if (!ec && space.available < plan.outputSize) {
        result.error = Utf8FromPath(output) + ": not enough free space: the new file needs " +
                       std::to_string(plan.outputSize) + " bytes, " +
                       std::to_string(space.available) + " are free. Nothing written.";
        return result;
    }

    fs::path target = output;
    if (result.inPlace) target += ".TEMP";
    {
        AtomicFileWriter writer(target);
        writer.Write(tableBytes);
        std::uint64_t written = tableBytes.size();
        auto sink = [&writer, &written, jasLetterAt, &options](std::string_view piece) {
            if (jasLetterAt >= written && jasLetterAt - written < piece.size()) {
                std::string patched(piece);
                patched[static_cast<std::size_t>(jasLetterAt - written)] = options.language;
                writer.Write(patched);
            } else {
                writer.Write(piece);
            }
            written += piece.size();
        };
        for (const PackPiece& piece : plan.pieces) {
            if (!writer.ok()) break;
            if (piece.source < 0) {
                if (!input.ReadRange(piece.offset, piece.size, sink)) {
                    result.error = input.error() + " Nothing written.";
                    return result;
                }
                continue;
            }
            const PackSource& source = sources[static_cast<std::size_t>(piece.source)];
            ResourceInput replacement(source.file);
            if (replacement.ok() && replacement.Size() != source.size) {
                result.error = Utf8FromPath(source.file) +
                               ": the file has changed while the new file was written; nothing "
                               "written.";
                return result;
            }
            if (!replacement.ReadRange(0, piece.size, sink)) {
                result.error = replacement.error() + " Nothing written.";
                return result;
            }
        }
        // Windows cannot rename over a file that is still open.
        input.Close();
        if (std::string problem = writer.Commit(); !problem.empty()) {
            result.error = problem;
            return result;
        }
    }
    if (result.inPlace) {
        if (std::string problem = FinishUpdateInPlace(game); !problem.empty()) {
            result.error = problem;
            return result;
        }
    }
    result.replaced = static_cast<int>(sources.size());
    return result;
}

} // namespace quillon
