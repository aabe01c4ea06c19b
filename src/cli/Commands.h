// The batch tool's commands; each returns its exit status.
#pragma once

#include "cli/CommandLine.h"

#include <ostream>
#include <string_view>

namespace quillon::cli {

int RunList(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunExport(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunCheck(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunApply(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunUnpack(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunPack(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunStatus(const CommandLine& line, std::ostream& out, std::ostream& err);
// Built only with libgettextpo (QUILLON_WITH_PO).
int RunPoExport(const CommandLine& line, std::ostream& out, std::ostream& err);
int RunPoImport(const CommandLine& line, std::ostream& out, std::ostream& err);

// Reports a failed write to stdout (a closed pipe, a full disk) as an error of its own.
int FinishOutput(std::ostream& out, std::ostream& err, int status);
// Bytes to the -o file, replaced whole, or without -o to stdout; the exit status.
int DeliverOutput(const CommandLine& line, std::string_view bytes, std::ostream& out,
                  std::ostream& err);

} // namespace quillon::cli
