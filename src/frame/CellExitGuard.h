#pragma once
// The exit handlers of a window's cells (what a window does when a cell is
// left: a code turned into its name, an amount checked, a date refused...),
// run so that none can loop. Many of them show a message and put the focus
// back into the cell; the message box itself moves the focus while it is open.
// Every window runs its exit handlers through one guard of its own:
//
//   bool SomeWindow::eventFilter(QObject* watched, QEvent* event)
//   {
//       m_cellExits.focusOut(event, [&] { cellLeft(watched); });
//       ...
//
// - Only a cell that is left runs its handler: a popup list opening or another
//   window taking the focus (a message box among them) is not the cell being left.
// - An event runs a handler once. An editable combo box that gets the focus
//   back (as when a message box closes) puts its completer's event filter
//   ahead of the window's, and the toolkit then hands the focus-out it is
//   delivering to the window's filter a second time.
// - No handler starts while another of the same window runs: the focus changes
//   its message box makes are not the user leaving a cell.

#include <functional>

class QEvent;

namespace frame {

class CellExitGuard {
public:
    // For every event a window's filter sees: a focus-out that leaves a cell,
    // not yet handled, runs `handler` unless another handler runs. True when
    // it ran. What `handler` throws goes on to the caller, the guard released.
    bool focusOut(QEvent* event, const std::function<void()>& handler);

    // Runs `handler` as an exit handler outside a focus-out (a cell confirmed
    // by the program) unless another handler runs. True when it ran.
    bool run(const std::function<void()>& handler);

    bool running() const { return m_running; }

private:
    bool m_running = false;
};

}  // namespace frame
