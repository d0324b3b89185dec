// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/DataFolder.h"
#include "records/AnswerLog.h"
#include "records/StudentRecord.h"

#include <memory>
#include <string>

// The current child's answers, fact by fact: the log this run appends to, or, where the log
// cannot be written, what could be read of it.
struct ChildAnswerLog {
    std::unique_ptr<AnswerLogWriter> writer;
    AnswerLogContents readOnly;

    const AnswerLogContents& contents() const { return writer ? writer->contents() : readOnly; }
};

// The records that live once for the whole run: the program's language, the data folder, the
// settings and the current child with the child's answers.
struct AppContext {
    std::string language; // the language's code, empty for English: its help is opened first
    DataFolder data;
    Settings settings;
    StudentRecord student;
    ChildAnswerLog answers;
};
