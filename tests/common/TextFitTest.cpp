// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/TextFit.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

// A text that fits keeps its font; a wider one is condensed first and made smaller only when
// condensing is not enough, never below the smallest size; a wrapped label keeps its font.
class TextFitTest : public QObject {
    Q_OBJECT
private slots:
    void textsAreFittedToTheirRoom() {
        const struct {
            const char* text;
            int width;
            bool condensed, smaller;
        } cases[] = {{"Ok", 180, false, false},
                     {"Space --> Answer", 180, true, false},
                     {"Space --> Answer", 120, true, true},
                     {"Space --> Answer, and then some more", 20, true, true}};
        const QFont large(QFont().family(), 15, QFont::Bold, true);
        for (const auto& c : cases) {
            QWidget window;
            QPushButton button(c.text, &window);
            button.resize(c.width, 30);
            fitTextFrom(&button, large);
            const QFont font = button.font();
            QCOMPARE(font.stretch() < 100 && font.stretch() != 0, c.condensed);
            QCOMPARE(font.pointSizeF() < 15, c.smaller);
            QVERIFY(font.bold() && font.italic());
            QVERIFY(button.sizeHint().width() <= c.width ||
                    font.pointSizeF() == smallestFittedPointSize);
        }
        QWidget window;
        QLabel wrapped("Click Ok and then one of the three mode buttons", &window);
        wrapped.setWordWrap(true);
        wrapped.resize(40, 60);
        fitTextFrom(&wrapped, large);
        QCOMPARE(wrapped.font(), large);
    }
};

QTEST_MAIN(TextFitTest)
#include "TextFitTest.moc"
