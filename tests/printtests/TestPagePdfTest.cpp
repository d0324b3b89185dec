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
    void additionPageHasHeadingAndSeventyProblems() {
        TempFolder folder;
        const QString pdf = printToPdf(folder, "add.pdf", 5, false, OperationKind::Add);
        const QString text = runTool("pdftotext", {"-layout", pdf, "-"});
        QVERIFY2(text.contains("Test No. 5 - Add"), qPrintable(text));
        QCOMPARE(text.count('+'), 70);
        QCOMPARE(text.count('\f'), 1);
        savePagePicture(pdf, "test_page_add");
    }

    void answerKeyRepeatsThePageWithAnswers() {
        TempFolder folder;
        const QString page = runTool(
            "pdftotext", {printToPdf(folder, "page.pdf", 12, false, OperationKind::MultDiv), "-"});
        const QString keyPdf = printToPdf(folder, "key.pdf", 12, true, OperationKind::MultDiv);
        const QString key = runTool("pdftotext", {keyPdf, "-"});
        QVERIFY(page.contains("Test No. 12 - Mult/Div"));
        QVERIFY(key.contains("Test No. 12 - Mult/Div"));
        QCOMPARE(page.count('x') + page.count('='), 70);
        QCOMPARE(key.count('x') + key.count('='), 70);
        QRegularExpression digits("\\d+");
        QVERIFY(key.count(digits) > page.count(digits) + 60);
        savePagePicture(keyPdf, "test_page_multdiv_key");
    }
};

QTEST_MAIN(TestPagePdfTest)
#include "TestPagePdfTest.moc"
