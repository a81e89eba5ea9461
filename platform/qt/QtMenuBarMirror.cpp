#include "QtMenuBarMirror.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <algorithm>

#include "QtConversions.h"
#include "QtShortcut.h"

namespace fw::qt {

QtMenuBarMirror::QtMenuBarMirror(QWidget* window, Ref<MenuBar> bar, BackendHost& host)
    : bar_(std::move(bar)), host_(host), widget_(new QMenuBar(window)) {
    // Off macOS the bar sits in the window; a native global bar would take it away.
    widget_->setNativeMenuBar(false);
    observerId_ = bar_->AddObserver([this](MenuItem& item, MenuChange change) {
        const auto found = actions_.find(&item);
        if (change == MenuChange::Children || found == actions_.end() || !found->second) {
            Rebuild();
            return;
        }
        if (change == MenuChange::Text && found->second->isSeparator() != item.IsSeparator()) {
            Rebuild();
            return;
        }
        Refresh(item);
    });
    Rebuild();
}

QtMenuBarMirror::~QtMenuBarMirror() {
    bar_->RemoveObserver(observerId_);
    if (widget_) {
        widget_->deleteLater();
    }
}

void QtMenuBarMirror::Rebuild() {
    actions_.clear();
    items_.clear();
    if (!widget_) {
        return;
    }
    for (QMenu* old : widget_->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
        // Later, not now: the rebuild may come from inside one of the old menu's actions.
        old->deleteLater();
    }
    widget_->clear();
    for (std::int64_t i = 0; i < bar_->Count(); ++i) {
        const Ref<MenuItem> menuItem = bar_->Item(i);
        auto* menu = new QMenu(ToQString(menuItem->Text()), widget_);
        widget_->addMenu(menu);
        actions_[menuItem.Get()] = menu->menuAction();
        items_.push_back(menuItem);
        QObject::connect(menu, &QMenu::aboutToShow, menu,
                         [this, menuItem] { MenuAboutToShow(menuItem); });
        AddItems(menu, menuItem);
        Refresh(*menuItem);
    }
}

void QtMenuBarMirror::AddItems(QMenu* menu, const Ref<MenuItem>& parent) {
    for (std::int64_t i = 0; i < parent->Count(); ++i) {
        const Ref<MenuItem> item = parent->Item(i);
        items_.push_back(item);
        if (item->IsSeparator()) {
            actions_[item.Get()] = menu->addSeparator();
        } else if (item->Count() > 0) {
            QMenu* submenu = menu->addMenu(ToQString(item->Text()));
            actions_[item.Get()] = submenu->menuAction();
            QObject::connect(submenu, &QMenu::aboutToShow, submenu,
                             [this, item] { MenuAboutToShow(item); });
            AddItems(submenu, item);
        } else {
            QAction* action = menu->addAction(ToQString(item->Text()));
            action->setShortcutContext(shortcutContext_);
            actions_[item.Get()] = action;
            QObject::connect(action, &QAction::triggered, action,
                             [this, item] { host_.MenuItemChosen(item); });
        }
        Refresh(*item);
    }
}

void QtMenuBarMirror::Refresh(MenuItem& item) {
    const auto found = actions_.find(&item);
    if (found == actions_.end() || !found->second) {
        return;
    }
    QAction* action = found->second;
    action->setVisible(item.Visible());
    if (item.IsSeparator()) {
        return;
    }
    action->setText(ToQString(item.Text()));
    action->setEnabled(item.Enabled());
    if (action->menu() == nullptr) {
        action->setShortcut(ToKeySequence(item.Shortcut()));
    }
}

void QtMenuBarMirror::RefreshChildren(const Ref<MenuItem>& menu) {
    for (std::int64_t i = 0; i < menu->Count(); ++i) {
        const Ref<MenuItem> item = menu->Item(i);
        if (item) {
            Refresh(*item);
        }
    }
}

void QtMenuBarMirror::MenuAboutToShow(const Ref<MenuItem>& menu) {
    host_.MenuAboutToShow(menu);
    RefreshChildren(menu);
}

void QtMenuBarMirror::PrepareShortcut(const QKeySequence& keys) {
    if (keys.isEmpty()) {
        return;
    }
    std::vector<Ref<MenuItem>> menus;
    for (const Ref<MenuItem>& item : items_) {
        const auto found = actions_.find(item.Get());
        if (found == actions_.end() || !found->second || found->second->shortcut() != keys) {
            continue;
        }
        const Ref<MenuItem> parent = item->Parent();
        if (parent && std::find(menus.begin(), menus.end(), parent) == menus.end()) {
            menus.push_back(parent);
        }
    }
    for (const Ref<MenuItem>& menu : menus) {
        MenuAboutToShow(menu);
    }
}

void QtMenuBarMirror::SetShortcutsApplicationWide(bool applicationWide) {
    shortcutContext_ = applicationWide ? Qt::ApplicationShortcut : Qt::WindowShortcut;
    for (const auto& [item, action] : actions_) {
        if (action && action->menu() == nullptr && !action->isSeparator()) {
            action->setShortcutContext(shortcutContext_);
        }
    }
}

}  // namespace fw::qt
