// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ControlTable.h"
#include "common/GrowingLayout.h"
#include "common/TextFit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

#include <array>

namespace {
// Answers every text of the context "Table" as "<text>", so a text shown untranslated shows.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        return qstrcmp(context, "Table") == 0 ? QStringLiteral("<%1>").arg(source) : QString();
    }
};

QString shownText(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return button->text();
    }
    return control->accessibleName();
}
} // namespace

// Each kind of row shows its text (or is named by it) from the catalogue under the table's
// context; an empty text stays empty, and a table built without a context shows its texts as
// written.
class ControlTableTest : public QObject {
    Q_OBJECT
private slots:
    void rowTextsComeFromTheCatalogue() {
        const std::array<ControlRow, 7> rows = {{
            {ControlKind::Label, "label", "Name:", QRect(0, 0, 80, 20)},
            {ControlKind::Label, "empty", "", QRect(0, 0, 80, 20)},
            {ControlKind::Button, "button", "&Ok", QRect(0, 0, 80, 20)},
            {ControlKind::CheckBox, "check", "Whole word", QRect(0, 0, 80, 20)},
            {ControlKind::LineEdit, "edit", "Text to find", QRect(0, 0, 80, 20)},
            {ControlKind::TypedCombo, "combo", "Minutes", QRect(0, 0, 80, 20)},
            {ControlKind::Placed, "placed", "Help topics", QRect(0, 0, 80, 20)},
        }};
        MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        for (const char* context : {"Table", static_cast<const char*>(nullptr)}) {
            QWidget window;
            addControls(&window, context, rows,
                        [&window](const ControlRow&) { return new QWidget(&window); });
            for (const ControlRow& row : rows) {
                const QString written = QString::fromUtf8(row.text);
                const QString expected =
                    context == nullptr || written.isEmpty() ? written : "<" + written + ">";
                QCOMPARE(shownText(window.findChild<QWidget*>(row.name)), expected);
            }
            auto* combo = window.findChild<QComboBox*>("combo");
            QCOMPARE(combo->lineEdit()->accessibleName(), combo->accessibleName());
        }
        QCoreApplication::removeTranslator(&marking);
    }

    // A drop-down list closes to one line and, opened, shows as many entries as the room its
    // rectangle leaves below that line.
    void aDropDownOpensWithinItsRectangle() {
        QWidget window;
        const ControlRow row{ControlKind::DropDown, "list", "Minutes", QRect(10, 20, 80, 120)};
        auto* combo = new QComboBox(&window);
        fitDropDown(combo, row);
        const int entry = combo->fontMetrics().height() + 2;
        QCOMPARE(combo->geometry(), QRect(10, 20, 80, std::min(combo->sizeHint().height(), 120)));
        const int room = 120 - combo->height();
        QVERIFY(combo->maxVisibleItems() * entry <= room);
        QVERIFY((combo->maxVisibleItems() + 1) * entry > room); // the room is used
    }

    // As drawn, a window keeps its places whatever its texts; otherwise a longer text widens
    // its label, moves the button beside it and widens the window as far as it needs, and a
    // control deleted leaves the layout and gives its room back.
    void aWindowGrowsWithItsTexts() {
        QWidget window;
        window.resize(200, 60);
        auto* label = new QLabel("Hi", &window);
        label->setGeometry(10, 10, 50, 20);
        auto* button = new QPushButton("Ok", &window);
        button->setGeometry(70, 10, 50, 20);
        growWithText(&window);
        label->setText("A much longer text than the drawing has room for");
        const int needed = label->sizeHint().width();
        for (const bool asDrawn : {true, false}) {
            setTextsAsDrawn(asDrawn);
            window.layout()->invalidate();
            window.layout()->activate();
            const int grown = asDrawn ? 0 : needed - 50;
            QCOMPARE(button->geometry(), QRect(70 + grown, 10, 50, 20));
            QCOMPARE(window.size(), QSize(std::max(200, 130 + grown), 60)); // a margin of 10
        }
        delete label;
        window.layout()->activate();
        QCOMPARE(window.layout()->count(), 1);
        QCOMPARE(button->geometry(), QRect(70, 10, 50, 20));
        setTextsAsDrawn(true);
    }
};

QTEST_MAIN(ControlTableTest)
#include "ControlTableTest.moc"
