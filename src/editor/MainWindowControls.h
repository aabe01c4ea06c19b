// The main window's parts: every control with its designed place, caption and first state.
// The main window's behaviour (MainWindow) works on these; the Qt window mirrors them.
#pragma once

#include "editor/Controls.h"

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace quillon {

inline constexpr const char* kAppTitle = "Quillon";
inline constexpr const char* kVersion = "1.1";

struct MainWindowControls {
    MainWindowControls();
    MainWindowControls(const MainWindowControls&) = delete;
    MainWindowControls& operator=(const MainWindowControls&) = delete;

    WindowPart Window{"MainWindow"};

    Frame FileFrame{"FileFrame"};                 // "File"
    Frame OriginalFileFrame{"OriginalFileFrame"}; // "Original file"
    Frame NewFileFrame{"NewFileFrame"};           // "New file"
    Frame FrameOriginalMessage{"FrameOriginalMessage"};
    Frame FrameNewMessage{"FrameNewMessage"};
    Frame FrameSettings{"FrameSettings"};
    Frame FrameSettingsGeneral{"FrameSettingsGeneral"};
    Frame FrameSettingsOriginal{"FrameSettingsOriginal"};
    Frame FrameSettingsNew{"FrameSettingsNew"};
    Frame FrameButtons{"FrameButtons"};

    Label OriginalFileNameLabel{"OriginalFileNameLabel"};
    Label OriginalNumberLabel{"OriginalNumberLabel"};
    Label OriginalCountLabel{"OriginalCountLabel"};
    Label OriginalFileSizeLabel{"OriginalFileSizeLabel"};
    Label OriginalFileTextSizeLabel{"OriginalFileTextSizeLabel"};
    Label InvalidCountLabel{"InvalidCountLabel"};
    Label BlankCountLabel{"BlankCountLabel"};
    Label NewNumberLabel{"NewNumberLabel"};
    Label NewCountLabel{"NewCountLabel"};
    Label NewFileTextSizeLabel{"NewFileTextSizeLabel"};
    Label NewFileSizeLabel{"NewFileSizeLabel"};
    Label OriginalTextSizeLabel{"OriginalTextSizeLabel"};
    Label OriginalTotalSizeLabel{"OriginalTotalSizeLabel"};
    Label OriginalCodeCountLabel{"OriginalCodeCountLabel"};
    Label NewTextSizeLabel{"NewTextSizeLabel"};
    Label NewTotalSizeLabel{"NewTotalSizeLabel"};
    Label NewCodeCountLabel{"NewCodeCountLabel"};
    // Beside the "New message" caption: why the new message is invalid, that the line is
    // locked, or what else its kind of file tells of it.
    Label MessageNoteLabel{"MessageNoteLabel"};
    // Beside the new message: how the game lays it out (read only), and above it how many
    // things the game cannot show as they are.
    Label PlayerViewLabel{"PlayerViewLabel"};
    TextBox PlayerViewBox{"PlayerViewBox"};
    FontPage OriginalFontPage;
    FontPage NewFontPage;
    Label OriginalBackgroundSwatch{"OriginalBackgroundSwatch"};
    Label NewBackgroundSwatch{"NewBackgroundSwatch"};

    TextBox OriginalMessageBox{"OriginalMessageBox"};
    TextBox NewMessageBox{"NewMessageBox"};
    Slider MessageSlider{"MessageSlider"};
    ProgressBar ReadProgressBar{"ReadProgressBar"};
    ListView TableView{"TableView"};

    CommandButton btnRestoreMessage{"btnRestoreMessage"};
    CommandButton btnClearMessage{"btnClearMessage"};
    CommandButton btnCopyOriginalMessage{"btnCopyOriginalMessage"};
    CommandButton btnPreviousMessage{"btnPreviousMessage"};
    CommandButton btnNextMessage{"btnNextMessage"};
    CommandButton btnPreviousFile{"btnPreviousFile"};
    CommandButton btnCloseFile{"btnCloseFile"};
    CommandButton btnNextFile{"btnNextFile"};
    CommandButton btnSaveNewMessages{"btnSaveNewMessages"};           // "Save to text file"
    CommandButton btnSaveOriginalMessages{"btnSaveOriginalMessages"}; // "Save original ..."
    CommandButton btnLoadWorkFile{"btnLoadWorkFile"};
    CommandButton btnWriteFile{"btnWriteFile"};
    CommandButton btnHelp{"btnHelp"};
    CommandButton btnAbout{"btnAbout"};
    CommandButton btnExit{"btnExit"};

    CheckBox CheckConfirmCloseOrReplace{"CheckConfirmCloseOrReplace"};
    CheckBox CheckAlwaysOnTop{"CheckAlwaysOnTop"};
    CheckBox CheckHighlight{"CheckHighlight"};
    CheckBox CheckRememberLastDirectory{"CheckRememberLastDirectory"};
    CheckBox CheckAutoBackup{"CheckAutoBackup"};
    CheckBox CheckHideControlCharacters{"CheckHideControlCharacters"};

    OptionButton OptionSettingsGeneral{"OptionSettingsGeneral"};
    OptionButton OptionSettingsOriginal{"OptionSettingsOriginal"};
    OptionButton OptionSettingsNew{"OptionSettingsNew"};

    // The labels that show a value of the file or the message (not the font pages').
    std::array<Label*, 19> ValueLabels() {
        return {&OriginalFileNameLabel,
                &OriginalNumberLabel,
                &OriginalCountLabel,
                &OriginalFileSizeLabel,
                &OriginalFileTextSizeLabel,
                &InvalidCountLabel,
                &BlankCountLabel,
                &NewNumberLabel,
                &NewCountLabel,
                &NewFileTextSizeLabel,
                &NewFileSizeLabel,
                &OriginalTextSizeLabel,
                &OriginalTotalSizeLabel,
                &OriginalCodeCountLabel,
                &NewTextSizeLabel,
                &NewTotalSizeLabel,
                &NewCodeCountLabel,
                &MessageNoteLabel,
                &PlayerViewLabel};
    }

    // The fixed captions beside the labels ("Message:", "Text size:", ...), for the mirror.
    std::vector<std::unique_ptr<Label>> FixedLabels;
    // The frame whose client area a control's position is relative to; nullptr for a
    // control placed on the window itself.
    const Control* ContainerOf(const Control& control) const;

private:
    // Positions are in twips; a control inside a frame is placed relative to that frame.
    std::map<const Control*, const Control*> containers_;
};

} // namespace quillon
