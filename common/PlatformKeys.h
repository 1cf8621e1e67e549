#pragma once

#include <Qt>

// The key codes the game's designs use: the platform's virtual-key codes of
// the classic desktop (65-90 letters, 48-57 digits, 112-135 F1-F24, 32 space,
// 190 full stop, ...), for every key a keyboard has. Keys on the numeric pad
// have codes of their own; a shifted symbol has the code of the key it sits
// on. 0 for a key with no code.
int PlatformKeyCode(int qtKey, Qt::KeyboardModifiers modifiers = {});
