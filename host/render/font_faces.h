// Which installed font face draws a string element's Windows font name.
#pragma once

#include <cstdint>
#include <string>

struct FontChoice {
    std::string family;  // a fontconfig family that is installed
    bool bold = false;
};

// "Arial Narrow" is drawn with Liberation Sans Narrow and "Terminal" with a bold
// monospaced face that looks like an LCD; other names are taken as they are. A name
// that no installed face carries falls back to a plain sans face, with one warning on
// stderr per name; this never fails.
FontChoice choose_font(const std::string& windows_name, uint32_t weight);

// True when fontconfig knows a face of exactly this family.
bool font_family_installed(const std::string& family);
