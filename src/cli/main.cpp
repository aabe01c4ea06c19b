// quillon-cli: lists, exports, checks and applies translations of cutscene files without a window.
#include "cli/Cli.h"

#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include "base/Utf8Path.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace {

// A console shows the UTF-8 file names as they are only in its UTF-8 code page; the one it
// had is given back when the tool ends.
class Utf8Console {
public:
    Utf8Console() {
        if (::GetFileType(::GetStdHandle(STD_OUTPUT_HANDLE)) != FILE_TYPE_CHAR &&
            ::GetFileType(::GetStdHandle(STD_ERROR_HANDLE)) != FILE_TYPE_CHAR)
            return;
        previous_ = ::GetConsoleOutputCP();
        if (previous_ != 0) ::SetConsoleOutputCP(CP_UTF8);
    }
    ~Utf8Console() {
        if (previous_ != 0) ::SetConsoleOutputCP(previous_);
    }
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

private:
    UINT previous_ = 0;
};

} // namespace

// The arguments come as wide characters, so a file name outside the ANSI code page arrives
// whole; the commands take them as UTF-8, like every path below the Qt windows.
int wmain(int argc, wchar_t** argv) {
    // Binary streams: "\n" stays one byte and every message byte is written as it is, so the
    // output is the same as on Linux.
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    const Utf8Console console;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(quillon::Utf8FromPath(argv[i]));
    const int status = quillon::cli::RunCli(args, std::cout, std::cerr);
    std::cout.flush();
    return status;
}

#else

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return quillon::cli::RunCli(args, std::cout, std::cerr);
}

#endif
