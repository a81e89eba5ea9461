#include "QtDropData.h"

#include <QFile>
#include <QMimeData>
#include <QUrl>

#include "FileUri.h"

namespace fw::qt {

std::vector<std::string> DroppedPaths(const QMimeData* data) {
    if (data == nullptr) {
        return {};
    }
    const QString uriListType = QStringLiteral("text/uri-list");
    if (data->hasFormat(uriListType)) {
        const QByteArray raw = data->data(uriListType);
        return LocalPathsFromUriList(
            std::string_view(raw.constData(), static_cast<std::size_t>(raw.size())));
    }
    std::vector<std::string> paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            const QByteArray path = QFile::encodeName(url.toLocalFile());
            // As in the raw list: a decoded NUL would cut the name short.
            if (!path.contains('\0')) {
                paths.emplace_back(path.constData(), static_cast<std::size_t>(path.size()));
            }
        }
    }
    return paths;
}

Qt::DropAction DropActionFor(Qt::DropActions possible) {
    if (possible.testFlag(Qt::CopyAction)) {
        return Qt::CopyAction;
    }
    if (possible.testFlag(Qt::LinkAction)) {
        return Qt::LinkAction;
    }
    return Qt::IgnoreAction;
}

}  // namespace fw::qt
