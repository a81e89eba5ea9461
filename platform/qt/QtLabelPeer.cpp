#include "QtLabelPeer.h"

#include <QLabel>

#include "QtConversions.h"

namespace fw::qt {

namespace {

QLabel* MakeLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    // The model's text is plain text, never markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

Qt::Alignment HorizontalAlignment(int textAlignment) {
    switch (textAlignment) {
        case 2:
            return Qt::AlignHCenter;
        case 3:
            return Qt::AlignRight;
        default:
            return Qt::AlignLeft;
    }
}

}  // namespace

QtLabelPeer::QtLabelPeer(PeerId window, PeerId id, QWidget* parent)
    : QtControlPeer(window, id, MakeLabel(parent)), label_(static_cast<QLabel*>(Widget())) {}

void QtLabelPeer::UpdateOwn(const ControlState& state) {
    if (!label_) {
        return;
    }
    label_->setText(ToQString(state.Text));
    label_->setWordWrap(state.Multiline);
    label_->setAlignment(HorizontalAlignment(state.TextAlignment) |
                         (state.Multiline ? Qt::AlignTop : Qt::AlignVCenter));
    // Opaque black is the default colour: it stands for the platform's text colour, so
    // that the label stays readable in a dark appearance.
    QPalette palette =
        label_->parentWidget() != nullptr ? label_->parentWidget()->palette() : QPalette();
    if (state.TextColor != 0x00000000) {
        palette.setColor(QPalette::WindowText, ToQColor(state.TextColor));
    }
    label_->setPalette(palette);
}

}  // namespace fw::qt
