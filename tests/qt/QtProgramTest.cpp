// A small program on the framework's model, run on the Qt backend under the offscreen
// platform: real drops, clicks, dialogs, menus and the way out.

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>

#include <fstream>

#include "framework/Application.h"
#include "framework/DragItem.h"
#include "framework/FileType.h"
#include "framework/Label.h"
#include "framework/Listbox.h"
#include "framework/MenuBar.h"
#include "framework/MessageDialog.h"
#include "framework/PushButton.h"
#include "framework/Runtime.h"
#include "framework/Window.h"

namespace fw::qt::test {
namespace {

using Log = std::vector<std::string>;

class ProgramApp : public Application {
public:
    explicit ProgramApp(Log* log) : log_(log) {}
    void Event_Open() override { log_->push_back("App.Open"); }
    void Event_Close() override { log_->push_back("App.Close"); }

private:
    Log* log_;
};

// Closes the window it belongs to, like the File menu's Close; counts its enable passes.
class CloseItem : public MenuItem {
public:
    std::weak_ptr<Window> target;  // weak: the window holds its menu bar
    int enablePasses{0};
    void Event_EnableMenu() override {
        ++enablePasses;
        const auto window = target.lock();
        SetEnabled(window && window->IsOpen());
    }
    bool Event_Action() override {
        Ref<Window>(target.lock())->Close();
        return true;
    }
};

class DropletWindow : public Window {
public:
    explicit DropletWindow(Log* log) : log_(log) {}
    std::string ClassName() const override { return "DropletWindow"; }

    Ref<Listbox> list;
    Ref<PushButton> run;
    Ref<Label> label;
    Ref<fw::MenuBar> bar = New<fw::MenuBar>();
    Ref<CloseItem> closeItem = New<CloseItem>();
    std::vector<std::string> dropped;
    std::string answer;
    int exitCode{0};

    void Event_Open() override {
        log_->push_back("Window.Open");
        closeItem->target = Cast<Window>(Ref<Object>(shared_from_this())).Shared();
        AcceptFileDrop("special/any;special/folder");
        Title("Droplet");
    }
    void Event_Close() override { log_->push_back("Window.Close"); }
    void Event_DropObject(Ref<DragItem> item, int) override {
        list->RemoveAllRows();
        do {
            if (item->FolderItemAvailable()) {
                dropped.push_back(item->FolderItem()->NativePath());
                list->AddRow(item->FolderItem()->Name());
            }
        } while (item->NextItem());
        label->Text(std::to_string(list->ListCount()) + " files");
        run->Enabled(true);
    }

protected:
    void Layout() override {
        auto file = New<MenuItem>();
        file->SetName("FileMenu");
        file->SetText("File");
        bar->AddMenu(file);
        closeItem->SetName("FileClose");
        closeItem->SetText("Close");
        closeItem->SetShortcut("Cmd+W");
        file->AddMenu(closeItem);
        MenuBar(bar);
        Width(460);
        Height(300);
        MinimumWidth(460);
        MinimumHeight(300);
        Left(120);
        Top(90);
    }
    void CreateControls() override {
        list = New<Listbox>();
        AddControl_("ListBox1", list);
        list->Left(0), list->Top(48), list->Width(460), list->Height(252);
        list->LockRight(true), list->LockBottom(true);
        run = New<PushButton>();
        AddControl_("PushButtonRun", run);
        run->Caption("Run");
        run->Left(20), run->Top(16), run->Width(80), run->Height(20);
        run->Enabled(false);
        run->Action = [this](Ref<PushButton>) {
            auto dialog = New<MessageDialog>();
            dialog->Message = "Completed.";
            dialog->ActionButton->Caption = "Quit";
            const Ref<Window> self = Cast<Window>(Ref<Object>(shared_from_this()));
            answer = dialog->ShowModalWithin(self)->Caption;
            GetAppObject_()->Quit(exitCode);
        };
        label = New<Label>();
        AddControl_("Label1", label);
        label->Left(112), label->Top(16), label->Width(328), label->Height(20);
        label->LockRight(true);
        label->Text("Drop the font file into the window.");
    }

private:
    Log* log_;
};

class QtProgram : public ::testing::Test {
protected:
    void SetUp() override {
        RuntimeInit();
        SetExitHook_([this](int status) { exitStatuses.push_back(status); });
        RuntimeRegisterAppObject_(app);
        for (const char* name : {"special/any", "special/folder"}) {
            FileType type;
            type.Name = name;
            type.Register();
        }
    }
    void TearDown() override {
        SetExitHook_(nullptr);
        RuntimeInit();
    }

    // Runs the program; script runs once the event loop has started.
    void RunProgram(std::function<void()> script) {
        RunFrameworkInitialization_([&] {
            window = New<DropletWindow>(&log);
            window->Constructor();
        });
        QTimer::singleShot(0, &guard, script);
        // Never hang the test run: a program that does not quit is ended.
        QTimer::singleShot(20000, &guard, [this] {
            ADD_FAILURE() << "the program did not quit";
            app->Quit(99);
        });
        RuntimeRun_();
    }

    static QWidget* TopLevel(const QString& title) {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && widget->windowTitle() == title) {
                return widget;
            }
        }
        return nullptr;
    }

    QObject guard;  // the timers of one test end with it
    Log log;
    Ref<ProgramApp> app = New<ProgramApp>(&log);
    Ref<DropletWindow> window;
    std::vector<int> exitStatuses;
};

TEST_F(QtProgram, DropClickDialogAndQuitInOrder) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string base = folder.path().toStdString();
    std::vector<std::string> names;
    for (const char* name : {"/My Font.otf", "/\"Quoted\".ttf", "/two\nlines.otf",
                             "/\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E.ttf"}) {
        names.push_back(base + name);
        std::ofstream(names.back()) << "font";
    }
    QString seenText;
    QStringList rowsShown;
    QRect buttonGeometry;
    RunProgram([&] {
        QWidget* shown = TopLevel("Droplet");
        ASSERT_NE(shown, nullptr);
        auto* button = shown->findChild<QPushButton*>();
        auto* tree = shown->findChild<QTreeWidget*>();
        ASSERT_NE(button, nullptr);
        ASSERT_NE(tree, nullptr);
        buttonGeometry = button->geometry();
        EXPECT_FALSE(button->isEnabled());

        QMimeData data;
        QList<QUrl> urls;
        for (const auto& name : names) {
            urls.push_back(QUrl::fromLocalFile(QString::fromStdString(name)));
        }
        data.setUrls(urls);
        const QPoint at(200, 150);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(shown, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(shown, &drop);
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            rowsShown.push_back(tree->topLevelItem(i)->text(0));
        }
        EXPECT_TRUE(button->isEnabled());

        // The alert the click shows is answered once it is up.
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seenText = box->text();
            box->buttons().front()->click();
        });
        window->exitCode = 5;
        QTest::mouseClick(button, Qt::LeftButton);
    });

    EXPECT_EQ(window->dropped, names);
    EXPECT_EQ(rowsShown.size(), 4);
    EXPECT_TRUE(rowsShown.contains(QString::fromUtf8("two\nlines.otf")));
    EXPECT_EQ(buttonGeometry, QRect(20, 16, 80, 20));
    EXPECT_EQ(seenText, "Completed.");
    EXPECT_EQ(window->answer, "Quit");
    EXPECT_EQ(log, (Log{"App.Open", "Window.Open", "Window.Close", "App.Close"}));
    EXPECT_EQ(RuntimeExit(), 5);
    EXPECT_TRUE(exitStatuses.empty());
}

TEST_F(QtProgram, CtrlWClosesTheWindowAndTheLastWindowQuits) {
    app->AutoQuit = true;
    RunProgram([&] {
        QWidget* shown = TopLevel("Droplet");
        ASSERT_NE(shown, nullptr);
        shown->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(shown));
        QTest::keyClick(shown, Qt::Key_W, Qt::ControlModifier);
    });
    EXPECT_GE(window->closeItem->enablePasses, 1);
    EXPECT_EQ(log, (Log{"App.Open", "Window.Open", "Window.Close", "App.Close"}));
    EXPECT_EQ(RuntimeExit(), 0);
}

TEST_F(QtProgram, MenusEnableThemselvesAndControlsFollowTheWindowSize) {
    int passesBefore = -1;
    int passesAfter = -1;
    QRect listGeometry;
    QRect labelGeometry;
    RunProgram([&] {
        QWidget* shown = TopLevel("Droplet");
        ASSERT_NE(shown, nullptr);
        QMenu* file = shown->findChild<QMenuBar*>()->actions().front()->menu();
        passesBefore = window->closeItem->enablePasses;
        emit file->aboutToShow();
        passesAfter = window->closeItem->enablePasses;

        shown->resize(shown->width() + 100, shown->height() + 50);
        QCoreApplication::processEvents();
        listGeometry = shown->findChild<QTreeWidget*>()->geometry();
        labelGeometry = shown->findChild<QLabel*>()->geometry();
        app->Quit(0);
    });
    EXPECT_EQ(passesAfter, passesBefore + 1);
    EXPECT_EQ(window->Width(), 560);
    EXPECT_EQ(window->Height(), 350);
    EXPECT_EQ(listGeometry, QRect(0, 48, 560, 302));
    EXPECT_EQ(labelGeometry, QRect(112, 16, 428, 20));
}

}  // namespace
}  // namespace fw::qt::test
