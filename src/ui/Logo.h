// The program's logo, a quill over an ink-blue disc, drawn in code so it scales to any size.
// src/app/resources/quillon.svg draws the same quill for the desktop's icon.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace quillon::ui {

QPixmap QuillonLogo(int size);
QIcon QuillonIcon();

} // namespace quillon::ui
