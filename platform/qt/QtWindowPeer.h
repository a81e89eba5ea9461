#pragma once
// A top-level window that mirrors a framework Window. The model's frame is the content
// rectangle in global coordinates: the window's client area below its menu bar, where
// the controls sit at the model's content coordinates.

#include <QWidget>
#include <memory>

#include "framework/Backend.h"

namespace fw::qt {

class QtContentView;
class QtMenuBarMirror;

class QtWindowPeer : public QWidget {
public:
    QtWindowPeer(PeerId id, const WindowState& state, BackendHost& host);
    ~QtWindowPeer() override;

    PeerId Id() const { return id_; }
    // The parent of the window's controls.
    QtContentView* Content() const { return content_; }
    // The mirrored menu bar, or nullptr.
    QtMenuBarMirror* MenuBarMirror() const { return mirror_.get(); }

    // Stops reporting to the model and hides the window; it is deleted later.
    void Detach();

    // The height of the menu bar above the content (0 without one).
    int MenuHeight() const;
    PeerRect ContentFrame() const;
    void SetContentFrame(const PeerRect& frame);
    void SetSizeLimits(int minWidth, int minHeight, int maxWidth, int maxHeight);
    void SetResizeable(bool resizeable);
    // Shows bar above the content (Nil: none), keeping the content rectangle.
    void ShowMenuBar(const Ref<MenuBar>& bar);
    void SetAcceptsFileDrops(bool accepts);
    void ToggleZoom();

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void LayoutChildren();
    void ApplySizeLimits();
    void ReportFrame();

    PeerId id_;
    BackendHost& host_;
    QtContentView* content_;
    std::unique_ptr<QtMenuBarMirror> mirror_;
    PeerRect knownFrame_;  // the frame the model holds
    int minWidth_{0};
    int minHeight_{0};
    int maxWidth_{QWIDGETSIZE_MAX};
    int maxHeight_{QWIDGETSIZE_MAX};
    bool resizeable_{true};
    bool applying_{false};
    bool detached_{false};
    bool dragAccepted_{false};
};

}  // namespace fw::qt
