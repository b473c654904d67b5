// Bounded line reads from the shared text files.
#include "settings_line_reader.h"

std::FILE* open_shared_file_for_reading(const char* name) {
    if (std::FILE* file = std::fopen(name, "rt")) return file;
    if (std::FILE* created = std::fopen(name, "at")) std::fclose(created);
    return std::fopen(name, "rt");
}

bool SettingsLineReader::read_line() {
    if (file_ == nullptr) return false;
    // Read into a scratch buffer first: a failed read must not touch the text.
    char chunk[max_chars];
    std::size_t length = 0;
    while (length < max_chars) {
        const int c = std::getc(file_);
        if (c == EOF) break;
        chunk[length++] = static_cast<char>(c);
        if (c == '\n') break;
    }
    if (length == 0) return false;
    for (std::size_t i = 0; i < length; ++i) text_[i] = chunk[i];
    length_ = length;
    return true;
}
