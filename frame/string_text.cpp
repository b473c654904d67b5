// Bounded copies into string element buffers.
#include "string_text.h"

void write_bounded_text(char* buffer, uint32_t max_chars, const char* text) {
    if (buffer == nullptr) return;
    uint32_t length = 0;
    if (text != nullptr)
        for (; length < max_chars && text[length] != '\0'; ++length) buffer[length] = text[length];
    buffer[length] = '\0';
}

void write_string_text(ELEMENT_STRING& element, const char* text) {
    write_bounded_text(element.string, element.max_string_length, text);
}
