#pragma once
// A QMenuBar that mirrors a framework menu bar: one QMenu per menu, one QAction per
// item, separators for "-". The model keeps the state; the mirror re-reads an item
// whenever the model reports a change, and a menu each time it is about to open, after
// the model has raised EnableMenu for it. Choosing an item goes back to the model.

#include <QAction>
#include <QKeySequence>
#include <QMenuBar>
#include <QPointer>
#include <cstdint>
#include <map>
#include <vector>

#include "framework/Backend.h"
#include "framework/MenuBar.h"

class QMenu;
class QWidget;

namespace fw::qt {

class QtMenuBarMirror {
public:
    // Builds the QMenuBar as a child of window.
    QtMenuBarMirror(QWidget* window, Ref<MenuBar> bar, BackendHost& host);
    ~QtMenuBarMirror();
    QtMenuBarMirror(const QtMenuBarMirror&) = delete;
    QtMenuBarMirror& operator=(const QtMenuBarMirror&) = delete;

    const Ref<MenuBar>& Bar() const { return bar_; }
    QMenuBar* Widget() const { return widget_; }

    // Before a key press is matched against the shortcuts: the menus that hold an item
    // with this shortcut get their EnableMenu pass, so that the shortcut acts on the
    // state the item would show.
    void PrepareShortcut(const QKeySequence& keys);

    // Whether the shortcuts act from every window of the application that no modal alert
    // blocks, rather than from the bar's own window only. Only one bar at a time may: Qt
    // takes a key that two actions claim for neither.
    void SetShortcutsApplicationWide(bool applicationWide);

private:
    void Rebuild();
    void AddItems(QMenu* menu, const Ref<MenuItem>& parent);
    void Refresh(MenuItem& item);
    void RefreshChildren(const Ref<MenuItem>& menu);
    void MenuAboutToShow(const Ref<MenuItem>& menu);

    Ref<MenuBar> bar_;
    BackendHost& host_;
    QPointer<QMenuBar> widget_;
    std::int64_t observerId_{0};
    Qt::ShortcutContext shortcutContext_{Qt::WindowShortcut};
    // The model's item for each action, and the action for each item.
    std::map<const MenuItem*, QPointer<QAction>> actions_;
    std::vector<Ref<MenuItem>> items_;
};

}  // namespace fw::qt
