#include "framework/MenuItem.h"

#include <algorithm>
#include <utility>

#include "framework/MainThread.h"
#include "framework/RuntimeException.h"
#include "framework/Strings.h"

namespace fw {

void MenuItem::SetName(std::string name) {
    RequireMainThread();
    if (name != name_) {
        name_ = std::move(name);
        Changed(MenuChange::Name);
    }
}

void MenuItem::SetText(std::string text) {
    RequireMainThread();
    if (text != text_) {
        text_ = std::move(text);
        Changed(MenuChange::Text);
    }
}

void MenuItem::SetShortcut(std::optional<std::string> shortcut) {
    RequireMainThread();
    shortcutAssigned_ = true;
    if (shortcut != shortcut_) {
        shortcut_ = std::move(shortcut);
        Changed(MenuChange::Shortcut);
    }
}

void MenuItem::SetAutoEnabled(bool autoEnabled) {
    RequireMainThread();
    if (autoEnabled != autoEnabled_) {
        autoEnabled_ = autoEnabled;
        Changed(MenuChange::AutoEnabled);
    }
}

void MenuItem::SetVisible(bool visible) {
    RequireMainThread();
    if (visible != visible_) {
        visible_ = visible;
        Changed(MenuChange::Visible);
    }
}

void MenuItem::SetEnabled(bool enabled) {
    RequireMainThread();
    if (enabled != enabled_) {
        enabled_ = enabled;
        Changed(MenuChange::Enabled);
    }
}

void MenuItem::AddMenu(const Ref<MenuItem>& item) {
    RequireMainThread();
    if (!item) {
        RaiseNilObject();
    }
    if (!item->parent_.expired()) {
        throw RuntimeException("The menu item \"" + item->Name() + "\" is already in a menu");
    }
    // Adding this item or an ancestor below itself would make the tree a loop.
    std::shared_ptr<MenuItem> holder;
    for (const MenuItem* current = this; current != nullptr; current = holder.get()) {
        if (current == item.Get()) {
            throw RuntimeException("The menu item \"" + item->Name() +
                                   "\" can't be added below itself");
        }
        holder = current->parent_.lock();
    }
    item->parent_ = std::static_pointer_cast<MenuItem>(weak_from_this().lock());
    children_.push_back(item);
    Changed(MenuChange::Children);
}

Ref<MenuItem> MenuItem::Child(std::string_view name) const {
    for (const auto& child : children_) {
        if (StringEquals(child->Name(), name)) {
            return child;
        }
    }
    return nullptr;
}

Ref<MenuItem> MenuItem::Item(std::int64_t index) const {
    if (index < 0 || index >= Count()) {
        return nullptr;
    }
    return children_[static_cast<std::size_t>(index)];
}

Ref<MenuItem> MenuItem::Lookup_(std::string_view name) const {
    for (const auto& child : children_) {
        if (StringEquals(child->Name(), name)) {
            return child;
        }
        if (auto found = child->Lookup_(name)) {
            return found;
        }
    }
    return nullptr;
}

std::int64_t MenuItem::AddObserver(Observer observer) {
    const std::int64_t id = nextObserverId_++;
    observers_.emplace_back(id, std::move(observer));
    return id;
}

void MenuItem::RemoveObserver(std::int64_t id) {
    std::erase_if(observers_, [id](const auto& entry) { return entry.first == id; });
}

void MenuItem::Changed(MenuChange change) {
    // Copied first: an observer may add or remove observers, or let go of the tree.
    std::vector<Observer> toCall;
    for (const auto& entry : observers_) {
        toCall.push_back(entry.second);
    }
    for (auto ancestor = parent_.lock(); ancestor; ancestor = ancestor->parent_.lock()) {
        for (const auto& entry : ancestor->observers_) {
            toCall.push_back(entry.second);
        }
    }
    const auto keepAlive = weak_from_this().lock();
    for (const auto& observer : toCall) {
        observer(*this, change);
    }
}

}  // namespace fw
