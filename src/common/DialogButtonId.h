// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every dialog's Ok and Cancel buttons carry these numbers.
enum class DialogButtonId : int {
    Ok = 1,
    Cancel = 2,
};
