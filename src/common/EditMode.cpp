#include "common/EditMode.h"

#include <algorithm>
#include <map>
#include <vector>

namespace o {

namespace {

std::map<int, std::function<void(bool)>>& listeners()
{
    static std::map<int, std::function<void(bool)>> all;
    return all;
}

int nextListenerId = 1;

std::vector<EditModeSuspended*>& suspensions()
{
    static std::vector<EditModeSuspended*> active;
    return active;
}

}  // namespace

void SetEditMode(std::int16_t value)
{
    const std::int16_t next = value != EditModeOff ? EditModeOn : EditModeOff;
    // While a fill has the flag off, the lasting value is the one the outermost
    // suspension will set back; the flag itself stays off until it ends.
    auto& active = suspensions();
    std::int16_t& lasting = active.empty() ? EditMode : active.front()->m_kept;
    if (lasting == next)
        return;
    lasting = next;
    // A listener may close a window (and so remove itself): call a copy.
    const auto current = listeners();
    for (const auto& [id, listener] : current)
        if (listeners().count(id) != 0)
            listener(next != EditModeOff);
}

EditModeSuspended::EditModeSuspended() : m_kept(EditMode)
{
    EditMode = EditModeOff;
    suspensions().push_back(this);
}

EditModeSuspended::~EditModeSuspended()
{
    auto& active = suspensions();
    active.erase(std::remove(active.begin(), active.end(), this), active.end());
    EditMode = m_kept;
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
