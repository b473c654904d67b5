// Writing a text into a string element's buffer without ever passing its declared end.
#pragma once

#include <cstdint>

#include "gauge_frame.h"

// Copies at most max_chars characters of text into buffer and always ends it with a
// zero, so the buffer needs max_chars + 1 bytes. A longer text is cut; a null buffer
// (an element not installed yet) or a null text writes nothing or an empty text.
void write_bounded_text(char* buffer, uint32_t max_chars, const char* text);

// The same into a string element's own buffer, bounded by its max_string_length.
void write_string_text(ELEMENT_STRING& element, const char* text);
