// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/StudentSession.h"

#include <gtest/gtest.h>

// The message for a child open in another copy names the other computer and the time only
// when the lock file tells them, and offers taking over only when that is allowed.
TEST(StudentSession, HeldTextTellsWhatTheLockFileKnows) {
    StudentRecord student;
    student.studentName = "Kid";
    student.path = "/data/Kid.sbk";
    const QDateTime since(QDate(2024, 3, 5), QTime(14, 7));
    const char* const opening = "Kid is already open in another copy of Tallyburrow";
    const char* const takeOver = "choose another name. If no copy of Tallyburrow has Kid open "
                                 "any more (the other computer was switched off, say), you can "
                                 "take it over.";
    const struct {
        const char* holder;
        bool timed;
        bool mayTakeOver;
        const char* rest;
    } cases[] = {{"", false, false, "."},
                 {"pc", false, true, " on the computer pc."},
                 {"", true, false, " since 03-05-2024 at 14:07."},
                 {"pc", true, true, " on the computer pc since 03-05-2024 at 14:07."}};
    for (const auto& c : cases) {
        const LockOutcome lock{
            LockStatus::HeldByOther, c.holder, c.timed ? since : QDateTime(), c.mayTakeOver, {}};
        const QString text = heldStudentText(student, lock);
        EXPECT_TRUE(text.startsWith(QString(opening) + c.rest +
                                    "\n(The lock file is /data/"
                                    "Kid.sbk.lock.)\n\nYou can open"))
            << text.toStdString();
        EXPECT_EQ(text.endsWith(takeOver), c.mayTakeOver) << text.toStdString();
        EXPECT_EQ(text.endsWith("closed), or choose another name."), !c.mayTakeOver);
    }
}
