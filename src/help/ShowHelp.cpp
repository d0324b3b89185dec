// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/ShowHelp.h"

#include "help/HelpFile.h"
#include "help/HelpPrinting.h"
#include "help/HelpWindow.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>

namespace {

// The search outlives the window: a later opening continues it.
SearchState& helpSearchState() {
    static SearchState state;
    return state;
}

QPointer<HelpWindow>& openHelpWindow() {
    static QPointer<HelpWindow> window;
    return window;
}

void showNotice(const HelpNotice& notice, QWidget* owner) {
    QMessageBox::information(owner, QString::fromStdString(notice.title),
                             QString::fromStdString(notice.text));
}

bool bringOpenWindowToFront() {
    HelpWindow* window = openHelpWindow().data();
    if (window == nullptr) {
        return false;
    }
    window->showNormal();
    window->raise();
    window->activateWindow();
    return true;
}

} // namespace

void ShowHelp(const std::string& path, const std::string& caption, QWidget* owner, int xOffset,
              int yOffset) {
    if (bringOpenWindowToFront()) {
        return;
    }
    HelpLoadResult loaded = HelpFile::load(path);
    if (loaded.notice) {
        showNotice(*loaded.notice, owner);
        return;
    }
    HelpWindow window(std::move(loaded.topics), QString::fromStdString(caption), helpSearchState(),
                      printHelpTopic);
    const QPoint ownerPosition = owner != nullptr ? owner->pos() : QPoint(0, 0);
    window.move(ownerPosition + QPoint(xOffset, yOffset));
    if (owner != nullptr && owner->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        window.setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    QEventLoop loop;
    QObject::connect(&window, &HelpWindow::closed, &loop, &QEventLoop::quit);
    openHelpWindow() = &window;
    window.show();
    window.activateWindow();
    loop.exec();
    openHelpWindow() = nullptr;
}
