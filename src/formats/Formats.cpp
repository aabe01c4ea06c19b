// The registry of formats: adding a kind of file is one line here.
#include "formats/Formats.h"

#include "base/AsciiCase.h"
#include "base/FileIO.h"
#include "base/Utf8Path.h"
#include "formats/CrdFormat.h"
#include "formats/CutFormat.h"
#include "formats/DogFormat.h"
#include "formats/JasFormat.h"

namespace quillon {

const std::vector<const TextFormat*>& AllFormats() {
    static const std::vector<const TextFormat*> formats{&TheCutFormat(), &TheDogFormat(),
                                                        &TheJasFormat(), &TheCrdFormat()};
    return formats;
}

const TextFormat* FormatForFile(std::string_view fileName, EndingCase match) {
    for (const TextFormat* format : AllFormats()) {
        std::string_view pattern = format->NamePattern();
        const bool anyStart = pattern.starts_with('*');
        if (anyStart) pattern.remove_prefix(1);
        // A whole name must not match as the end of a longer one.
        if (!anyStart && fileName.size() != pattern.size()) continue;
        if (match == EndingCase::Any ? EndsWithIgnoringCase(fileName, pattern)
                                     : fileName.ends_with(pattern))
            return format;
    }
    return nullptr;
}

std::string_view KindWord(const TextFormat& format) {
    const std::string_view pattern = format.NamePattern();
    return pattern.substr(pattern.rfind('.') + 1);
}

std::string GameFilesDialogFilter() {
    // First every kind at once, so that a folder of the game shows all its text files; then
    // each kind on its own.
    std::string names, patterns;
    for (const TextFormat* format : AllFormats()) {
        const std::string_view pattern = format->NamePattern();
        names.append(names.empty() ? "" : " ").append(pattern);
        patterns.append(patterns.empty() ? "" : ";").append(LowerCase(pattern));
    }
    std::string filter = "Flight of the Amazon Queen text files (" + names + ")|" + patterns;
    for (const TextFormat* format : AllFormats())
        filter.append("|").append(format->DialogFilter());
    return filter;
}

ReadResult ReadGameBytes(std::string_view bytes, std::string_view fileName,
                         const std::string& displayName) {
    const TextFormat* format = FormatForFile(fileName);
    return (format ? format : AllFormats().front())->Read(bytes, displayName);
}

ReadResult ReadGameFile(const std::filesystem::path& path) {
    FileReadResult file = ReadWholeFile(path);
    if (!file.error.empty()) {
        ReadResult result;
        result.failure = ReadFailure::Unreadable;
        result.message = std::move(file.error);
        return result;
    }
    return ReadGameBytes(file.bytes, Utf8FromPath(path.filename()), Utf8FromPath(path));
}

} // namespace quillon
