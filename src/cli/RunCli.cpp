// Dispatches the batch tool's arguments to its commands.
#include "cli/Cli.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Usage.h"

#include "base/FileIO.h"
#include "base/Utf8Path.h"

namespace quillon::cli {

int FinishOutput(std::ostream& out, std::ostream& err, int status) {
    out.flush();
    if (!out) {
        err << "stdout: the output could not be written.\n";
        return kExitError;
    }
    return status;
}

int DeliverOutput(const CommandLine& line, std::string_view bytes, std::ostream& out,
                  std::ostream& err) {
    if (!line.output) {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return FinishOutput(out, err, kExitOk);
    }
    if (std::string problem = WriteFileAtomically(PathFromUtf8(*line.output), bytes);
        !problem.empty()) {
        err << problem << '\n';
        return kExitError;
    }
    return kExitOk;
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const CommandLine line = ParseCommandLine(args);
    if (!line.error.empty()) {
        err << line.error << '\n';
        return kExitError;
    }
    if (line.help) {
        out << UsageText(line.command);
        return FinishOutput(out, err, kExitOk);
    }
    if (line.command == "list") return RunList(line, out, err);
    if (line.command == "export") return RunExport(line, out, err);
    if (line.command == "check") return RunCheck(line, out, err);
    if (line.command == "unpack") return RunUnpack(line, out, err);
    if (line.command == "pack") return RunPack(line, out, err);
    if (line.command == "status") return RunStatus(line, out, err);
    if (line.command.starts_with("po ")) {
#ifdef QUILLON_WITH_PO
        return line.command == "po export" ? RunPoExport(line, out, err)
                                           : RunPoImport(line, out, err);
#else
        err << kProgramName << " " << line.command
            << ": this build has no gettext catalogues (it was made without libgettextpo).\n";
        return kExitError;
#endif
    }
    return RunApply(line, out, err);
}

} // namespace quillon::cli
