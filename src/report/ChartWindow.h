// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/FileWrite.h"
#include "report/ChartSeries.h"

#include <QDialog>
#include <QWidget>

class QBoxLayout;

// Control numbers of the chart window, its buttons in the order they stand.
enum class ChartControl : int {
    Close = 2,
    Chart = 360,
    Print = 361,
    SavePng = 362,
};

struct ChartButton {
    ChartControl id;
    const char* text; // as written; shown from the catalogue
};
inline constexpr ChartButton chartButtons[] = {
    {ChartControl::Print, QT_TRANSLATE_NOOP("ChartWindow", "&Print...")},
    {ChartControl::SavePng, QT_TRANSLATE_NOOP("ChartWindow", "Save as P&NG...")},
    {ChartControl::Close, QT_TRANSLATE_NOOP("ChartWindow", "&Close")},
};

// The drawing area: paints the chart and describes it in words for assistive technology.
class ChartView : public QWidget {
    Q_OBJECT
public:
    ChartView(const ChartData& data, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ChartData& data_;
};

// "Progress Chart": one child's percent correct over time, one series per kind, with print
// and save as PNG.
class ChartWindow : public QDialog {
    Q_OBJECT
public:
    ChartWindow(const QString& childName, const std::vector<ScoreRecord>& history, QWidget* owner);

    const ChartData& data() const { return data_; }
    QString title() const;

    // Writes the chart as a PNG of the view's size through a temporary file, so a failed
    // write leaves any file of that name as it was, and says why it failed.
    WriteOutcome savePng(const QString& path) const;

    // Asks for a printer (PDF included) and prints, a PDF file replaced only once whole;
    // returns false when cancelled or failed.
    bool printWithDialog();
    bool savePngWithDialog();

private:
    void addButtons(QBoxLayout* row);

    QString childName_;
    ChartData data_;
    QWidget* view_ = nullptr;
};

// Opens the chart window of a child modally over its owner.
void showProgressChart(QWidget* owner, const QString& childName,
                       const std::vector<ScoreRecord>& history);
