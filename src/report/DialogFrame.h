#pragma once

#include <QSize>
#include <QString>

class QDialog;
class QWidget;

// Gives a dialog the program's frame: caption with system menu, close and minimise boxes,
// no maximise box, a fixed client size, centred on the screen.
void applyDialogFrame(QDialog& dialog, QSize clientSize);

// Places a control at its client rectangle and names it, so tests and assistive tools find
// it by the same name.
void placeControl(QWidget& control, const QString& name, int x, int y, int width, int height);

// Condenses the control's font just enough that `text` fits in `visibleWidth` pixels (see
// StretchToFit.h); used where a neighbouring control covers the end of a label, or a box
// is narrower than the text it opens with.
void condenseToFit(QWidget& control, const QString& text, int visibleWidth);
