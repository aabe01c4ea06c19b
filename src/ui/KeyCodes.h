// Qt's keys as the key codes and modifier bits the message boxes' key handlers expect
// (A 65, Pause 19, Esc 27, F1 112 ...; Shift 1, Ctrl 2, Alt 4).
#pragma once

#include <Qt>

namespace quillon::ui {

// The key code of a Qt key, or 0 for a key that has none.
int KeyCodeOf(int qtKey, Qt::KeyboardModifiers modifiers);
int ShiftBitsOf(Qt::KeyboardModifiers modifiers);
// 1 left, 2 right, 4 middle.
int MouseButtonOf(Qt::MouseButton button);

} // namespace quillon::ui
