#include "frame/CellExitGuard.h"

#include <QFocusEvent>

namespace frame {

namespace {

// Marks a handler as running for its lifetime, also when it throws.
class Running {
public:
    explicit Running(bool& flag) : m_flag(flag) { m_flag = true; }
    ~Running() { m_flag = false; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

private:
    bool& m_flag;
};

bool leavesCell(const QEvent* event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

}  // namespace

bool CellExitGuard::focusOut(QEvent* event, const std::function<void()>& handler)
{
    // A focus event comes accepted; the guard marks the one it handled by
    // ignoring it (nothing reads a focus event's acceptance after the filters),
    // so the same event handed over again is known.
    if (!leavesCell(event) || !event->isAccepted() || m_running)
        return false;
    event->ignore();
    return run(handler);
}

bool CellExitGuard::run(const std::function<void()>& handler)
{
    if (m_running)
        return false;
    const Running running(m_running);
    handler();
    return true;
}

}  // namespace frame
