// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DialogFrame.h"

#include "common/GrowingLayout.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

namespace {
QScreen* screenOf(const QWidget& dialog) {
    const QWidget* owner = dialog.parentWidget();
    QScreen* screen = owner != nullptr ? owner->screen() : nullptr;
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

void centreOnScreen(QDialog& dialog) {
    if (dialog.layout() != nullptr) {
        dialog.layout()->activate();
    }
    QScreen* screen = screenOf(dialog);
    if (screen == nullptr) {
        return;
    }
    const QPoint centre = screen->availableGeometry().center();
    dialog.move(centre - QPoint(dialog.width() / 2, dialog.height() / 2));
}
} // namespace

void setUpDialogFrame(QDialog& dialog, const QString& caption, int clientWidth, int clientHeight) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(caption);
    dialog.resize(clientWidth, clientHeight);
    growWithText(&dialog);
    centreOnScreen(dialog);
}

void openCentredWindowModal(QDialog* dialog) {
    centreOnScreen(*dialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

int runCentredWindowModal(QDialog& dialog) {
    centreOnScreen(dialog);
    dialog.setWindowModality(Qt::WindowModal);
    return dialog.exec();
}
