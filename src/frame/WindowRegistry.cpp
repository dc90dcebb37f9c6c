#include "frame/WindowRegistry.h"

#include "platform/ui/Dialogs.h"

#include <exception>

namespace frame {

WindowRegistry& WindowRegistry::instance()
{
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::add(const std::string& name, Factory factory)
{
    m_factories[name] = std::move(factory);
}

void WindowRegistry::add(const std::string& name, UniqueFactory factory)
{
    m_factories[name] = [factory = std::move(factory)]() -> QWidget* { return factory().release(); };
}

bool WindowRegistry::has(const std::string& name) const
{
    return m_factories.count(name) != 0;
}

QWidget* WindowRegistry::window(const std::string& name) const
{
    const auto it = m_open.find(name);
    return it == m_open.end() ? nullptr : it->second.data();
}

QWidget* WindowRegistry::show(const std::string& name, const std::string& title)
{
    const std::string shown = title.empty() ? name : title;
    if (QWidget* open = window(name)) {
        // Already loaded: only brought forward.
        if (open->isMinimized())
            open->showNormal();
        open->show();
        open->raise();
        open->activateWindow();
        return open;
    }

    const auto it = m_factories.find(name);
    if (it == m_factories.end()) {
        ui::dialogs().messageBox("「" + shown + "」の画面はまだ使えません。", ui::Buttons::Ok);
        return nullptr;
    }

    QWidget* created = nullptr;
    try {
        created = it->second();
    } catch (const std::exception& e) {
        ui::dialogs().messageBox("「" + shown + "」の画面を開けませんでした。\n" + e.what(), ui::Buttons::Ok);
        return nullptr;
    }
    if (created == nullptr)
        return nullptr;

    created->setAttribute(Qt::WA_DeleteOnClose);
    created->setWindowFlag(Qt::Window);
    m_open[name] = created;
    m_titles[name] = shown;
    created->show();
    created->raise();
    created->activateWindow();
    return created;
}

std::vector<WindowRegistry::OpenWindow> WindowRegistry::openWindows() const
{
    std::vector<OpenWindow> open;
    for (const auto& [name, window] : m_open) {
        if (!window || !window->isVisible())
            continue;
        const auto title = m_titles.find(name);
        open.push_back({name, title == m_titles.end() ? name : title->second, window.data()});
    }
    return open;
}

void WindowRegistry::closeAll()
{
    for (auto& [name, window] : m_open) {
        if (window) {
            window->close();
            delete window.data();  // at once, not at the next event loop turn
        }
    }
    m_open.clear();
}

void WindowRegistry::clear()
{
    m_factories.clear();
}

}  // namespace frame
