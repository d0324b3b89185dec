#pragma once

#include <string>
#include <vector>

// The lines of a message: the text split at each carriage return + line feed. An empty
// text is one empty line.
std::vector<std::string> messageLines(const std::string& text);

// The same text with each carriage return + line feed written as a single line feed, the
// line break a label shows.
std::string withLineFeeds(const std::string& text);
