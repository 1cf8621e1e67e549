#pragma once

class QMenu;

// A menu opened by a key stands on its first item, so that a screen reader
// says it at once and Return takes it; a menu opened by the pointer opens as
// it always has, on no item.
void StandOnFirstItem(QMenu &menu);
