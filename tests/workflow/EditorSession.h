// A translator's session for the flow tests: small .CUT files built byte by byte, the editor
// on a FakePlatform, and the few moves a user makes (open, go to a message, type, answer).
#pragma once

#include "FakePlatform.h"
#include "workflow/Form1.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillon::testing {

inline std::string BigEndian(unsigned value, int bytes) {
    std::string out;
    for (int i = bytes - 1; i >= 0; --i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

// A cutscene bank whose text block holds these messages, with data on both sides of the
// block so that a writer which loses or shifts them is caught.
inline std::string CutBytes(const std::vector<std::string>& messages, unsigned flags = 0) {
    const std::string ahead = "\x11\x22\x33\x44";
    std::string block;
    for (const std::string& m : messages)
        block += static_cast<char>(m.size()) + m;
    const unsigned start = 12 + static_cast<unsigned>(ahead.size());
    const unsigned end = start + static_cast<unsigned>(block.size());
    const std::string data =
        std::string(8, '\x07') + BigEndian(start, 2) + BigEndian(end, 2) + ahead + block + "TAIL";
    const unsigned bankLength = 8 + static_cast<unsigned>(data.size());
    return std::string("AmBk\x00\x03\x00\x00", 8) + BigEndian((flags << 28) | bankLength, 4) +
           "Datas   " + data;
}

class EditorSession : public ::testing::Test {
protected:
    EditorSession() {
        // Raw notation in the boxes, so typed control codes are stored as typed.
        platform.settings.values["Hide control characters"] = "0";
    }

    FakePlatform platform;
    Form1 form{platform};

    std::string CutDir() const {
        return (platform.programFolder / "CUT").string() + kPathSeparator;
    }
    std::string Put(const std::string& name, const std::vector<std::string>& messages) {
        WriteBytes(CutDir() + name, CutBytes(messages));
        return CutDir() + name;
    }
    // Starts the editor on a file, or opens another one through close and the open dialog.
    void Open(const std::string& path) {
        platform.fileDialogAnswers.push_back(path);
        form.Form_Load();
    }
    void Type(int message, const std::string& text) {
        form.Slider1.Value = message;
        form.ShowCurrentMessage();
        form.TextMessageGR.SetText(text);
    }
    void Answer(bool yes) {
        ASSERT_NE(form.Confirm, nullptr) << "no question is open";
        if (yes)
            form.Confirm->btnYes_Click();
        else
            form.Confirm->btnNo_Click();
    }
    std::string Question() const { return form.Confirm ? form.Confirm->Label1.Caption() : ""; }
    std::string LastMessage() const {
        return platform.messageBoxes.empty() ? "" : platform.messageBoxes.back().text;
    }
};

} // namespace quillon::testing
