// "apply": a new game text file holding a work file's messages, or the old one updated in place.
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "cli/OpenedFile.h"
#include "cli/Verdict.h"

#include "base/FileIO.h"
#include "base/Utf8Path.h"
#include "document/TextFormat.h"
#include "formats/Formats.h"

#include <filesystem>
#include <system_error>

namespace quillon::cli {

namespace {

bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

std::string Plural(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

} // namespace

int RunApply(const CommandLine& line, std::ostream& out, std::ostream& err) {
    const std::filesystem::path target = PathFromUtf8(*line.output);
    OpenedFile file;
    file.font = FontOfLanguage(line.Language());
    file.utf8 = line.utf8;
    const std::optional<Verdict> checked = CheckWorkFile(
        PathFromUtf8(line.files[0]), PathFromUtf8(line.files[1]), line.Language(), file, out, err);
    if (!file.lettersNote.empty()) err << file.lettersNote << '\n';
    if (!checked) return kExitError;
    const Verdict& verdict = *checked;
    // A blank message would leave a hole in the scene, so not even --force writes one.
    if (verdict.blankCount > 0) {
        err << Utf8FromPath(target) << ": not written. "
            << Plural(verdict.blankCount, "message is", "messages are") << " blank.\n";
        return FinishOutput(out, err, kExitInvalid);
    }
    if (verdict.invalidCount > 0 && !line.force) {
        err << Utf8FromPath(target) << ": not written. "
            << Plural(verdict.invalidCount, "message is", "messages are")
            << " invalid; --force writes the file anyway.\n";
        return FinishOutput(out, err, kExitInvalid);
    }

    Document& document = file.document;
    if (std::string unfit = document.format->CheckWritable(document); !unfit.empty()) {
        err << Utf8FromPath(target) << ": not written. " << unfit << '\n';
        return FinishOutput(out, err, kExitError);
    }
    document.format->FitForWriting(document);
    // The source is read again now, as the editor does when it writes, so a file changed on disk
    // since it was listed is caught by the builder instead of being patched blindly.
    FileReadResult source = ReadWholeFile(file.path);
    if (!source.error.empty()) {
        err << source.error << '\n';
        return FinishOutput(out, err, kExitError);
    }
    WriteResult built = document.format->Write(document, source.bytes);
    if (!built.error.empty()) {
        err << Utf8FromPath(file.path) << ": " << built.error << '\n';
        return FinishOutput(out, err, kExitError);
    }

    if (IsSameFile(file.path, target)) {
        std::filesystem::path temp = file.path;
        temp += ".TEMP";
        std::string problem = WriteFileAtomically(temp, built.bytes);
        if (problem.empty()) problem = FinishUpdateInPlace(file.path);
        if (!problem.empty()) {
            err << problem << '\n';
            return FinishOutput(out, err, kExitError);
        }
        out << KindWord(*document.format) << " file is updated!\n";
    } else {
        if (std::string problem = WriteFileAtomically(target, built.bytes); !problem.empty()) {
            err << problem << '\n';
            return FinishOutput(out, err, kExitError);
        }
        out << KindWord(*document.format) << " file is created!\n";
    }
    return FinishOutput(out, err, kExitOk);
}

} // namespace quillon::cli
