// Turning a gauge's header, element chain, tables, mouse list and failure lists into JSON.
#include "inspect_json.h"

#include <cstdio>

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
    if (state != nullptr && state->updated) out["value"] = state->value;
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
