// Strings, sliders, icons and sprites: what install gives them and what update makes of them.
#include "element_kinds.h"

#include <cmath>

namespace {

template <typename Record>
Record& record_of(ElementState& state) {
    return *reinterpret_cast<Record*>(state.record);
}

// Freeze keeps what the element shows once it has shown something.
bool frozen(const ElementState& state, uint32_t failure_action) {
    return failure_action == FAIL_ACTION_FREEZE && state.updated;
}

// An axis's value times its scale; an axis without token and callback is 0 even when
// its scale is no number.
double axis_offset(MODULE_VAR& var, ELEMENT_CALLBACK callback, double scale, const SimulatorVariables& sim) {
    if (var.id == 0 && callback == nullptr) return 0.0;
    return axis_value(var, callback, sim) * scale;
}

// A result that is no number leaves the element where it was.
void keep_if_finite(double& field, double result) {
    if (std::isfinite(result)) field = result;
}

}  // namespace

double axis_value(MODULE_VAR& var, ELEMENT_CALLBACK callback, const SimulatorVariables& sim) {
    if (var.id == 0 && callback == nullptr) return 0.0;
    refresh_variable(var, sim);
    return callback != nullptr ? callback(&var) : var.var_value.n;
}

int icon_picture(double value, size_t picture_count) {
    // Written so that NaN fails the test too.
    if (!(value >= 0.0 && value < double(picture_count))) return -1;
    return int(value);
}

void install_string(ElementState& state, std::string& error) {
    auto& string = record_of<ELEMENT_STRING>(state);
    if (string.max_string_length > STRING_MAX_CHARS_LIMIT) {
        error = "declares " + std::to_string(string.max_string_length) + " characters, more than " +
                std::to_string(STRING_MAX_CHARS_LIMIT);
        string.string = nullptr;
        return;
    }
    state.text_buffer = std::make_unique<char[]>(size_t(string.max_string_length) + 1);  // zeroed
    string.string = state.text_buffer.get();
}

void kill_string(ElementState& state) {
    record_of<ELEMENT_STRING>(state).string = nullptr;
    state.text_buffer.reset();
}

void install_slider(ElementState& state, const BitmapLookup& bitmaps, std::string& error) {
    state.bitmap = bitmaps(state.record->resource_id, error);
}

void install_icon(ElementState& state, const BitmapLookup& bitmaps, std::string& error) {
    uint32_t count = record_of<ELEMENT_ICON>(state).picture_count;
    if (count > ICON_MAX_PICTURES) {
        error = "declares " + std::to_string(count) + " pictures, more than " + std::to_string(ICON_MAX_PICTURES);
        return;
    }
    for (uint32_t k = 0; k < count; ++k) {
        std::string missing;
        const Bitmap* picture = bitmaps(state.record->resource_id + 3 * k, missing);
        if (picture == nullptr && error.empty()) error = "picture " + std::to_string(k) + ": " + missing;
        state.pictures.push_back(picture);
    }
}

void install_sprite(ElementState& state, const BitmapLookup& bitmaps, std::string& error) {
    state.bitmap = bitmaps(state.record->resource_id, error);
    std::string mask_error;
    state.mask = bitmaps(state.record->resource_id + 3, mask_error);
    if (state.mask == nullptr && error.empty()) error = "mask: " + mask_error;
}

void update_string(ElementState& state, const SimulatorVariables& sim, uint32_t failure_action) {
    // A failed string keeps its last text: its callback is what would change it.
    if (failure_action == FAIL_ACTION_FREEZE || failure_action == FAIL_ACTION_ZERO) return;
    auto& string = record_of<ELEMENT_STRING>(state);
    for (MODULE_VAR& var : string.source_var) refresh_variable(var, sim);
    state.value = string.source_var[0].var_value.n;
    if (string.source_fn != nullptr) string.source_fn(&string.source_var[0]);
    // The callback may have left the text unterminated; the host never reads past the end.
    if (state.text_buffer) state.text_buffer[string.max_string_length] = '\0';
    state.updated = true;
}

void update_slider(ElementState& state, const SimulatorVariables& sim, uint32_t failure_action) {
    if (frozen(state, failure_action)) return;
    auto& slider = record_of<ELEMENT_SLIDER>(state);
    double x = 0.0;
    double y = 0.0;
    if (failure_action != FAIL_ACTION_ZERO) {
        x = axis_offset(slider.source_var_x, slider.source_fn_x, slider.scale_x, sim);
        y = axis_offset(slider.source_var_y, slider.source_fn_y, slider.scale_y, sim);
    }
    keep_if_finite(state.offset_x, x);
    keep_if_finite(state.offset_y, y);
    state.value = state.offset_y;
    state.updated = true;
}

void update_icon(ElementState& state, const SimulatorVariables& sim, uint32_t failure_action) {
    if (frozen(state, failure_action)) return;
    auto& icon = record_of<ELEMENT_ICON>(state);
    double value = failure_action == FAIL_ACTION_ZERO ? 0.0 : axis_value(icon.source_var, icon.source_fn, sim);
    state.picture = icon_picture(value, state.pictures.size());
    state.value = value;
    state.updated = true;
}

void update_sprite(ElementState& state, const SimulatorVariables& sim, uint32_t failure_action) {
    if (frozen(state, failure_action)) return;
    auto& sprite = record_of<ELEMENT_SPRITE>(state);
    double x = 0.0;
    double y = 0.0;
    double turn = 0.0;
    if (failure_action != FAIL_ACTION_ZERO) {
        x = axis_offset(sprite.source_var_x, sprite.source_fn_x, sprite.scale_x, sim);
        y = axis_offset(sprite.source_var_y, sprite.source_fn_y, sprite.scale_y, sim);
        turn = axis_offset(sprite.source_var_0, sprite.source_fn_0, sprite.scale_0, sim);
    }
    keep_if_finite(state.offset_x, x);
    keep_if_finite(state.offset_y, y);
    keep_if_finite(state.rotation, turn);
    state.value = turn;
    state.updated = true;
}
