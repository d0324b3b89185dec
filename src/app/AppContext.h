// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/DataFolder.h"
#include "records/StudentRecord.h"

// The records that live once for the whole run: the data folder, the settings and the
// current child.
struct AppContext {
    DataFolder data;
    Settings settings;
    StudentRecord student;
};
