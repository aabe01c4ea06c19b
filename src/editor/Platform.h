// Everything the editor needs from the world outside its windows: choosers, message boxes,
// the file system as the handlers see it, the program folder, ending the program, links.
#pragma once

#include "base/AsciiCase.h"
#include "settings/SettingsStore.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillon {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };

struct MessageBoxCall {
    std::string text; // lines separated by CR LF
    std::string title;
    MsgIcon icon = MsgIcon::None;
};

// What the shared common dialog hands to the platform when it is shown.
struct FileDialogRequest {
    std::string title;
    std::string initialDir;
    std::string fileName; // initial name
    std::string filter;   // "Description (*.x)|*.x|..."
    bool save = false;
};

// The point sizes the font chooser offers; a stored size outside them is not used.
inline constexpr int kMinFontSize = 8;
inline constexpr int kMaxFontSize = 24;

// A font as the font chooser offers and returns it.
struct FontChoice {
    std::string face = "Arial";
    int pointSize = 12;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    int charset = 0;          // script number: 0 Western, 161 Greek, 204 Cyrillic, ...
    std::uint32_t colour = 0; // red + 256 * green + 65536 * blue
};
struct FontChooserResult {
    bool chosen = false;
    int errorCode = 0; // non-zero when the chooser failed (not for a cancel)
    FontChoice font;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Dialogs. A cancel (or a failure) gives nothing.
    virtual std::optional<std::string> ShowFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<std::uint32_t> ChooseColour() = 0;
    virtual FontChooserResult ChooseFont(const FontChoice& initial) = 0;
    virtual void ShowMessageBox(const MessageBoxCall& call) = 0;
    // A folder chooser starting in startFolder; a platform without one chooses nothing.
    virtual std::optional<std::string> ChooseFolder(const std::string& title,
                                                    const std::string& startFolder) {
        (void)title;
        (void)startFolder;
        return std::nullopt;
    }

    // File system. Paths are full paths in the platform's own form.
    // The names of the files (not folders) in dir, sorted without regard to letter case.
    virtual std::vector<std::string> ListDirectory(const std::string& dir) = 0;
    virtual std::optional<std::int64_t> FileLength(const std::string& path) = 0; // none: no file
    virtual bool FolderExists(const std::string& path) = 0;
    virtual bool CreateFolder(const std::string& path) = 0;

    // The folder that holds the program: its CUT folder starts the dialogs and its Backup
    // folder holds the automatic backups. No trailing separator.
    virtual std::string ProgramFolder() = 0;

    // The settings store, alive as long as the platform.
    virtual SettingsStore& Settings() = 0;

    // Ends the program once the running handler has returned.
    virtual void Quit() = 0;
    // Opens a web address in the user's browser; false when no browser could be started.
    virtual bool OpenUrl(const std::string& url) = 0;
};

// The separator between a folder and a name in the platform's paths: a backslash on
// Windows, a slash elsewhere.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Position of the last path separator (on Windows a slash counts too), or npos.
std::size_t LastSeparator(const std::string& path);
// The last part of a path: the file's own name.
std::string NameOf(const std::string& path);

// The program folder: QUILLON_HOME when set, else the executable's folder when writable,
// else the per-user data folder given by the caller.
std::string ChooseProgramFolder(const char* quillonHome, const std::string& executableFolder,
                                const std::string& userDataFolder);

} // namespace quillon
