// Helpers that let a gauge's mouse list read like its table, one record per row.
#pragma once

#include "gauge_frame.h"

constexpr MOUSERECT mouse_parent(PIXBOX box, uint32_t help_id) {
    return MOUSERECT{MOUSE_RECT_PARENT, box, CURSOR_NONE, help_id, 0, 0, {nullptr}, nullptr};
}

constexpr MOUSERECT mouse_child(PIXBOX box, int32_t cursor, uint32_t mouse_flags, MOUSE_FUNCTION function) {
    return MOUSERECT{MOUSE_RECT_CHILD, box, cursor, 0, mouse_flags, 0, {function}, nullptr};
}

constexpr MOUSERECT mouse_user(const char* text, const void* arguments) {
    MOUSERECT record{MOUSE_RECT_USER, {0, 0, 0, 0}, CURSOR_NONE, 0, 0, 0, {nullptr}, arguments};
    record.user_text = text;
    return record;
}

constexpr MOUSERECT mouse_end_parent() {
    return MOUSERECT{MOUSE_RECT_END_PARENT, {0, 0, 0, 0}, CURSOR_NONE, 0, 0, 0, {nullptr}, nullptr};
}

constexpr MOUSERECT mouse_end_list() {
    return MOUSERECT{MOUSE_RECT_EOL, {0, 0, 0, 0}, CURSOR_NONE, 0, 0, 0, {nullptr}, nullptr};
}
