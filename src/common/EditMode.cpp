#include "common/EditMode.h"

#include <map>

namespace o {

namespace {

std::map<int, std::function<void(bool)>>& listeners()
{
    static std::map<int, std::function<void(bool)>> all;
    return all;
}

int nextListenerId = 1;

}  // namespace

void SetEditMode(std::int16_t value)
{
    const std::int16_t next = value != EditModeOff ? EditModeOn : EditModeOff;
    if (EditMode == next)
        return;
    EditMode = next;
    // A listener may close a window (and so remove itself): call a copy.
    const auto current = listeners();
    for (const auto& [id, listener] : current)
        if (listeners().count(id) != 0)
            listener(next != EditModeOff);
}

EditModeListener::EditModeListener(std::function<void(bool on)> listener) : m_id(nextListenerId++)
{
    listeners().emplace(m_id, std::move(listener));
}

EditModeListener::~EditModeListener()
{
    listeners().erase(m_id);
}

}  // namespace o
