// Reading a mouse rectangle list into areas and testing points against them.
#include "mouse_areas.h"

namespace {

// A guard against a list without its end record.
constexpr int MAX_RECORDS = 4096;

}  // namespace

bool box_contains(PIXBOX box, PIXPOINT point) {
    return point.x >= box.x && point.x < box.x + box.width && point.y >= box.y && point.y < box.y + box.height;
}

void MouseAreas::clear() {
    list_ = nullptr;
    registered_ = false;
    areas_.clear();
    parents_.clear();
}

void MouseAreas::install(const MOUSERECT* list, PIXPOINT face_size) {
    clear();
    list_ = list;
    face_size_ = face_size;
    PIXBOX parent{0, 0, face_size.x, face_size.y};
    uint32_t help_id = 0;
    for (int i = 0; list != nullptr && i < MAX_RECORDS && list[i].rect_type != MOUSE_RECT_EOL; ++i) {
        const MOUSERECT& record = list[i];
        if (record.rect_type == MOUSE_RECT_PARENT) {
            parent = record.relative_box;
            if (parent.width == 0 && parent.height == 0) parent = {parent.x, parent.y, face_size.x, face_size.y};
            help_id = record.help_id;
            parents_.push_back({parent, &record, help_id});
        } else if (record.rect_type == MOUSE_RECT_CHILD) {
            PIXBOX box = record.relative_box;
            areas_.push_back({{parent.x + box.x, parent.y + box.y, box.width, box.height}, &record, help_id});
        }
    }
}

const MouseArea* MouseAreas::hit(PIXPOINT face_point) const {
    for (const auto& area : areas_)
        if (box_contains(area.box, face_point)) return &area;
    return nullptr;
}

uint32_t MouseAreas::help_id_at(PIXPOINT face_point) const {
    // Later groups lie over earlier ones, such as the first group's face-wide parent.
    for (auto parent = parents_.rbegin(); parent != parents_.rend(); ++parent)
        if (box_contains(parent->box, face_point)) return parent->help_id;
    return 0;
}
