// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The version shown in the greeting's caption and in the main window's caption.
inline constexpr char appVersionText[] = "1.90";
