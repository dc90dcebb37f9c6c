#pragma once
// The work windows the main menu opens, by name ("Form9", "Form14", ...).
//
// A library registers a factory for each of its windows; the factory builds the
// window and runs its load (opening the period file, its recordsets, setting
// the caption), throwing dao::DaoError when the period file cannot be opened or
// lacks an object. Each window exists at most once: show() builds it on first
// use and brings it forward while it is open; closing the window destroys it
// (its recordsets with it), and the next show() loads it again.

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace frame {

class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;
    using UniqueFactory = std::function<std::unique_ptr<QWidget>()>;

    static WindowRegistry& instance();

    // Registers (or replaces) the factory of a window.
    void add(const std::string& name, Factory factory);
    void add(const std::string& name, UniqueFactory factory);
    bool has(const std::string& name) const;

    // Shows the window without blocking: builds and loads it when it is not
    // open, else brings it forward. Returns the window; nullptr when no window of
    // that name is registered (a message says it is not available yet) or its
    // load failed (a message names the window, and the file or object that
    // failed). `title` names the window in those messages (default: its name).
    QWidget* show(const std::string& name, const std::string& title = {});

    // The open window of that name, or nullptr.
    QWidget* window(const std::string& name) const;

    // Every window it made that is still open (shown), by name, with the title
    // it was shown under.
    struct OpenWindow {
        std::string name;
        std::string title;
        QWidget* widget = nullptr;
    };
    std::vector<OpenWindow> openWindows() const;

    // Closes every open window it made (tests).
    void closeAll();
    // Forgets every factory (tests).
    void clear();

private:
    WindowRegistry() = default;
    std::map<std::string, Factory> m_factories;
    std::map<std::string, QPointer<QWidget>> m_open;
    std::map<std::string, std::string> m_titles;
};

}  // namespace frame

// Defined by the libraries that own the windows; the program calls those whose
// library it is built with.
void registerJournalWindows();  // Form9
void registerBooksWindows();    // Form14, Form33
