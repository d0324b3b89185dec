#include "print/QtPrintDevice.h"
#include "print/cTPrint.h"
#include "printtests/TestPage.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

namespace {

StudentRecord usualStudent() {
    StudentRecord student;
    student.addSubLow = 0;
    student.addSubHigh = 12;
    student.mulDivLow = 1;
    student.mulDivHigh = 12;
    student.mixedLow = 0;
    student.mixedHigh = 12;
    return student;
}

QString printToPdf(const TempFolder& folder, const QString& name, int testNumber, bool withAnswers,
                   OperationKind kind) {
    const QString fileName = QString::fromStdString((folder.path() / name.toStdString()).string());
    QtPrintDevice device(QtPrintDevice::PdfFile{fileName});
    cTPrint printer(device);
    RandomGenerator random;
    printTestPage(printer, testNumber, 1, withAnswers, kind, usualStudent(), random);
    return fileName;
}

QString runTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Keeps a picture of the page beside the widget screenshots, to look at.
void savePagePicture(const QString& pdf, const QString& name) {
    const QString folder = qEnvironmentVariable("TB_SHOTS_DIR", QDir::tempPath());
    QDir().mkpath(folder);
    runTool("pdftoppm", {"-png", "-r", "80", "-singlefile", pdf, folder + "/" + name});
}

} // namespace

class TestPagePdfTest : public QObject {
    Q_OBJECT

private slots:
    // The page and its answer key: the same heading and 70 problems, the key with answers.
    void pageAndAnswerKeyCarryHeadingAndSeventyProblems() {
        TempFolder folder;
        const QString pagePdf = printToPdf(folder, "page.pdf", 12, false, OperationKind::MultDiv);
        const QString keyPdf = printToPdf(folder, "key.pdf", 12, true, OperationKind::MultDiv);
        const QString page = runTool("pdftotext", {"-layout", pagePdf, "-"});
        const QString key = runTool("pdftotext", {"-layout", keyPdf, "-"});
        for (const QString& text : {page, key}) {
            QVERIFY2(text.contains("Test No. 12 - Mult/Div"), qPrintable(text));
            QCOMPARE(text.count('x') + text.count('='), 70);
            QCOMPARE(text.count('\f'), 1);
        }
        const QRegularExpression digits("\\d+");
        QVERIFY(key.count(digits) > page.count(digits) + 60);
        savePagePicture(keyPdf, "test_page_multdiv_key");
    }
};

QTEST_MAIN(TestPagePdfTest)
#include "TestPagePdfTest.moc"
