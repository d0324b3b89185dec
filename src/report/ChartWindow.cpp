// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ChartWindow.h"

#include "common/DialogControls.h"
#include "common/PrintWhole.h"
#include "report/ChartPainter.h"

#include <QAccessibleWidget>
#include <QBoxLayout>
#include <QBuffer>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>

namespace {
// Assistive technology is told the view is a chart (not an empty filler), with its name and
// its description in words.
QAccessibleInterface* chartAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(ChartView::staticMetaObject.className()) &&
        object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Chart);
    }
    return nullptr;
}
} // namespace

ChartView::ChartView(const ChartData& data, QWidget* parent) : QWidget(parent), data_(data) {
    static const bool factoryInstalled = (QAccessible::installFactory(chartAccessible), true);
    (void)factoryInstalled;
    setAccessibleName(tr("Progress chart"));
    setAccessibleDescription(chartDescription(data_));
    setToolTip(chartDescription(data_));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(480, 300);
    setAutoFillBackground(true);
    QPalette ground = palette();
    ground.setColor(QPalette::Window, Qt::white);
    setPalette(ground);
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintChart(painter, QRectF(rect()).adjusted(8, 8, -8, -8), data_);
}

ChartWindow::ChartWindow(const QString& childName, const std::vector<ScoreRecord>& history,
                         QWidget* owner)
    : QDialog(owner), childName_(childName), data_(chartData(history)) {
    setWindowTitle(title());
    auto* layout = new QVBoxLayout(this);
    if (data_.empty()) {
        auto* sentence = new QLabel(noResultsSentence(), this);
        sentence->setAlignment(Qt::AlignCenter);
        sentence->setMinimumSize(480, 300);
        sentence->setObjectName(controlName(static_cast<int>(ChartControl::Chart)));
        sentence->setAccessibleName(tr("Progress chart"));
        sentence->setAccessibleDescription(noResultsSentence());
        view_ = sentence;
    } else {
        view_ = new ChartView(data_, this);
        view_->setObjectName(controlName(static_cast<int>(ChartControl::Chart)));
    }
    layout->addWidget(view_, 1);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    addButtons(row);
    layout->addLayout(row);
    resize(720, 480);
}

QString ChartWindow::title() const {
    return tr("Progress Chart - %1").arg(childName_);
}

void ChartWindow::addButtons(QBoxLayout* row) {
    for (const ChartButton& button : chartButtons) {
        auto* push = addRowButton(this, row, static_cast<int>(button.id), tr(button.text));
        push->setEnabled(button.id == ChartControl::Close || !data_.empty());
        switch (button.id) {
        case ChartControl::Print:
            connect(push, &QPushButton::clicked, this, &ChartWindow::printWithDialog);
            break;
        case ChartControl::SavePng:
            connect(push, &QPushButton::clicked, this, &ChartWindow::savePngWithDialog);
            break;
        default:
            connect(push, &QPushButton::clicked, this, &QDialog::reject);
            break;
        }
    }
}

WriteOutcome ChartWindow::savePng(const QString& path) const {
    // The picture is made whole in memory first, so the file is written in one go.
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) ||
        !chartImage(data_, view_->size()).save(&buffer, "PNG")) {
        return WriteOutcome{false, tr("the picture could not be made")};
    }
    return writeFileAtomically(std::filesystem::path(path.toStdU16String()), png);
}

bool ChartWindow::savePngWithDialog() {
    // Offered in the user's documents, never beside the child files.
    const QString suggested =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/" +
        tr("%1-chart.png", "the file name offered: the child's name").arg(childName_);
    QString path = QFileDialog::getSaveFileName(this, tr("Save Chart as PNG"), suggested,
                                                tr("PNG images (*.png)"));
    if (path.isEmpty()) {
        return false;
    }
    if (!path.endsWith(".png", Qt::CaseInsensitive)) {
        path += ".png";
    }
    if (const WriteOutcome saved = savePng(path); !saved) {
        QMessageBox::warning(
            this, tr("Save Chart"),
            notSavedText(tr("The chart could not be saved as %1."), path, saved.reason));
        return false;
    }
    return true;
}

bool ChartWindow::printWithDialog() {
    return ::printWithDialog(
        this, title(), [this](QPrinter& printer) { return printChart(printer, data_, title()); },
        {tr("Print Chart"), tr("The chart could not be saved as %1."),
         tr("The chart could not be printed.")});
}

void showProgressChart(QWidget* owner, const QString& childName,
                       const std::vector<ScoreRecord>& history) {
    ChartWindow window(childName, history, owner);
    window.exec();
}
