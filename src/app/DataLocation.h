// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

// The data folder: the user's data location (on Linux ~/.local/share) followed by
// Quillbyte/Tallyburrow. A per-user folder, because a machine-wide one is not writable by
// ordinary users and a save that silently fails would lose a child's results.
std::filesystem::path defaultDataFolder();
