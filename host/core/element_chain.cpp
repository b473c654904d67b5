// Installing and updating a gauge's elements: bitmaps, sources, callbacks, failures, angles.
#include "element_chain.h"

#include <cmath>
#include <sstream>

#include "element_kinds.h"
#include "needle_angle.h"

namespace {

// A guard against a next list that loops back or never ends.
constexpr size_t MAX_ELEMENTS = 4096;

bool is_version_800(const ELEMENT_HEADER* record) {
    return record->gauge_header != nullptr && record->gauge_header->gauge_header_version == GAUGE_HEADER_VERSION_800;
}

std::string describe(const ELEMENT_HEADER* record, size_t index) {
    std::ostringstream out;
    out << element_type_name(record->element_type) << " element " << index << " (bitmap 0x" << std::hex
        << std::uppercase << record->resource_id << ")";
    return out.str();
}

}  // namespace

const char* element_type_name(uint32_t element_type) {
    switch (element_type) {
        case ELEMENT_TYPE_STATIC_IMAGE: return "static image";
        case ELEMENT_TYPE_NEEDLE: return "needle";
        case ELEMENT_TYPE_STRING: return "string";
        case ELEMENT_TYPE_SLIDER: return "slider";
        case ELEMENT_TYPE_ICON: return "icon";
        case ELEMENT_TYPE_SPRITE: return "sprite";
        default: return "unknown";
    }
}

std::vector<ELEMENT_HEADER*> chain_order(ELEMENT_HEADER* root) {
    std::vector<ELEMENT_HEADER*> order;
    std::vector<ELEMENT_HEADER*> pending{root};
    while (!pending.empty() && order.size() < MAX_ELEMENTS) {
        ELEMENT_HEADER* element = pending.back();
        pending.pop_back();
        if (element == nullptr) continue;
        order.push_back(element);
        if (element->next_element == nullptr) continue;
        size_t count = 0;
        while (element->next_element[count] != nullptr && count < MAX_ELEMENTS) ++count;
        for (size_t i = count; i > 0; --i) pending.push_back(element->next_element[i - 1]);
    }
    return order;
}

void refresh_variable(MODULE_VAR& var, const SimulatorVariables& sim) {
    if (var.id == 0) return;
    var.var_old = var.var_value;
    var.var_value = sim.read(var.id);
}

ElementState* ElementChain::find(const ELEMENT_HEADER* record) {
    for (auto& state : elements_)
        if (state.record == record) return &state;
    return nullptr;
}

void ElementChain::install(ELEMENT_HEADER* root, const BitmapLookup& bitmaps, std::vector<std::string>& errors) {
    elements_.clear();
    auto order = chain_order(root);
    for (size_t index = 0; index < order.size(); ++index) {
        ELEMENT_HEADER* record = order[index];
        ElementState state;
        state.record = record;
        std::string error;
        switch (record->element_type) {
            case ELEMENT_TYPE_STATIC_IMAGE: {
                state.bitmap = bitmaps(record->resource_id, error);
                // The module reads the installed size through image_data; it gets a record
                // even when the bitmap is missing, so it never follows a null pointer.
                state.image_info = std::make_unique<IMAGE_INFO>();
                if (state.bitmap != nullptr) state.image_info->dim = {state.bitmap->width, state.bitmap->height};
                reinterpret_cast<ELEMENT_STATIC_IMAGE*>(record)->image_data = state.image_info.get();
                break;
            }
            case ELEMENT_TYPE_NEEDLE: {
                auto* needle = reinterpret_cast<ELEMENT_NEEDLE*>(record);
                state.bitmap = bitmaps(record->resource_id, error);
                if (needle->nonlinearity != nullptr && needle->nonlinearity_table_size > 0) {
                    state.table_degrees = table_degrees(record->position, needle->nonlinearity,
                                                        needle->nonlinearity_table_size);
                    for (size_t row = 0; row < state.table_degrees.size(); ++row)
                        needle->nonlinearity[row].degrees = state.table_degrees[row];
                }
                break;
            }
            case ELEMENT_TYPE_STRING: install_string(state, error); break;
            case ELEMENT_TYPE_SLIDER: install_slider(state, bitmaps, error); break;
            case ELEMENT_TYPE_ICON: install_icon(state, bitmaps, error); break;
            case ELEMENT_TYPE_SPRITE: install_sprite(state, bitmaps, error); break;
            default:
                error = "element type " + std::to_string(record->element_type) + " is not supported by this host";
                break;
        }
        if (!error.empty()) errors.push_back(describe(record, index) + ": " + error);
        elements_.push_back(std::move(state));
    }
}

void ElementChain::update(const SimulatorVariables& sim, const FailureLookup& failures) {
    for (auto& state : elements_) {
        uint32_t action = failures(state.record->failure_systems);
        switch (state.record->element_type) {
            case ELEMENT_TYPE_NEEDLE: update_needle(state, sim, action); break;
            case ELEMENT_TYPE_STRING: update_string(state, sim, action); break;
            case ELEMENT_TYPE_SLIDER: update_slider(state, sim, action); break;
            case ELEMENT_TYPE_ICON: update_icon(state, sim, action); break;
            case ELEMENT_TYPE_SPRITE: update_sprite(state, sim, action); break;
            default: break;
        }
    }
}

void ElementChain::update_needle(ElementState& state, const SimulatorVariables& sim, uint32_t failure_action) {
    if (failure_action == FAIL_ACTION_FREEZE && state.updated) return;
    auto* needle = reinterpret_cast<ELEMENT_NEEDLE*>(state.record);
    double value = 0.0;
    if (failure_action != FAIL_ACTION_ZERO) {
        refresh_variable(needle->source_var, sim);
        value = needle->source_var.var_value.n;
        if (is_version_800(state.record)) {
            auto* needle_800 = reinterpret_cast<ELEMENT_NEEDLE_800*>(state.record);
            if (needle_800->element_callback != nullptr) value = needle_800->element_callback(state.record);
        } else if (needle->source_fn != nullptr) {
            value = needle->source_fn(&needle->source_var);
        }
    }
    double goal = state.table_degrees.empty() ? value : table_angle(needle->nonlinearity, state.table_degrees, value);
    // A value that is no number leaves the needle where it was.
    if (std::isfinite(goal)) state.angle = state.updated ? limit_turn(state.angle, goal, needle->max_degrees_per_tick) : goal;
    state.value = value;
    state.updated = true;
}

void ElementChain::kill() {
    for (auto& state : elements_) {
        if (state.record->element_type == ELEMENT_TYPE_STATIC_IMAGE)
            reinterpret_cast<ELEMENT_STATIC_IMAGE*>(state.record)->image_data = nullptr;
        if (state.record->element_type == ELEMENT_TYPE_STRING) kill_string(state);
    }
    elements_.clear();
}
