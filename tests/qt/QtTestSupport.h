#pragma once
// A Qt backend with a recording host, and helpers to build windows and controls on it.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <QWidget>
#include <memory>

#include "RecordingHost.h"
#include "qt/QtBackend.h"

namespace fw::qt::test {

class QtBackendTest : public ::testing::Test {
protected:
    void SetUp() override {
        backend = std::make_unique<QtBackend>();
        backend->Initialize(host);
    }
    void TearDown() override { backend.reset(); }

    // A visible window whose content rectangle is frame.
    QWidget* OpenWindow(PeerId id, const PeerRect& frame, bool visible = true) {
        WindowState state;
        state.Title = "Test";
        state.Frame = frame;
        state.Visible = visible;
        backend->CreateWindow(id, state);
        QWidget* window = backend->WindowWidget(id);
        if (visible && window != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        }
        return window;
    }

    static ControlState Control(ControlKind kind, PeerRect bounds) {
        ControlState state;
        state.Kind = kind;
        state.Bounds = bounds;
        return state;
    }

    static void ProcessEvents() { QCoreApplication::processEvents(); }

    RecordingHost host;
    std::unique_ptr<QtBackend> backend;
};

}  // namespace fw::qt::test
