// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/MessageWindow.h"

#include "common/DialogControls.h"
#include "common/GrowingLayout.h"
#include "dialogs/MessageLayout.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {
constexpr int roomBelowButtons = 10;

// The lines of a message: the text split at each carriage return + line feed only (a lone
// one stays inside its line); an empty text is one empty line.
QStringList messageLines(const std::string& text) {
    return QString::fromStdString(text).split(QStringLiteral("\r\n"));
}

std::vector<int> lineWidths(const std::string& text, const QFontMetrics& metrics) {
    std::vector<int> widths;
    for (const QString& line : messageLines(text)) {
        widths.push_back(metrics.horizontalAdvance(line));
    }
    return widths;
}

MessagePlacement placementOver(QWidget* owner, int x, int y) {
    MessagePlacement placement;
    placement.x = x;
    placement.y = y;
    if (owner != nullptr) {
        placement.owner = owner->frameGeometry();
    }
    QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        placement.screen = screen->geometry();
    }
    return placement;
}

class MessageWindow : public QDialog {
public:
    MessageWindow(QWidget* owner, const std::string& text, int style, const std::string& caption,
                  int x, int y, const QColor& colour)
        : QDialog(owner) {
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowStaysOnTopHint);
        setWindowTitle(QString::fromStdString(caption));
        // Stars around a caption ("*** WRONG ANSWER ***") are for the eye; spoken they are
        // "star star star".
        const QString spoken =
            QString::fromStdString(caption).remove(QLatin1Char('*')).simplified();
        if (spoken != windowTitle() && !spoken.isEmpty()) {
            setAccessibleName(spoken);
        }
        setWhiteBackground();
        const QFontMetrics metrics(font());
        layout_ = layoutMessage(lineWidths(text, metrics), style, metrics.lineSpacing(),
                                placementOver(owner, x, y));
        addText(text, colour);
        addButtons();
        escapeResult_ = layout_.escapeResult;
        resize(layout_.window.size());
        growWithText(this);
        move(layout_.window.topLeft());
    }

    void reject() override { done(escapeResult_); }

protected:
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        fitOuterSize();
        QTimer::singleShot(0, this, [this]() { fitOuterSize(); });
    }

private:
    void setWhiteBackground() {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, Qt::white);
        setPalette(palette);
        setAutoFillBackground(true);
    }

    void addText(const std::string& text, const QColor& colour) {
        // Sized by measuring the text, so it is not refitted like the labels of the dialogs.
        auto* label = new QLabel(messageLines(text).join(u'\n'), this);
        label->setObjectName(controlName(static_cast<int>(MessageControlId::Text)));
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setGeometry(layout_.label);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }

    void addButtons() {
        for (const MessageButton& planned : layout_.buttons) {
            auto* button =
                addButton(this, static_cast<int>(planned.id), planned.text, planned.rect);
            const int result = planned.result;
            connect(button, &QPushButton::clicked, this, [this, result]() { done(result); });
            if (planned.isDefault) {
                button->setDefault(true);
                button->setFocus();
            }
        }
    }

    // The layout gives the outer size, frame and caption bar included; once the platform
    // reports its frame, the client area shrinks by it, but never so far that it cuts off
    // the buttons.
    void fitOuterSize() {
        const QSize frame = frameGeometry().size() - geometry().size();
        if (frame.width() <= 0 && frame.height() <= 0) {
            return;
        }
        const int buttonsBottom =
            layout_.buttons.front().rect.y() + layout_.buttons.front().rect.height();
        const int clientWidth = layout_.window.width() - frame.width();
        const int clientHeight =
            std::max(layout_.window.height() - frame.height(), buttonsBottom + roomBelowButtons);
        static_cast<GrowingLayout*>(layout())->setDrawnSize({clientWidth, clientHeight});
        layout()->activate();
        move(layout_.window.topLeft());
    }

    MessageLayout layout_;
    int escapeResult_ = messageResultNo;
};
} // namespace

int showMessage(const std::string& text, int style, const std::string& caption, int beep, int x,
                int y, std::optional<QColor> colour) {
    QWidget* owner = QApplication::activeWindow();
    MessageWindow window(owner, text, style, caption, x, y, colour.value_or(QColor(Qt::black)));
    window.setWindowModality(owner != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    if (beep != 0) {
        QApplication::beep();
    }
    return window.exec();
}

QDialog* openMessage(const std::string& text, int style, const std::string& caption, int beep,
                     int x, int y, std::optional<QColor> colour) {
    QWidget* owner = QApplication::activeWindow();
    auto* window =
        new MessageWindow(owner, text, style, caption, x, y, colour.value_or(QColor(Qt::black)));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(owner != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    if (beep != 0) {
        QApplication::beep();
    }
    window->open();
    return window;
}
