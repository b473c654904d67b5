// The variometer's needle callback: settings from the file, a sample when due, the average.
#include "vario_callbacks.h"

#include "frame/module_clock.h"
#include "frame/panel_calls.h"
#include "vario_settings_file.h"

MODULE_VAR vario_vs_var = {0x41, nullptr, 0, {}, {}};
MODULE_VAR vario_airspeed_var = {0x3D, nullptr, 0, {}, {}};

VarioSettings vario_settings;
VarioSampler vario_sampler;

void vario_read_settings() { read_vario_settings_file(VARIO_SETTINGS_FILE, vario_settings); }

FLOAT64 GAUGE_CALL vario_needle_cb(MODULE_VAR*) {
    vario_read_settings();
    const int32_t now_ms = module_clock_ms();
    if (vario_sample_due(vario_sampler, now_ms)) {
        lookup_var(&vario_vs_var);
        const double vertical_speed = vario_vs_var.var_value.n;
        lookup_var(&vario_airspeed_var);
        const double airspeed_knots = vario_airspeed_var.var_value.n;
        vario_take_sample(vario_sampler, vario_settings, now_ms, vertical_speed, airspeed_knots);
    }
    return vario_needle_value(vario_sampler);
}
