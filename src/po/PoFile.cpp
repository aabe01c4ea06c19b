// gettext catalogues read and written through libgettextpo.
#include "po/PoFile.h"

#include "base/FileIO.h"
#include "base/Utf8Path.h"

#include <gettext-po.h>

#include <cerrno>
#include <csetjmp>
#include <cstdlib>
#include <string_view>

#ifdef _WIN32
#include <process.h>
#define QUILLON_GETPID _getpid
#else
#include <unistd.h>
#define QUILLON_GETPID getpid
#endif

// libgettextpo 0.21 does not free all it allocates: the lexer's copy of the file name and
// strings of its grammar while reading, every message's context once written, and what a
// fatal error leaves when the handler jumps back. None of it grows with anything but the
// number of catalogues handled, so LeakSanitizer, where it runs, is told to leave the
// library's own allocations alone; ours are still checked.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libgettextpo\n";
}
// Without the table of suppressions used on stderr, which would break a one-line error.
extern "C" const char* __lsan_default_options() {
    return "print_suppressions=0";
}

namespace quillon {
namespace {

namespace fs = std::filesystem;

// The library reports problems through callbacks, and a fatal one must not return to it: the
// handler jumps back to the call that started the work. Only one call runs at a time.
struct LibraryCall {
    std::jmp_buf fatal;
    std::string firstError;
};
LibraryCall* gCall = nullptr;

std::string Where(const char* filename, std::size_t lineno) {
    if (filename == nullptr) return {};
    std::string where = filename;
    if (lineno != static_cast<std::size_t>(-1)) where += ":" + std::to_string(lineno);
    return where + ": ";
}

// The first line of a library message, which may span several.
std::string FirstLine(const char* text) {
    std::string line = text ? text : "";
    line = line.substr(0, line.find('\n'));
    return line;
}

void OnProblem(int severity, po_message_t, const char* filename, std::size_t lineno, std::size_t,
               int, const char* text) {
    if (severity != PO_SEVERITY_WARNING && gCall->firstError.empty())
        gCall->firstError = Where(filename, lineno) + FirstLine(text);
    if (severity == PO_SEVERITY_FATAL_ERROR) std::longjmp(gCall->fatal, 1);
}

void OnProblem2(int severity, po_message_t message1, const char* filename1, std::size_t lineno1,
                std::size_t column1, int multiline1, const char* text1, po_message_t, const char*,
                std::size_t, std::size_t, int, const char*) {
    OnProblem(severity, message1, filename1, lineno1, column1, multiline1, text1);
}

const po_xerror_handler kHandler = {OnProblem, OnProblem2};

// Runs work (a call into the library) with the handler set up; false when it reported an error.
// Nothing with a destructor may live in work between the jump's start and its end.
template <typename Work> bool CallLibrary(LibraryCall& call, Work&& work) {
    gCall = &call;
    if (setjmp(call.fatal) != 0) {
        gCall = nullptr;
        return false;
    }
    work();
    gCall = nullptr;
    return call.firstError.empty();
}

std::string Text(const char* text) {
    return text ? text : "";
}

// "text/plain; charset=UTF-8" gives "UTF-8".
std::string CharsetOf(const std::string& contentType) {
    const std::size_t at = contentType.find("charset=");
    if (at == std::string::npos) return {};
    std::string charset = contentType.substr(at + 8);
    return charset.substr(0, charset.find_first_of("; \t"));
}

// A fresh file in the system's temporary folder that no one else is writing.
fs::path NewScratchFile(std::string& error) {
    std::error_code ec;
    const fs::path folder = fs::temp_directory_path(ec);
    if (ec) {
        error = "no temporary folder to write the catalogue in (" + ec.message() + ").";
        return {};
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path path = folder / ("quillon-" + std::to_string(QUILLON_GETPID()) + "-" +
                                        std::to_string(attempt) + ".po");
        if (std::FILE* file = CreateNewFile(path)) {
            std::fclose(file);
            return path;
        }
        if (errno != EEXIST) break;
    }
    error = Utf8FromPath(folder) + ": no temporary file could be made for the catalogue.";
    return {};
}

} // namespace

PoReadResult ReadPoFile(const fs::path& path) {
    PoReadResult result;
    // Read once first, so a missing or unreadable file gets the words every command uses.
    if (FileReadResult bytes = ReadWholeFile(path); !bytes.error.empty()) {
        result.error = bytes.error;
        return result;
    }
    const std::string name = Utf8FromPath(path);
    LibraryCall call;
    po_file_t file = nullptr;
    const bool read = CallLibrary(call, [&] { file = po_file_read(name.c_str(), &kHandler); });
    if (!read || file == nullptr) {
        if (file != nullptr) po_file_free(file);
        result.error = call.firstError.empty()           ? name + ": not a gettext catalogue."
                       : call.firstError.find(name) == 0 ? call.firstError
                                                         : name + ": " + call.firstError;
        return result;
    }
    if (const char* header = po_file_domain_header(file, nullptr)) {
        if (char* type = po_header_field(header, "Content-Type")) {
            result.charset = CharsetOf(type);
            std::free(type);
        }
        if (char* language = po_header_field(header, "X-Game-Language")) {
            result.gameLanguage = language;
            std::free(language);
        }
    }
    po_message_iterator_t it = po_message_iterator(file, nullptr);
    while (po_message_t message = po_next_message(it)) {
        PoEntry entry;
        entry.context = Text(po_message_msgctxt(message));
        entry.id = Text(po_message_msgid(message));
        entry.translation = Text(po_message_msgstr(message));
        entry.fuzzy = po_message_is_fuzzy(message) != 0;
        entry.obsolete = po_message_is_obsolete(message) != 0;
        if (entry.id.empty() && po_message_msgctxt(message) == nullptr) continue; // the header
        result.entries.push_back(std::move(entry));
    }
    po_message_iterator_free(it);
    po_file_free(file);
    return result;
}

PoWriteResult BuildPoFile(const std::string& header, bool headerFuzzy,
                          const std::vector<CatalogueEntry>& entries) {
    PoWriteResult result;
    po_file_t file = po_file_create();
    po_message_iterator_t it = po_message_iterator(file, nullptr);
    po_message_t head = po_message_create();
    po_message_set_msgid(head, "");
    po_message_set_msgstr(head, header.c_str());
    po_message_set_fuzzy(head, headerFuzzy ? 1 : 0);
    po_message_insert(it, head);
    for (const CatalogueEntry& entry : entries) {
        po_message_t message = po_message_create();
        po_message_set_msgctxt(message, entry.context.c_str());
        po_message_set_msgid(message, entry.id.c_str());
        po_message_set_msgstr(message, entry.translation.c_str());
        if (!entry.comments.empty())
            po_message_set_extracted_comments(message, entry.comments.c_str());
        // "#: C1.CUT:12": a catalogue editor shows it as where the message comes from.
        const std::size_t colon = entry.context.rfind(':');
        po_message_add_filepos(
            message, entry.context.substr(0, colon).c_str(),
            static_cast<std::size_t>(std::atoi(entry.context.c_str() + colon + 1)));
        po_message_insert(it, message);
    }
    po_message_iterator_free(it);

    // The library writes to a named file only: a scratch file, read back whole.
    const fs::path scratch = NewScratchFile(result.error);
    if (!result.error.empty()) {
        po_file_free(file);
        return result;
    }
    const std::string scratchName = Utf8FromPath(scratch);
    LibraryCall call;
    const bool written =
        CallLibrary(call, [&] { po_file_write(file, scratchName.c_str(), &kHandler); });
    po_file_free(file);
    if (!written) {
        result.error = "the catalogue could not be written: " + call.firstError;
    } else {
        FileReadResult bytes = ReadWholeFile(scratch);
        result.error = bytes.error;
        result.bytes = std::move(bytes.bytes);
    }
    std::error_code ec;
    fs::remove(scratch, ec);
    return result;
}

} // namespace quillon
