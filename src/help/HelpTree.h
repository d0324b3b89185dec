// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "help/HelpFile.h"

#include <QtGlobal>

#include <string>
#include <vector>

// The two-level topic tree: a level-0 topic is a chapter at the top level; any other level
// puts the topic under the nearest chapter before it, or at the top level when there is
// none yet. Sub-topics never have children.

// For each topic (in file order) the topic number (1-based) of its parent, or 0 for a
// top-level topic.
std::vector<int> topicParents(const std::vector<HelpTopic>& topics);

// The longest title that reaches the heading, the status bar and the printed page.
inline constexpr std::size_t shownTitleLength = 255;

// The title cut to its first 255 characters.
std::string shownTitle(const std::string& title);

// The heading line over the text: 5 spaces and the title.
std::string headingText(const std::string& title);

// The second status-bar field: "parent : title" for a sub-topic, the title alone otherwise.
std::string topicStatusText(const std::string& parentTitle, const std::string& title,
                            bool hasParent);

// The first status-bar field, translated by the window.
inline constexpr char helpMenuHint[] =
    QT_TRANSLATE_NOOP("HelpWindow", "  Right click mouse (or F10) for menu options");
