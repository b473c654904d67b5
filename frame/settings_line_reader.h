// Reads the lines of the small text files the gauges share, at most 11 characters a read.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

// Opens name for reading in text mode. When that fails the file is created empty (opened
// for appending and closed at once) and opened for reading again. Returns null when even
// that fails; the caller closes a non-null result with std::fclose.
std::FILE* open_shared_file_for_reading(const char* name);

// One line buffer over a file the caller opened and closes. A read takes the characters
// up to and including the next line feed, but at most 11, so a longer line comes in
// chunks of 11, each counting as one line. A read that gets no character at all (end of
// file, read error, a directory) fails and leaves the previous text in place, so the
// fields after a file's end all take the text of the last line that was read. The buffer
// starts empty. Reads are bounded: a huge file costs no more than the lines asked for.
class SettingsLineReader {
public:
    static constexpr std::size_t max_chars = 11;

    explicit SettingsLineReader(std::FILE* file) : file_(file) {}

    // Reads the next line into the buffer; false when nothing could be read.
    bool read_line();

    // The buffer as read, the line feed included when there was one. It may hold any
    // byte the file held, zero bytes too.
    std::string_view text() const { return {text_, length_}; }

    // Whether the character occurs anywhere in the buffer.
    bool contains(char c) const { return text().find(c) != std::string_view::npos; }

private:
    std::FILE* file_;
    char text_[max_chars] = {};
    std::size_t length_ = 0;
};
