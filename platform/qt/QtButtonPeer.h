#pragma once
// A push button; a click goes to the model.

#include <QPushButton>
#include "QtControlPeer.h"

namespace fw::qt {

class QtButtonPeer : public QtControlPeer {
public:
    QtButtonPeer(PeerId window, PeerId id, QWidget* parent, BackendHost& host);

private:
    void UpdateOwn(const ControlState& state) override;

    QPointer<QPushButton> button_;
};

}  // namespace fw::qt
