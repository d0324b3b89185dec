// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/StudentRecord.h"

#include <filesystem>
#include <string>

class QWidget;

// Opens the child's file after the greeting. When the file cannot be read, or another copy
// has the child open, the child is told and chooses: go on (without saving, or read-only)
// or choose another name. False when another name is to be chosen.
bool openStudentOrAsk(QWidget* owner, StudentRecord& student,
                      const std::filesystem::path& dataFolder, const std::string& name);
