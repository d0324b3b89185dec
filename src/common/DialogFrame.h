// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QDialog;

// The frame every dialog of the program has: a caption bar with the system menu, a minimise
// box and a close box, no maximise box and no help button; the client size drawn, grown where a
// text needs more room (GrowingLayout.h); centred on
// the screen of its owner (the primary screen when it has none).
void setUpDialogFrame(QDialog& dialog, const QString& caption, int clientWidth, int clientHeight);

// Centres the dialog again (its owner may have moved to another screen since), blocks only
// the owner's window, and runs it until it closes; returns exec()'s result.
int runCentredWindowModal(QDialog& dialog);
// The same without waiting: the dialog opens window-modal, is deleted once closed, and tells
// its result through QDialog::finished.
void openCentredWindowModal(QDialog* dialog);
