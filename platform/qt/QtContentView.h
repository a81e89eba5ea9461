#pragma once
// The content area of a window: the model's own drawing (the Paint event) below the
// controls, which are its children.

#include <QWidget>

#include "framework/Backend.h"

namespace fw::qt {

class QtContentView : public QWidget {
public:
    QtContentView(PeerId window, BackendHost& host, QWidget* parent);

    // Stops reporting to the model; the view is going away.
    void Detach() { detached_ = true; }

    void SetBackground(bool hasColor, std::uint32_t color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PeerId window_;
    BackendHost& host_;
    bool detached_{false};
};

}  // namespace fw::qt
