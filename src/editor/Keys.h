// The keys the editor's handlers know, by the window system's key codes, and the modifier
// bits that come with them. A handler gets the raw code of any key and compares it here.
#pragma once

namespace quillon {

enum class Key : int {
    Return = 13,
    Pause = 19,
    Escape = 27,
    PageUp = 33, // PageUp, PageDown, End, Home and the arrows run up to Down
    Down = 40,
    A = 65,
    F = 70,
    Y = 89,
    Z = 90,
    F1 = 112,
    F2 = 113,
    F3 = 114,
    F4 = 115,
    F5 = 116,
    F7 = 118,
    F8 = 119,
    F9 = 120,
    F10 = 121,
    F11 = 122,
    F12 = 123,
};

constexpr int KeyCodeOf(Key key) {
    return static_cast<int>(key);
}
constexpr bool operator==(int code, Key key) {
    return code == KeyCodeOf(key);
}

// Bits of the shift state; a handler compares the whole state ("Ctrl alone") or one bit.
namespace Modifier {
enum : int { Shift = 1, Ctrl = 2, Alt = 4 };
}

} // namespace quillon
