// Mapping the fonts gauges name to faces fontconfig has, with a warned fallback.
#include "font_faces.h"

#include <fontconfig/fontconfig.h>
#include <strings.h>

#include <iostream>
#include <map>
#include <set>
#include <utility>

namespace {

struct Substitute {
    const char* windows_name;
    const char* families[3];  // first installed one wins
    bool always_bold;
};

constexpr Substitute SUBSTITUTES[] = {
    {"Arial Narrow", {"Liberation Sans Narrow", "DejaVu Sans Condensed", nullptr}, false},
    {"Terminal", {"DejaVu Sans Mono", "Liberation Mono", nullptr}, true},
    {"Arial", {"Liberation Sans", "DejaVu Sans", nullptr}, false},
    {"Courier New", {"Liberation Mono", "DejaVu Sans Mono", nullptr}, false},
    {"Times New Roman", {"Liberation Serif", "DejaVu Serif", nullptr}, false},
};

constexpr const char* FALLBACK_FAMILIES[] = {"DejaVu Sans", "Liberation Sans"};

void warn_once(const std::string& name, const std::string& used) {
    static std::set<std::string> warned;
    if (!warned.insert(name).second) return;
    std::cerr << "warning: no font face for \"" << name << "\"; drawing its text with " << used << "\n";
}

}  // namespace

bool font_family_installed(const std::string& family) {
    if (family.empty() || FcInit() == FcFalse) return false;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcObjectSet* fields = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* found = FcFontList(nullptr, pattern, fields);
    bool installed = found != nullptr && found->nfont > 0;
    if (found != nullptr) FcFontSetDestroy(found);
    FcObjectSetDestroy(fields);
    FcPatternDestroy(pattern);
    return installed;
}

namespace {

FontChoice find_font(const std::string& windows_name, uint32_t weight) {
    FontChoice choice{windows_name, weight >= 600};
    for (const auto& substitute : SUBSTITUTES) {
        if (strcasecmp(substitute.windows_name, windows_name.c_str()) != 0) continue;
        choice.bold = choice.bold || substitute.always_bold;
        for (const char* family : substitute.families) {
            if (family != nullptr && font_family_installed(family)) {
                choice.family = family;
                return choice;
            }
        }
        break;
    }
    if (font_family_installed(choice.family)) return choice;
    choice.family = "sans-serif";
    for (const char* family : FALLBACK_FAMILIES) {
        if (font_family_installed(family)) {
            choice.family = family;
            break;
        }
    }
    warn_once(windows_name, choice.family);
    return choice;
}

}  // namespace

FontChoice choose_font(const std::string& windows_name, uint32_t weight) {
    // Asked for every string on every draw: ask fontconfig once per name and weight.
    static std::map<std::pair<std::string, uint32_t>, FontChoice> chosen;
    auto key = std::make_pair(windows_name, weight);
    auto found = chosen.find(key);
    if (found == chosen.end()) found = chosen.emplace(key, find_font(windows_name, weight)).first;
    return found->second;
}
