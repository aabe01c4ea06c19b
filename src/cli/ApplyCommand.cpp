// "apply": a new cutscene file holding a work file's messages, or the old one updated in place.
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "cli/OpenedCut.h"
#include "cli/Verdict.h"

#include "base/FileIO.h"
#include "base/Utf8Path.h"

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
    OpenedCut cut;
    const std::optional<Verdict> checked =
        CheckWorkFile(PathFromUtf8(line.files[0]), PathFromUtf8(line.files[1]), cut, out, err);
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

    if (std::string unfit = CheckCutWritable(cut.table, cut.layout); !unfit.empty()) {
        err << Utf8FromPath(target) << ": not written. " << unfit << '\n';
        return FinishOutput(out, err, kExitError);
    }
    PadForParity(cut.table);
    // The source is read again now, as the editor does when it writes, so a file changed on disk
    // since it was listed is caught by the builder instead of being patched blindly.
    FileReadResult source = ReadWholeFile(cut.path);
    if (!source.error.empty()) {
        err << source.error << '\n';
        return FinishOutput(out, err, kExitError);
    }
    CutBuildResult built = BuildCutBytes(source.bytes, cut.table, cut.layout);
    if (!built.error.empty()) {
        err << Utf8FromPath(cut.path) << ": " << built.error << '\n';
        return FinishOutput(out, err, kExitError);
    }

    if (IsSameFile(cut.path, target)) {
        std::filesystem::path temp = cut.path;
        temp += ".TEMP";
        std::string problem = WriteFileAtomically(temp, built.bytes);
        if (problem.empty()) problem = FinishUpdateInPlace(cut.path);
        if (!problem.empty()) {
            err << problem << '\n';
            return FinishOutput(out, err, kExitError);
        }
        out << "CUT file is updated!\n";
    } else {
        if (std::string problem = WriteFileAtomically(target, built.bytes); !problem.empty()) {
            err << problem << '\n';
            return FinishOutput(out, err, kExitError);
        }
        out << "CUT file is created!\n";
    }
    return FinishOutput(out, err, kExitOk);
}

} // namespace quillon::cli
