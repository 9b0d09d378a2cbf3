// Translates a whole window in one walk: its caption, every component it owns and the
// items of its popup menus.
#pragma once

#include <string>

#include "ui/Component.h"

// A non-empty language becomes the current one first, even without a component. A form's
// own caption shows English in every language but Korean.
void TranslateComponent(TComponent* component, const std::wstring& language);
// The item's caption, then its sub-items', depth first.
void TranslateMenuItem(TMenuItem* item);
