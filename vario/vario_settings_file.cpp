// The variometer's settings reader: four lines of the shared settings file.
#include "vario_settings_file.h"

#include "frame/lenient_number.h"
#include "frame/settings_line_reader.h"

void read_vario_settings_file(const char* path, VarioSettings& settings) {
    std::FILE* file = open_shared_file_for_reading(path);
    if (file == nullptr) return;
    SettingsLineReader lines(file);
    lines.read_line();
    if (lines.contains('1')) {
        lines.read_line();
        settings.damping = parse_lenient_int(lines.text());
        lines.read_line();
        settings.scale = parse_lenient_int(lines.text());
        lines.read_line();
        settings.compensation = parse_lenient_double(lines.text());
    }
    std::fclose(file);
}
