#include "PlatformKeys.h"

#include <QHash>

namespace {

const QHash<int, int> &table() {
    static const QHash<int, int> codes = [] {
        QHash<int, int> t;
        auto add = [&t](std::initializer_list<int> keys, int code) {
            for (int k : keys)
                t.insert(k, code);
        };
        add({Qt::Key_Backspace}, 8);
        add({Qt::Key_Tab, Qt::Key_Backtab}, 9);
        add({Qt::Key_Clear}, 12);
        add({Qt::Key_Return, Qt::Key_Enter}, 13);
        add({Qt::Key_Shift}, 16);
        add({Qt::Key_Control}, 17);
        add({Qt::Key_Alt, Qt::Key_AltGr}, 18);
        add({Qt::Key_Pause}, 19);
        add({Qt::Key_CapsLock}, 20);
        add({Qt::Key_Kana_Lock, Qt::Key_Kana_Shift}, 21);
        add({Qt::Key_Hangul_Hanja}, 25);
        add({Qt::Key_Kanji}, 25);
        add({Qt::Key_Escape}, 27);
        add({Qt::Key_Henkan}, 28);
        add({Qt::Key_Muhenkan}, 29);
        add({Qt::Key_Space}, 32);
        add({Qt::Key_PageUp}, 33);
        add({Qt::Key_PageDown}, 34);
        add({Qt::Key_End}, 35);
        add({Qt::Key_Home}, 36);
        add({Qt::Key_Left}, 37);
        add({Qt::Key_Up}, 38);
        add({Qt::Key_Right}, 39);
        add({Qt::Key_Down}, 40);
        add({Qt::Key_Select}, 41);
        add({Qt::Key_Printer}, 42);
        add({Qt::Key_Execute}, 43);
        add({Qt::Key_Print, Qt::Key_SysReq}, 44);
        add({Qt::Key_Insert}, 45);
        add({Qt::Key_Delete}, 46);
        add({Qt::Key_Help}, 47);
        // The shifted symbols of the digit keys, as on a US keyboard.
        add({Qt::Key_ParenRight}, 48);
        add({Qt::Key_Exclam}, 49);
        add({Qt::Key_At}, 50);
        add({Qt::Key_NumberSign}, 51);
        add({Qt::Key_Dollar}, 52);
        add({Qt::Key_Percent}, 53);
        add({Qt::Key_AsciiCircum}, 54);
        add({Qt::Key_Ampersand}, 55);
        add({Qt::Key_Asterisk}, 56);
        add({Qt::Key_ParenLeft}, 57);
        add({Qt::Key_Meta, Qt::Key_Super_L}, 91);
        add({Qt::Key_Super_R}, 92);
        add({Qt::Key_Menu}, 93);
        add({Qt::Key_Sleep}, 95);
        add({Qt::Key_NumLock}, 144);
        add({Qt::Key_ScrollLock}, 145);
        add({Qt::Key_Back}, 166);
        add({Qt::Key_Forward}, 167);
        add({Qt::Key_Refresh}, 168);
        add({Qt::Key_Stop}, 169);
        add({Qt::Key_Search}, 170);
        add({Qt::Key_Favorites}, 171);
        add({Qt::Key_HomePage}, 172);
        add({Qt::Key_VolumeMute}, 173);
        add({Qt::Key_VolumeDown}, 174);
        add({Qt::Key_VolumeUp}, 175);
        add({Qt::Key_MediaNext}, 176);
        add({Qt::Key_MediaPrevious}, 177);
        add({Qt::Key_MediaStop}, 178);
        add({Qt::Key_MediaPlay, Qt::Key_MediaTogglePlayPause, Qt::Key_MediaPause}, 179);
        add({Qt::Key_LaunchMail}, 180);
        add({Qt::Key_LaunchMedia}, 181);
        add({Qt::Key_Launch0}, 182);
        add({Qt::Key_Launch1}, 183);
        add({Qt::Key_Semicolon, Qt::Key_Colon}, 186);
        add({Qt::Key_Equal, Qt::Key_Plus}, 187);
        add({Qt::Key_Comma, Qt::Key_Less}, 188);
        add({Qt::Key_Minus, Qt::Key_Underscore}, 189);
        add({Qt::Key_Period, Qt::Key_Greater}, 190);
        add({Qt::Key_Slash, Qt::Key_Question}, 191);
        add({Qt::Key_QuoteLeft, Qt::Key_AsciiTilde}, 192);
        add({Qt::Key_BracketLeft, Qt::Key_BraceLeft}, 219);
        add({Qt::Key_Backslash, Qt::Key_Bar}, 220);
        add({Qt::Key_BracketRight, Qt::Key_BraceRight}, 221);
        add({Qt::Key_Apostrophe, Qt::Key_QuoteDbl}, 222);
        add({Qt::Key_Play}, 250);
        add({Qt::Key_Zoom}, 251);
        return t;
    }();
    return codes;
}

// The numeric pad's own codes: its digits and its operators.
int keypadCode(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 96 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Asterisk:
        return 106;
    case Qt::Key_Plus:
        return 107;
    case Qt::Key_Minus:
        return 109;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return 110;
    case Qt::Key_Slash:
        return 111;
    default:
        return -1;
    }
}

} // namespace

int PlatformKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::KeypadModifier) {
        const int code = keypadCode(qtKey);
        if (code >= 0) return code;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey; // 65-90
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return qtKey; // 48-57
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
    // Letters with accents sit on keys of their own; they have no classic code.
    return table().value(qtKey, 0);
}
