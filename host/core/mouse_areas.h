// A gauge's installed mouse list: the child areas in face pixels, found by a point.
#pragma once

#include <vector>

#include "frame/gauge_frame.h"

struct MouseArea {
    PIXBOX box;                  // on the face, in face pixels
    const MOUSERECT* record;     // the child record: cursor, flags, function
    uint32_t help_id;            // the help id of the child's parent
};

class MouseAreas {
public:
    // Reads the list's groups; a parent box of no size covers the whole face.
    void install(const MOUSERECT* list, PIXPOINT face_size);
    void set_registered(bool registered) { registered_ = registered; }
    void clear();

    bool installed() const { return list_ != nullptr; }
    bool registered() const { return registered_; }
    const MOUSERECT* list() const { return list_; }
    PIXPOINT face_size() const { return face_size_; }
    const std::vector<MouseArea>& areas() const { return areas_; }
    // The first child area under the point, or null.
    const MouseArea* hit(PIXPOINT face_point) const;
    // The help id of the topmost group under the point, 0 if none.
    uint32_t help_id_at(PIXPOINT face_point) const;

private:
    const MOUSERECT* list_ = nullptr;
    PIXPOINT face_size_{};
    bool registered_ = false;
    std::vector<MouseArea> areas_;
    std::vector<MouseArea> parents_;
};

bool box_contains(PIXBOX box, PIXPOINT point);
