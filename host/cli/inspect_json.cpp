// Turning a gauge's header, element chain, tables, mouse list and failure lists into JSON.
#include "inspect_json.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

using nlohmann::json;

std::string hex(uint64_t n) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(n));
    return text;
}

json point(PIXPOINT p) { return json::array({p.x, p.y}); }

json failures(const FAILURE_RECORD* list) {
    if (list == nullptr) return nullptr;
    json entries = json::array();
    for (int i = 0; i < 256 && list[i].key != 0; ++i) entries.push_back({{"key", list[i].key}, {"action", list[i].action}});
    return entries;
}

json variable(const MODULE_VAR& var) { return {{"token", hex(var.id)}}; }

json axis(const MODULE_VAR& var, ELEMENT_CALLBACK callback, double scale) {
    return {{"source_var", variable(var)}, {"callback", callback != nullptr}, {"scale", scale}};
}

// The text shown is the buffer's, never longer than the declared maximum.
void string_fields(json& out, const ELEMENT_STRING& string) {
    json sources = json::array();
    for (const MODULE_VAR& var : string.source_var) sources.push_back(variable(var));
    out["source_vars"] = sources;
    out["source_callback"] = string.source_fn != nullptr;
    out["box"] = json::array({string.box_width, string.box_height});
    out["fg_color"] = hex(string.fg_color);
    out["bg_color"] = hex(string.bg_color);
    out["hilite_color"] = hex(string.hilite_color);
    out["font_name"] = std::string(string.font_name, strnlen(string.font_name, sizeof string.font_name));
    out["font_weight"] = string.font_weight;
    out["font_charset"] = string.font_charset;
    out["draw_text_flags"] = hex(string.draw_text_flags);
    out["max_string_length"] = string.max_string_length;
    if (string.string != nullptr) {
        std::string text(string.string, strnlen(string.string, string.max_string_length));
        // JSON wants UTF-8; show bytes beyond ASCII as '?' rather than fail.
        for (char& c : text)
            if (static_cast<unsigned char>(c) >= 0x80) c = '?';
        out["text"] = text;
    }
}

void slider_fields(json& out, const ELEMENT_SLIDER& slider) {
    out["x"] = axis(slider.source_var_x, slider.source_fn_x, slider.scale_x);
    out["y"] = axis(slider.source_var_y, slider.source_fn_y, slider.scale_y);
}

void sprite_fields(json& out, const ELEMENT_SPRITE& sprite) {
    out["x"] = axis(sprite.source_var_x, sprite.source_fn_x, sprite.scale_x);
    out["y"] = axis(sprite.source_var_y, sprite.source_fn_y, sprite.scale_y);
    out["rotation_axis"] = axis(sprite.source_var_0, sprite.source_fn_0, sprite.scale_0);
    out["texture_scale"] = json::array({sprite.texture_scale_x, sprite.texture_scale_y});
    out["texture_point"] = point(sprite.texture_point);
}

json element(const ELEMENT_HEADER* record, const ElementState* state) {
    json out = {
        {"type", element_type_name(record->element_type)},
        {"resource_id", hex(record->resource_id)},
        {"position", point(record->position)},
        {"ofs", point(record->ofs)},
        {"image_flags", hex(record->image_flags)},
        {"failure_systems", failures(record->failure_systems)},
    };
    if (record->element_type == ELEMENT_TYPE_NEEDLE) {
        auto* needle = reinterpret_cast<const ELEMENT_NEEDLE*>(record);
        out["source_var"] = variable(needle->source_var);
        out["source_callback"] = needle->source_fn != nullptr;
        out["needle_data"] = point(needle->needle_data);
        out["max_degrees_per_tick"] = needle->max_degrees_per_tick;
        json rows = json::array();
        for (uint32_t i = 0; needle->nonlinearity != nullptr && i < needle->nonlinearity_table_size; ++i) {
            const NONLINEARITY& row = needle->nonlinearity[i];
            // Copies, not references: packed records may hold doubles and pointers off their alignment.
            rows.push_back({{"pt", point(row.pt)}, {"value", double(row.value)}, {"degrees", double(row.degrees)}});
        }
        out["nonlinearity"] = rows;
        if (record->gauge_header && record->gauge_header->gauge_header_version == GAUGE_HEADER_VERSION_800)
            out["element_callback"] = reinterpret_cast<const ELEMENT_NEEDLE_800*>(record)->element_callback != nullptr;
    }
    if (record->element_type == ELEMENT_TYPE_STRING) string_fields(out, *reinterpret_cast<const ELEMENT_STRING*>(record));
    if (record->element_type == ELEMENT_TYPE_SLIDER) slider_fields(out, *reinterpret_cast<const ELEMENT_SLIDER*>(record));
    if (record->element_type == ELEMENT_TYPE_ICON) {
        auto* icon = reinterpret_cast<const ELEMENT_ICON*>(record);
        out["source_var"] = variable(icon->source_var);
        out["source_callback"] = icon->source_fn != nullptr;
        out["picture_count"] = icon->picture_count;
        if (state != nullptr && state->updated) out["picture"] = state->picture;
    }
    if (record->element_type == ELEMENT_TYPE_SPRITE) sprite_fields(out, *reinterpret_cast<const ELEMENT_SPRITE*>(record));
    if (state != nullptr && state->updated) {
        out["value"] = state->value;
        if (record->element_type == ELEMENT_TYPE_SLIDER || record->element_type == ELEMENT_TYPE_SPRITE)
            out["offset"] = json::array({state->offset_x, state->offset_y});
        if (record->element_type == ELEMENT_TYPE_SPRITE) out["rotation"] = state->rotation;
    }
    return out;
}

const char* rect_type_name(uint32_t type) {
    switch (type) {
        case MOUSE_RECT_EOL: return "end of list";
        case MOUSE_RECT_PARENT: return "parent";
        case MOUSE_RECT_CHILD: return "child";
        case MOUSE_RECT_END_PARENT: return "end of parent";
        case MOUSE_RECT_USER: return "user";
        default: return "unknown";
    }
}

json mouse_list(const MOUSERECT* list) {
    json records = json::array();
    for (int i = 0; list != nullptr && i < 4096; ++i) {
        const MOUSERECT& r = list[i];
        json record = {
            {"rect_type", rect_type_name(r.rect_type)},
            {"box", json::array({r.relative_box.x, r.relative_box.y, r.relative_box.width, r.relative_box.height})},
            {"cursor", r.cursor},
            {"help_id", hex(r.help_id)},
            {"mouse_flags", hex(r.mouse_flags)},
            {"event_id", r.event_id},
        };
        if (r.rect_type == MOUSE_RECT_USER)
            record["text"] = r.user_text != nullptr ? json(std::string(r.user_text)) : json(nullptr);
        else
            record["function"] = r.mouse_function != nullptr;
        records.push_back(record);
        if (r.rect_type == MOUSE_RECT_EOL) break;
    }
    return records;
}

}  // namespace

nlohmann::json inspect_gauge(const GaugeInstance& gauge) {
    const GAUGEHDR& header = gauge.header();
    const GAUGE_LINKAGE& linkage = gauge.module().linkage();
    json routines = {
        {"query", header.query_routine != nullptr},       {"install", header.install_routine != nullptr},
        {"initialize", header.initialize_routine != nullptr}, {"update", header.update_routine != nullptr},
        {"generate", header.generate_routine != nullptr}, {"draw", header.draw_routine != nullptr},
        {"kill", header.kill_routine != nullptr},
    };
    json elements = json::array();
    for (const ELEMENT_HEADER* record : chain_order(gauge.root())) {
        const ElementState* state = nullptr;
        for (const auto& s : gauge.chain().elements())
            if (s.record == record) state = &s;
        elements.push_back(element(record, state));
    }
    const MOUSERECT* mouse = gauge.is_version_800() ? header.mouse_rect : gauge.mouse().list();
    return {
        {"module", gauge.module().name()},
        {"linkage", {{"record_id", hex(linkage.record_id)}, {"module_version", hex(linkage.module_version)}}},
        {"header",
         {{"gauge_header_version", header.gauge_header_version},
          {"gauge_name", std::string(header.gauge_name)},
          {"size_x_mm", header.size_x_mm},
          {"routines", routines},
          {"gauge_callback", header.gauge_callback != nullptr}}},
        {"face_size", point(gauge.face_size())},
        {"elements", elements},
        {"mouse_list", mouse_list(mouse)},
    };
}
