#pragma once
// The program-wide edit mode (o::EditMode) and who follows it.
//
// A lasting change goes through SetEditMode, which tells every listener, so
// each open window's "編集"/"編集解除" button and the inputs it gates show the
// same state the moment it changes, whichever window changed it. List fills
// and other loads that only need it off while they work use EditModeSuspended,
// which puts the kept value back at its end and tells nobody (the state
// after is the state before).

#include "common/o.h"

#include <cstdint>
#include <functional>

namespace o {

// Sets EditMode to `value` (EditModeOn or EditModeOff) and, when that changed
// it, calls every listener with the new state.
void SetEditMode(std::int16_t value);
inline bool EditModeIsOn()
{
    return EditMode != EditModeOff;
}

// A listener for as long as the object lives (a window keeps one as a member).
class EditModeListener {
public:
    explicit EditModeListener(std::function<void(bool on)> listener);
    ~EditModeListener();
    EditModeListener(const EditModeListener&) = delete;
    EditModeListener& operator=(const EditModeListener&) = delete;

private:
    int m_id;
};

// Switches EditMode off for its lifetime; the destructor sets the kept value
// back. Listeners are not told: nothing a window shows changes. A lasting
// change made meanwhile (SetEditMode) becomes the value set back, so the end of
// a suspension never undoes it.
class EditModeSuspended {
public:
    EditModeSuspended();
    ~EditModeSuspended();
    EditModeSuspended(const EditModeSuspended&) = delete;
    EditModeSuspended& operator=(const EditModeSuspended&) = delete;

private:
    friend void SetEditMode(std::int16_t value);
    std::int16_t m_kept;
};

}  // namespace o
