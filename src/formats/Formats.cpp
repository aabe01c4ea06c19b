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

std::string GameFilesDialogFilter() {
    std::string filter;
    for (const TextFormat* format : AllFormats())
        filter.append(filter.empty() ? "" : "|").append(format->DialogFilter());
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
