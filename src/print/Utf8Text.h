#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Counting and cutting UTF-8 text by characters (code points), never inside a sequence.
// A byte that does not start a valid sequence counts as one character of its own.

std::size_t characterCount(std::string_view text);

// The first n characters (the whole text when it has fewer).
std::string firstCharacters(std::string_view text, std::size_t n);

// The last n characters (the whole text when it has fewer).
std::string lastCharacters(std::string_view text, std::size_t n);

// The characters in reverse order, each kept whole.
std::string reverseCharacters(std::string_view text);
