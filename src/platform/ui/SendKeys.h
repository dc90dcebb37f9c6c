#pragma once
// Key injection into the focused window: each "{TAB}" in `keys` moves the
// focus on as the Tab key would (the key is delivered to the focused widget,
// so window-level key handlers see it too). Other keys are not supported and
// are ignored.

#include <string>

namespace ui {

void sendKeysToFocus(const std::string& keys);

}  // namespace ui
