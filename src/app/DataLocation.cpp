// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DataLocation.h"

#include <QDir>
#include <QStandardPaths>

std::filesystem::path defaultDataFolder() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty()) {
        base = QDir::homePath();
    }
    return std::filesystem::path(base.toStdU16String()) / "Quillbyte" / "Tallyburrow";
}
