// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/TextFit.h"

#include "common/StretchToFit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

namespace {
constexpr double pointSizeStep = 0.5;
// A line edit's frame and inner margins, both sides together.
constexpr int lineEditChrome = 10;

QFont inheritedFont(const QWidget* control) {
    const QWidget* parent = control->parentWidget();
    return parent != nullptr ? parent->font() : QFont();
}

// The width the control needs for its whole text in the font it has now.
int neededWidth(const QWidget* control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        return edit->fontMetrics().horizontalAdvance(edit->text()) + lineEditChrome;
    }
    return control->sizeHint().width();
}
} // namespace

void fitText(QWidget* control, int room) {
    fitTextFrom(control, inheritedFont(control), room);
}

namespace {
bool asDrawn = true;
} // namespace

void setTextsAsDrawn(bool drawn) {
    asDrawn = drawn;
}

bool textsAsDrawn() {
    return asDrawn;
}

void fitTextFrom(QWidget* control, const QFont& start, int room) {
    const int available = room >= 0 ? room : control->width();
    QFont font = start;
    control->setFont(font);
    if (!asDrawn) {
        return;
    }
    if (const auto* label = qobject_cast<const QLabel*>(control);
        label != nullptr && label->wordWrap()) {
        return;
    }
    // Each stretch is tried on the control itself, so its size hint counts the indicator of
    // a check box or option button too.
    const auto widthAt = [control, &font](int stretch) {
        QFont condensed = font;
        condensed.setStretch(stretch);
        control->setFont(condensed);
        return neededWidth(control);
    };
    const int stretch = stretchToFit(widthAt, available);
    if (stretch != fullStretch) {
        font.setStretch(stretch);
    }
    control->setFont(font);
    if (font.pointSizeF() <= 0) {
        return; // a font set in pixels keeps its size
    }
    while (neededWidth(control) > available &&
           font.pointSizeF() - pointSizeStep >= smallestFittedPointSize) {
        font.setPointSizeF(font.pointSizeF() - pointSizeStep);
        control->setFont(font);
    }
}

void setFittedText(QLabel* label, const QString& text) {
    label->setText(text);
    fitText(label);
}
