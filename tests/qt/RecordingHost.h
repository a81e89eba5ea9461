#pragma once
// A stand-in for the framework's model behind the Qt backend: it records what the
// backend reports and answers like the model would, so that the backend can be tested
// on its own.

#include <functional>
#include <string>
#include <vector>

#include "framework/Backend.h"
#include "framework/Graphics.h"
#include "framework/MenuItem.h"

namespace fw::qt::test {

class RecordingHost : public BackendHost {
public:
    struct Drop {
        PeerId window;
        std::vector<std::string> paths;
    };

    void WindowFrameChanged(PeerId window, const PeerRect& frame) override {
        frames.push_back({window, frame});
    }
    void WindowCloseRequested(PeerId window) override {
        closeRequests.push_back(window);
        if (onClose) {
            onClose(window);
        }
    }
    void WindowPaint(PeerId window, const Ref<Graphics>& g, const std::vector<PeerRect>&) override {
        paints.push_back(window);
        if (paintColor) {
            g->SetForeColor(*paintColor);
            g->FillRect(0, 0, g->Width(), g->Height());
        }
    }
    bool WindowAcceptsDrop(PeerId window, const std::vector<std::string>& paths) override {
        offered.push_back({window, paths});
        return acceptDrops;
    }
    void WindowFilesDropped(PeerId window, const std::vector<std::string>& paths) override {
        drops.push_back({window, paths});
    }
    void ButtonClicked(PeerId control) override {
        clicks.push_back(control);
        if (onClick) {
            onClick(control);
        }
    }
    void ListSelectionChanged(PeerId control, const std::vector<int>& rows) override {
        selections.push_back({control, rows});
    }
    void ListDoubleClicked(PeerId control, int row) override {
        doubleClicks.push_back({control, row});
    }
    bool ListCellBackgroundPaint(PeerId, int row, int, const Ref<Graphics>& g) override {
        paintedRows.push_back(row);
        // Stripes like the program's list: even rows grey, odd rows red, to tell apart.
        g->SetForeColor(row % 2 == 0 ? Color(0xF1, 0xF2, 0xF2) : Color(0xFF, 0x00, 0x00));
        g->FillRect(0, 0, g->Width(), g->Height());
        return false;
    }
    void MenuAboutToShow(const Ref<MenuItem>& menu) override {
        menusShown.push_back(menu->Name());
        for (std::int64_t i = 0; i < menu->Count(); ++i) {
            menu->Item(i)->RaiseEnableMenu();
        }
    }
    void MenuItemChosen(const Ref<MenuItem>& item) override {
        chosen.push_back(item->Name());
        item->RaiseAction();
    }
    void QuitRequested() override { ++quitRequests; }

    std::vector<std::pair<PeerId, PeerRect>> frames;
    std::vector<PeerId> closeRequests;
    std::function<void(PeerId)> onClose;
    std::vector<PeerId> paints;
    std::optional<Color> paintColor;
    bool acceptDrops{true};
    std::vector<Drop> offered;
    std::vector<Drop> drops;
    std::vector<PeerId> clicks;
    std::function<void(PeerId)> onClick;
    std::vector<std::pair<PeerId, std::vector<int>>> selections;
    std::vector<std::pair<PeerId, int>> doubleClicks;
    std::vector<int> paintedRows;
    std::vector<std::string> menusShown;
    std::vector<std::string> chosen;
    int quitRequests{0};
};

}  // namespace fw::qt::test
