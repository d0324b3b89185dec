// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/ShowHelp.h"

#include "help/HelpFile.h"
#include "help/HelpPrinting.h"
#include "help/HelpWindow.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>

#include <memory>
#include <new>

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
    QMessageBox::information(owner, QCoreApplication::translate("HelpFile", notice.title.c_str()),
                             QCoreApplication::translate("HelpFile", notice.text.c_str()));
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
    // The topics are bounded, but a window that cannot be built for want of memory is one
    // more unreadable help file: the program, and the session's results, go on.
    std::unique_ptr<HelpWindow> built;
    try {
        built =
            std::make_unique<HelpWindow>(std::move(loaded.topics), QString::fromStdString(caption),
                                         helpSearchState(), printHelpTopic);
    } catch (const std::bad_alloc&) {
        showNotice(HelpNotice{noHelpContentText, helpNoticeTitle}, owner);
        return;
    }
    HelpWindow& window = *built;
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
