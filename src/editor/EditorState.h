// The editor's global fields, alive for the whole run.
#pragma once

#include "editor/Controls.h"
#include "text/GameFont.h"

#include <cstdint>
#include <set>
#include <string>

namespace quillon {

// The game's font a script stands for: its own for the game's letters, the regular font for
// a Windows script.
inline GameFont GameFontOfScript(int script) {
    return script >= 250 && script <= 253 ? static_cast<GameFont>(script - 250) : GameFont::Regular;
}

// Font and colours of one message box; its font page shows them.
struct BoxStyle {
    std::string Face = "Arial";
    // The font's character set: 250 the game's own letters (251 to 253 its Russian, Greek and
    // Hebrew fonts), or a Windows one: 0 Western, 161 Greek, ...
    int Script = 250;
    bool Italic = false;
    bool Strikeout = false;
    bool Underline = false;
    std::int16_t Size = 12;
    std::int16_t Weight = 400;
    double ForeColor = 0;
    double BackColor = 16777215;
};

// What Yes does in the question window that is open.
enum class Question {
    None,
    WriteDespiteInvalidMessages,
    ReplaceWithOriginalMessages, // a work file of the original messages over an existing file
    ReplaceWithNewMessages,      // a work file of the new messages over an existing file
    ReplaceGameFile,
    CloseFile,
    UpdateInPlace,
    OpenPreviousFile,
    OpenNextFile,
    Exit,
    OpenProjectFile,
    LoadWorkFile, // a work file over typed messages
};

// How the open file was reached: a file without text is passed over in the same direction.
enum class ReachedBy { Dialog, PreviousFile, NextFile };

struct EditorState {
    // The open file.
    std::string FileFolder; // ends in the path separator
    std::string FileName;
    double OriginalFileSize = 0;
    double NewFileSize = 0;

    std::string MessageWhenShown;
    // The shown message keeps its codes in view although they are to be hidden: hidden,
    // they would not come back as they are.
    bool ShownRaw = false;
    ReachedBy Reached = ReachedBy::Dialog;
    std::string PreviousFileName;
    std::string NextFileName;
    Question PendingQuestion = Question::None;
    std::string TargetPath;
    // The automatic backup of the open file: no number is taken and nothing is written until
    // the first real change of a new message (WorkChanged); then the name is chosen once.
    std::string BackupFileName;
    bool WorkChanged = false;
    // The new messages hold a change that no backup or saved work file holds yet: closing
    // the file now would lose it.
    bool UnbackedWork = false;
    bool BackupRefused = false; // every number was taken; the user has been told
    // Unfinished backups the user has already been told about in this run.
    std::set<std::string> ToldLeftoverBackups;
    std::string LastDirectory; // ends in the path separator

    BoxStyle OriginalStyle;
    BoxStyle NewStyle;

    // Statistics of live editing.
    double NewTextSize = 0;
    std::int16_t BlankCount = 0;
    int FilledCount = 0;  // numbered messages with a new message that is not blank
    int InvalidCount = 0; // as the invalid counter shows it
    int CurrentNewLength = 0;
};

} // namespace quillon
