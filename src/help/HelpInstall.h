// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

// Brings the help file the program ships into the data folder, and keeps it up to date.
//
// The program notes what it copied in a small file beside the copy (`<help file>.copied`, the
// copy's SHA-256). At start-up `installedCopy` is copied to `helpPath` when
//  - the data folder has no help file yet, or
//  - the data folder's file is still the program's own copy (it matches the note, or it is
//    identical to the installed file) and the installed file differs from it (an upgrade).
// A help file that a grown-up put into the data folder (no note and not identical, or changed
// since the program copied it) is never overwritten. An installed file that is missing, not
// a regular file or larger than HelpFile::maxFileBytes changes nothing. A link, folder, FIFO
// or device in place of the help file or the note is left as it is, never followed, and
// never waited on. Missing folders are created; the copy is written to a temporary file and
// renamed, so no torn help file is left. Returns true when `helpPath` was written.
bool installHelpFile(const std::filesystem::path& helpPath,
                     const std::filesystem::path& installedCopy);
