// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/TextFit.h"
#include "common/TextSize.h"
#include "support/WindowTour.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTranslator>

namespace {
// Every text from the catalogue comes back 40% longer, accented and between brackets, the
// placeholders and the mnemonic letter kept: a text shown without brackets did not come
// from the catalogue.
class PseudoTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        const QString text = QString::fromUtf8(source);
        if (text.isEmpty()) {
            return {};
        }
        static const QString plain = "aeiouAEIOUcnyC", accented = "áéíöüÁÉÍÖÜçñÿÇ";
        QString pseudo;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            const bool kept = i > 0 && (text[i - 1] == '&' || text[i - 1] == '%');
            const qsizetype at = plain.indexOf(c);
            pseudo += kept || at < 0 ? c : accented[at];
        }
        const auto padding = (text.size() * 2 + 4) / 5;
        return "[" + pseudo + " " + QString("ŵéñ").repeated(padding).left(padding) + "]";
    }
};

// A word of the program's own text outside brackets; names and numbers are the tour's data.
bool untranslated(const QString& text) {
    static const QRegularExpression bracketed("\\[[^\\]]*\\]");
    static const QRegularExpression word("[A-Za-z]{2,}");
    static const QStringList data = {"Ann",      "Bob",   "Tallyburrow", "ver",  "Saved",
                                     "Question", "Start", "Hello",       "Keys", "data"};
    QString rest = text;
    rest.remove(bracketed);
    for (auto words = word.globalMatch(rest); words.hasNext();) {
        if (!data.contains(words.next().captured())) {
            return true;
        }
    }
    return false;
}

int lineHeight(const QWidget* control) {
    return control->fontMetrics().ascent() + control->fontMetrics().descent();
}

int textWidth(const QWidget* control, QString text) {
    int widest = 0;
    for (const QString& line : text.remove('&').split('\n')) {
        widest = std::max(widest, control->fontMetrics().horizontalAdvance(line));
    }
    return widest;
}

// The room a control's text needs against its rectangle, by the font's metrics; empty when
// it fits.
QString cutText(const QWidget* control) {
    QSize needed;
    QSize room = control->size();
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->text().isEmpty() || !label->pixmap().isNull()) {
            return {};
        }
        room = label->contentsRect().size();
        needed = label->wordWrap() ? QSize(0, label->heightForWidth(label->width()))
                                   : QSize(textWidth(label, label->text()),
                                           lineHeight(label) * int(label->text().count('\n') + 1));
    } else if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        needed = {textWidth(button, button->text()) + icon + 4, lineHeight(button)};
    } else if (qobject_cast<const QCheckBox*>(control) ||
               qobject_cast<const QRadioButton*>(control)) {
        const bool radio = qobject_cast<const QRadioButton*>(control) != nullptr;
        const int indicator = control->style()->pixelMetric(
            radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth);
        needed = {textWidth(control, static_cast<const QAbstractButton*>(control)->text()) +
                      indicator,
                  lineHeight(control)};
    } else if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
        needed = {textWidth(combo, combo->currentText()) + 16, lineHeight(combo)};
    } else if (qobject_cast<const QLineEdit*>(control)) {
        needed = {0, lineHeight(control)};
    }
    if (needed.width() <= room.width() && needed.height() <= room.height()) {
        return {};
    }
    return QString("needs %1x%2 in %3x%4")
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

bool isControl(const QWidget* widget) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    return (label != nullptr && !label->text().isEmpty()) ||
           qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QProgressBar*>(widget) ||
           qobject_cast<const QAbstractScrollArea*>(widget);
}

QString nameOf(const QWidget* widget) {
    const QVariant text = widget->property("text");
    return QString("%1 %2 \"%3\"")
        .arg(widget->metaObject()->className(), widget->objectName(), text.toString());
}

// What is wrong with a window: a text cut or squeezed, two controls on top of each other, a
// text not from the catalogue, or a window off a 1280 x 800 screen.
QStringList faultsOf(QWidget* window, bool checkCatalogue) {
    QStringList faults;
    if (window->width() > 1280 || window->height() > 800) {
        faults << QString("window %1x%2").arg(window->width()).arg(window->height());
    }
    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (const QWidget* widget : widgets) {
        if (!widget->isVisibleTo(window) || widget->isWindow()) {
            continue;
        }
        if (const QString cut = cutText(widget); !cut.isEmpty()) {
            faults << nameOf(widget) + " " + cut;
        }
        if (widget->font().stretch() != 0 && widget->font().stretch() != QFont::Unstretched) {
            faults << nameOf(widget) + " condensed";
        }
        const QVariant text = widget->property("text");
        if (checkCatalogue && text.isValid() && untranslated(text.toString())) {
            faults << nameOf(widget) + " not from the catalogue";
        }
        if (!isControl(widget) ||
            qobject_cast<const QAbstractScrollArea*>(widget->parentWidget())) {
            continue;
        }
        for (const QWidget* other : widgets) {
            if (other != widget && other->parentWidget() == widget->parentWidget() &&
                other->isVisibleTo(window) && isControl(other) &&
                widget->geometry().intersects(other->geometry()) && widget < other) {
                faults << nameOf(widget) + " overlaps " + nameOf(other);
            }
        }
    }
    return faults;
}
} // namespace

// Every window under a translation, the pseudo-translation, one and a half times the text size
// and right to left: no text is cut, squeezed or overlapped, every text comes from the
// catalogue, and every window fits a 1280 x 800 screen.
class TextFitWalkTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextFits_data() {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<double>("scale");
        QTest::addColumn<bool>("rightToLeft");
        QTest::newRow("pseudo, 1.5 times") << "pseudo" << 1.5 << false;
        QTest::newRow("pseudo, right to left") << "pseudo" << 1.0 << true;
        QTest::newRow("German") << ":/i18n/tallyburrow_de.qm" << 1.0 << false;
        QTest::newRow("French, 1.5 times") << ":/i18n/tallyburrow_fr.qm" << 1.5 << false;
        QTest::newRow("Spanish") << ":/i18n/tallyburrow_es.qm" << 1.0 << false;
    }

    void everyTextFits() {
        QFETCH(QString, catalogue);
        QFETCH(double, scale);
        QFETCH(bool, rightToLeft);
        PseudoTranslator pseudo;
        QTranslator language;
        QTranslator* translator = &pseudo;
        if (catalogue != "pseudo") {
            QVERIFY(language.load(catalogue));
            translator = &language;
        }
        QCoreApplication::installTranslator(translator);
        const QFont drawnFont = QApplication::font();
        QFont font = drawnFont;
        font.setPointSizeF(10 * scale);
        QApplication::setFont(font);
        setTextScale(scale);
        setTextsAsDrawn(false);
        QApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);

        QStringList faults;
        WindowTour([&](QWidget* window, const QString& name) {
            savePicture(
                window,
                "fit-" +
                    QString(QTest::currentDataTag()).replace(' ', '-').remove(',').remove('.') +
                    "-" + QString(name).replace(' ', '-'));
            for (const QString& fault : faultsOf(window, catalogue == "pseudo")) {
                faults << name + ": " + fault;
            }
        }).run();

        QApplication::setLayoutDirection(Qt::LeftToRight);
        QApplication::setFont(drawnFont);
        setTextScale(1.0);
        setTextsAsDrawn(true);
        QCoreApplication::removeTranslator(translator);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }
};

QTEST_MAIN(TextFitWalkTest)
#include "TextFitWalkTest.moc"
