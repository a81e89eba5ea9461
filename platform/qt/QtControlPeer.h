#pragma once
// A control inside a window's content area: the Qt widget that shows a framework
// control. The model keeps the state; UpdateControl brings the widget in line with it.

#include <QMetaObject>
#include <QPointer>
#include <QWidget>
#include <vector>

#include "framework/Backend.h"

namespace fw::qt {

class QtControlPeer {
public:
    virtual ~QtControlPeer();
    QtControlPeer(const QtControlPeer&) = delete;
    QtControlPeer& operator=(const QtControlPeer&) = delete;

    PeerId Id() const { return id_; }
    PeerId Window() const { return window_; }
    // The widget, or nullptr once Qt has deleted it with its window.
    QWidget* Widget() const { return widget_; }

    // Geometry, visibility, enabled state, font and tooltip, then the kind's own state.
    void Update(const ControlState& state);

protected:
    QtControlPeer(PeerId window, PeerId id, QWidget* widget);

    virtual void UpdateOwn(const ControlState& state) = 0;
    // Connections made here are cut when the peer goes, before its widget is deleted.
    void Keep(QMetaObject::Connection connection);

private:
    PeerId window_;
    PeerId id_;
    QPointer<QWidget> widget_;
    std::vector<QMetaObject::Connection> connections_;
};

}  // namespace fw::qt
