// Program texts (captions, titles, message boxes, paths) between the headless windows' bytes
// and Qt strings. Paths and program texts are UTF-8; message text uses CodePages instead.
#pragma once

#include <QString>

#include <string>

namespace quillon::ui {

// UTF-8 when the bytes are valid UTF-8, otherwise Windows-1252, so no caption is ever lost.
QString FromProgramText(const std::string& bytes);
// CR LF as a plain line break, for labels and message boxes.
QString FromProgramLines(const std::string& bytes);
std::string ToProgramText(const QString& text);

// A path as the headless windows hold it: UTF-8 with the platform's own separators.
std::string ToNativePath(const QString& path);
QString FromNativePath(const std::string& path);

} // namespace quillon::ui
