// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/StudentOpening.h"
#include "records/StudentSession.h"

#include "support/ModalHelpers.h"
#include "support/TempFolder.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QSysInfo>

namespace fs = std::filesystem;

class StudentOpeningTest : public QObject {
    Q_OBJECT
private slots:
    void theChildIsToldAndChooses();
};

// A file that cannot be read, or a child open in another copy, is explained in a message box
// naming the file or the computer; the child goes on (never saving, or read-only: saving once
// the other copy has let go) or chooses another name.
void StudentOpeningTest::theChildIsToldAndChooses() {
    const struct {
        const char* what;
        int heldElsewhere;  // 0: no, 1: by a copy here, 2: by a lock from another computer
        const char* button; // nullptr: no message expected
        bool goesOn;
        Saving saving;
    } cases[] = {{"readable", 0, nullptr, true, Saving::Allowed},
                 {"folder", 0, "Go on without saving", true, Saving::Off},
                 {"folder", 0, "Choose another name", false, Saving::Allowed},
                 {"readable", 1, "Open read-only", true, Saving::ReadOnly},
                 {"readable", 1, "Choose another name", false, Saving::Allowed},
                 {"readable", 2, "Take over", true, Saving::Allowed}};
    for (const auto& c : cases) {
        TempFolder folder;
        if (std::string(c.what) == "folder") {
            fs::create_directory(folder.path() / "Kid.sbk");
        }
        StudentRecord other;
        other.path = folder.path() / "Kid.sbk";
        if (c.heldElsewhere == 1) {
            QCOMPARE(lockStudentFile(other).status, LockStatus::Held);
        } else if (c.heldElsewhere == 2) {
            writeBytes(folder.path() / "Kid.sbk.lock", {'7', '\n', 't', 'b', '\n', 'p', 'c', '\n'});
        }
        QString shown;
        if (c.button != nullptr) {
            whenModalOpens([&shown, &c](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                shown = box->text();
                savePicture(box, QStringLiteral("student-opening-%1").arg(c.heldElsewhere));
                for (QAbstractButton* button : box->buttons()) {
                    if (button->text() == c.button) {
                        button->click();
                    }
                }
            });
        }
        StudentRecord student;
        QCOMPARE(openStudentOrAsk(nullptr, student, folder.path(), "Kid"), c.goesOn);
        QCOMPARE(shown.isEmpty(), c.button == nullptr);
        const QString named = c.heldElsewhere == 1   ? QSysInfo::machineHostName()
                              : c.heldElsewhere == 2 ? "on the computer pc"
                                                     : "Kid.sbk";
        QVERIFY2(c.button == nullptr || shown.contains(named), qPrintable(shown));
        if (c.goesOn) {
            QCOMPARE(student.saving, c.saving);
            QCOMPARE(student.lock != nullptr, c.saving == Saving::Allowed);
        }
        QVERIFY(fs::is_directory(folder.path() / "Kid.sbk") == (std::string(c.what) == "folder"));
        if (c.goesOn && c.saving != Saving::Allowed) {
            appendScore(student, 5, 1, 1, 1, 1);
            QVERIFY(!saveStudentSession(student));
            other.lock.reset(); // the other copy quits, and the folder is gone
            fs::remove(folder.path() / "Kid.sbk");
            QCOMPARE(static_cast<bool>(saveStudentSession(student)), c.saving == Saving::ReadOnly);
        }
    }
}

QTEST_MAIN(StudentOpeningTest)
#include "StudentOpeningTest.moc"
