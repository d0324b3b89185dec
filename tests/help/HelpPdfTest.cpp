#include "help/HelpPrint.h"
#include "print/QtPrintDevice.h"
#include "support/ModalHelpers.h"
#include "support/TempFolder.h"

#include <QProcess>
#include <QtTest>

namespace {
QString printTopicToPdf(const TempFolder& folder, const HelpTopic& topic) {
    const QString fileName = QString::fromStdString((folder.path() / "topic.pdf").string());
    QtPrintDevice device(QtPrintDevice::PdfFile{fileName});
    PrintTopic(device, topic);
    return fileName;
}

QString pdfText(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

std::string numberedLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += "Line number " + std::to_string(i) + " of the long topic\r\n";
    }
    return text;
}
} // namespace

class HelpPdfTest : public QObject {
    Q_OBJECT
private slots:
    void shortTopicPrintsTitlePageNumberAndExpandedTabs() {
        TempFolder folder;
        const QString text =
            pdfText(printTopicToPdf(folder, HelpTopic{"a\tb\r\nThe second line, short.\r\nz",
                                                      "Keys of the main window", 1}));
        QVERIFY2(text.contains(QStringLiteral("Keys of the main window")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Page 1")));
        QVERIFY(text.contains(QStringLiteral("a       b")));
        QCOMPARE(text.count(QChar('\f')), 1);
    }

    void longTopicGoesOnTwoPagesWithTheTitleRepeated() {
        TempFolder folder;
        const QString text =
            pdfText(printTopicToPdf(folder, HelpTopic{numberedLines(90), "Learn", 0}));
        QCOMPARE(text.count(QChar('\f')), 2);
        QVERIFY(text.contains(QStringLiteral("Page 2")));
        QCOMPARE(text.count(QStringLiteral("Learn")), 2);
        QVERIFY(text.contains(QStringLiteral("Line number 90 of")));
    }
};

QTEST_MAIN(HelpPdfTest)
#include "HelpPdfTest.moc"
