#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "QtTestSupport.h"
#include "qt/QtDropData.h"

namespace fw::qt::test {
namespace {

using QtDrop = QtBackendTest;

// Sends a drag enter, then the drop, as the window system would; true when the window
// took the drop.
bool DropOn(QWidget* window, const QMimeData& data) {
    const QPoint at(window->width() / 2, window->height() / 2);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &drop);
    return drop.isAccepted();
}

TEST_F(QtDrop, NamesSurviveByteForByte) {
    QWidget* window = OpenWindow(1, {0, 0, 460, 300});
    backend->SetWindowAcceptsDrops(1, true);
    const std::vector<std::string> names{
        "/tmp/with blank.otf", "/tmp/\"quoted\" 'name'.ttf", "/tmp/new\nline.otf",
        "/tmp/Schrift \xC3\xA4\xE6\x97\xA5\xE6\x9C\xAC.otf", "/tmp/percent%20sign.ttf"};
    QMimeData data;
    QList<QUrl> urls;
    for (const auto& name : names) {
        urls.push_back(QUrl::fromLocalFile(QString::fromStdString(name)));
    }
    data.setUrls(urls);

    ASSERT_TRUE(DropOn(window, data));
    ASSERT_EQ(host.drops.size(), 1u);
    EXPECT_EQ(host.drops[0].window, 1u);
    EXPECT_EQ(host.drops[0].paths, names);
    ASSERT_EQ(host.offered.size(), 1u);
    EXPECT_EQ(host.offered[0].paths, names);
}

TEST_F(QtDrop, NamesThatAreNotUtf8SurviveFromTheRawUriList) {
    QWidget* window = OpenWindow(1, {0, 0, 460, 300});
    backend->SetWindowAcceptsDrops(1, true);
    QMimeData data;
    data.setData("text/uri-list", "file:///tmp/latin1-%E9t%E9.otf\r\nfile:///tmp/x%FF.ttf\r\n");
    ASSERT_TRUE(DropOn(window, data));
    ASSERT_EQ(host.drops.size(), 1u);
    EXPECT_EQ(host.drops[0].paths,
              (std::vector<std::string>{"/tmp/latin1-\xE9t\xE9.otf", "/tmp/x\xFF.ttf"}));
}

// URLs that only Qt's decoded list offers, as some drag sources do.
class UrlsWithoutRawList : public QMimeData {
public:
    bool hasFormat(const QString& type) const override {
        return type != QStringLiteral("text/uri-list") && QMimeData::hasFormat(type);
    }
};

TEST_F(QtDrop, DecodedUrlsWithAnEncodedNulAreLeftOut) {
    UrlsWithoutRawList data;
    data.setData("text/uri-list", "file:///tmp/a.ttf%00.otf\r\nfile:///tmp/b.otf\r\n");
    ASSERT_EQ(data.urls().size(), 2);
    EXPECT_EQ(DroppedPaths(&data), std::vector<std::string>{"/tmp/b.otf"});
}

TEST_F(QtDrop, RefusedWhenTheModelOrTheWindowSaysNo) {
    QWidget* window = OpenWindow(1, {0, 0, 460, 300});
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/tmp/a.otf")});

    // Drops not switched on.
    EXPECT_FALSE(window->acceptDrops());
    backend->SetWindowAcceptsDrops(1, true);

    host.acceptDrops = false;
    EXPECT_FALSE(DropOn(window, files));
    EXPECT_EQ(host.offered.size(), 1u);

    host.acceptDrops = true;
    QMimeData text;
    text.setText("just text");
    EXPECT_FALSE(DropOn(window, text));
    QMimeData web;
    web.setUrls({QUrl("https://example.org/a.otf")});
    EXPECT_FALSE(DropOn(window, web));
    EXPECT_TRUE(host.drops.empty());
}

TEST_F(QtDrop, TakenAsACopyOrALinkNeverAsAMove) {
    QWidget* window = OpenWindow(1, {0, 0, 460, 300});
    backend->SetWindowAcceptsDrops(1, true);
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/tmp/a.otf")});
    const QPoint at(window->width() / 2, window->height() / 2);
    // What the window answers to each step of a drag (IgnoreAction: refused).
    auto answers = [&](Qt::DropActions possible, Qt::KeyboardModifiers keys) {
        std::vector<Qt::DropAction> taken;
        QDragEnterEvent enter(at, possible, &files, Qt::LeftButton, keys);
        QDragMoveEvent move(at, possible, &files, Qt::LeftButton, keys);
        QDropEvent drop(QPointF(at), possible, &files, Qt::LeftButton, keys);
        for (QDropEvent* event : std::initializer_list<QDropEvent*>{&enter, &move, &drop}) {
            QCoreApplication::sendEvent(window, event);
            taken.push_back(event->isAccepted() ? event->dropAction() : Qt::IgnoreAction);
        }
        return taken;
    };
    using Taken = std::vector<Qt::DropAction>;
    // Shift proposes a move; the window takes a copy.
    const Qt::DropActions all = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    ASSERT_EQ(
        QDropEvent(QPointF(at), all, &files, Qt::LeftButton, Qt::ShiftModifier).proposedAction(),
        Qt::MoveAction);
    EXPECT_EQ(answers(all, Qt::ShiftModifier), Taken(3, Qt::CopyAction));
    EXPECT_EQ(answers(Qt::MoveAction | Qt::LinkAction, Qt::ShiftModifier),
              Taken(3, Qt::LinkAction));
    EXPECT_EQ(answers(Qt::MoveAction, Qt::NoModifier), Taken(3, Qt::IgnoreAction));
    // The drops taken reached the model; the refused one did not.
    EXPECT_EQ(host.drops.size(), 2u);
}

}  // namespace
}  // namespace fw::qt::test
