// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "help/HelpFile.h"

#include <string>
#include <vector>

// The readable source of the help file (UTF-8). Lines before the first topic are notes for
// the author. Each topic starts with a header line "@@ <level> <title>"; the lines below it,
// up to the next header, are its text (blank lines at its start and end are dropped).
//
//   @@ 0 Getting started
//   Type your name and press Enter.
//   @@ 1 Choosing your name

struct HelpSourceResult {
    std::vector<HelpTopic> topics; // texts and titles in Windows-1252, lines joined by CR LF
    std::string error;             // empty when the source was read whole
};

HelpSourceResult parseHelpSource(const std::string& source);

// The bytes of a help file holding the topics; their texts and titles are at most 65,535
// bytes each (callers check with helpTopicTooLong).
std::vector<unsigned char> encodeHelpFile(const std::vector<HelpTopic>& topics);

// True when a text or title is too long for the file's 16-bit length fields.
bool helpTopicTooLong(const HelpTopic& topic);

// The topics written back as source text (UTF-8), one header and its text per topic.
std::string helpSourceText(const std::vector<HelpTopic>& topics);
