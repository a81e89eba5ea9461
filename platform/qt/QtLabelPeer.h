#pragma once
// A static text.

#include <QLabel>
#include "QtControlPeer.h"

namespace fw::qt {

class QtLabelPeer : public QtControlPeer {
public:
    QtLabelPeer(PeerId window, PeerId id, QWidget* parent);

private:
    void UpdateOwn(const ControlState& state) override;

    QPointer<QLabel> label_;
};

}  // namespace fw::qt
