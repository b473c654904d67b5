// The records a gauge module and its host share: what every field is, where it lies,
// and who owns it. Both sides of the boundary include this header and nothing else of
// each other.
#pragma once

#include <cstddef>
#include <cstdint>

// Every function that crosses the module boundary, in either direction, uses the
// simulator's calling convention: __stdcall on 32-bit Windows, the platform's own elsewhere.
#if defined(_WIN32) && !defined(_WIN64)
#define GAUGE_CALL __stdcall
#else
#define GAUGE_CALL
#endif

// The two records a module exports, and nothing else.
#if defined(_WIN32)
#define GAUGE_EXPORT __declspec(dllexport)
#else
#define GAUGE_EXPORT __attribute__((visibility("default")))
#endif

// The layout checks below hold where pointers are 32 bits, as in the simulator.
#define GAUGE_LAYOUT_IS_32BIT (UINTPTR_MAX == 0xFFFFFFFFu)

using FLOAT64 = double;
using FLOAT32 = float;
using MODULE_HANDLE = void*;  // the module's instance handle, opaque to the gauge

#pragma pack(push, 4)

struct PIXPOINT {
    int32_t x{};
    int32_t y{};
};

struct PIXBOX {
    int32_t x{};
    int32_t y{};
    int32_t width{};
    int32_t height{};
};

// A simulator variable as the module sees it. Declared with its token alone; the host
// fills the rest when it binds and refreshes the variable.
union VAR_VALUE {
    FLOAT64 n;          // every variable of the system but one
    uint32_t d;         // the COM frequency word, read from the first four bytes
    uint8_t bytes[8];
};

struct MODULE_VAR {
    uint32_t id{};         // simulator token; 0 = no variable
    void* var_ptr{};       // host: set when bound
    uint32_t var_type{};   // host: set when bound
    VAR_VALUE var_value{}; // current value, written by lookup_var and by the host's refresh
    VAR_VALUE var_old{};   // host: previous value
};

// One row of a needle's table: the host computes `degrees` from `pt` at install.
struct NONLINEARITY {
    PIXPOINT pt{};
    FLOAT64 value{};
    FLOAT64 degrees{};
};

enum FAILURE_ACTION : uint32_t {
    FAIL_ACTION_NONE = 0,
    FAIL_ACTION_FREEZE = 1,  // the element keeps its last value
    FAIL_ACTION_ZERO = 2,    // the element shows value 0
    FAIL_ACTION_NO_DRAW = 3,
    FAIL_ACTION_COVER = 4,
};

// One entry of a failure list; a list ends with an all-zero entry.
struct FAILURE_RECORD {
    uint32_t key{};
    uint32_t action{};
    uint32_t reserved{};
};

struct GAUGEHDR;
struct ELEMENT_HEADER;

using MODULE_ROUTINE = void(GAUGE_CALL*)();
using GAUGE_ROUTINE = void(GAUGE_CALL*)();
using GAUGE_INSTALL_ROUTINE = void(GAUGE_CALL*)(MODULE_HANDLE);
using GAUGE_GENERATE_ROUTINE = void(GAUGE_CALL*)(uint32_t phase);
// Version 610: receives the element's source variable (for sliders and sprites, its axis).
using ELEMENT_CALLBACK = FLOAT64(GAUGE_CALL*)(MODULE_VAR*);
// Version 800: receives the element record itself.
using ELEMENT_CALLBACK_800 = FLOAT64(GAUGE_CALL*)(ELEMENT_HEADER*);
// Receives the click point relative to the child's box and the mouse flags of the action.
using MOUSE_FUNCTION = uint32_t(GAUGE_CALL*)(PIXPOINT*, uint32_t mouse_flags);
using GAUGE_CALLBACK_800 = void(GAUGE_CALL*)(GAUGEHDR*, int32_t service, uint32_t datum);

// ---------------------------------------------------------------------------------
// Mouse rectangles

enum MOUSE_RECT_TYPE : uint32_t {
    MOUSE_RECT_EOL = 0,
    MOUSE_RECT_PARENT = 1,
    MOUSE_RECT_CHILD = 2,
    MOUSE_RECT_END_PARENT = 3,
    MOUSE_RECT_USER = 4,
};

enum MOUSE_CURSOR : int32_t {
    CURSOR_NONE = -1,
    CURSOR_UPARROW = 1,
    CURSOR_DOWNARROW = 2,
    CURSOR_HAND = 5,
};

constexpr uint32_t MOUSE_LEFTSINGLE = 0x20000000;  // left button click
constexpr uint32_t MOUSE_DOWN_REPEAT = 0x00200000; // repeated calls while held
constexpr uint32_t MOUSE_LEFTDRAG = 0x00800000;    // calls while dragged with left held

struct MOUSERECT {
    uint32_t rect_type;
    PIXBOX relative_box;
    int32_t cursor;
    uint32_t help_id;
    uint32_t mouse_flags;
    uint32_t event_id;
    union {
        MOUSE_FUNCTION mouse_function;  // child
        const char* user_text;          // user record: zero-terminated text
    };
    const void* api_data;               // user record: its argument list; else null
};

// ---------------------------------------------------------------------------------
// Gauge header

constexpr uint32_t GAUGE_HEADER_VERSION_610 = 610;
constexpr uint32_t GAUGE_HEADER_VERSION_800 = 800;

struct GAUGEHDR {
    uint32_t gauge_header_version{};
    const char* gauge_name{};
    ELEMENT_HEADER** elements_list{};  // slot holding the root element's address
    GAUGE_ROUTINE query_routine{};
    GAUGE_INSTALL_ROUTINE install_routine{};
    GAUGE_ROUTINE initialize_routine{};
    GAUGE_ROUTINE update_routine{};
    GAUGE_GENERATE_ROUTINE generate_routine{};
    GAUGE_ROUTINE draw_routine{};
    GAUGE_ROUTINE kill_routine{};
    uint32_t reserved{};
    uint32_t size_x_mm{};              // nominal width on the panel
    uint32_t host[8]{};
    MOUSERECT* mouse_rect{};           // version 800 only; null in 610
    GAUGE_CALLBACK_800 gauge_callback{}; // version 800 only; null in 610
};

// ---------------------------------------------------------------------------------
// Elements

enum GAUGE_ELEMENT_TYPE : uint32_t {
    ELEMENT_TYPE_STATIC_IMAGE = 0,
    ELEMENT_TYPE_NEEDLE = 1,
    ELEMENT_TYPE_STRING = 2,
    ELEMENT_TYPE_SLIDER = 3,
    ELEMENT_TYPE_ICON = 4,
    ELEMENT_TYPE_SPRITE = 6,
};

constexpr uint32_t IMAGE_USE_TRANSPARENCY = 0x1;  // pure black is not drawn
constexpr uint32_t IMAGE_USE_ERASE = 0x2;
constexpr uint32_t IMAGE_USE_BRIGHT = 0x4;
constexpr uint32_t IMAGE_BILINEAR = 0x80;         // smooth drawing
constexpr uint32_t IMAGE_LIT_AT_NIGHT = 0x4000;
constexpr uint32_t IMAGE_HIDDEN = 0x40000000;     // not drawn while set

constexpr uint32_t NO_RESOURCE = 0xFFFFFFFFu;

struct ELEMENT_HEADER {
    uint32_t element_type{};
    uint32_t resource_id{};
    PIXPOINT position{};
    PIXPOINT previous_position{};     // host
    PIXPOINT ofs{};
    GAUGEHDR* gauge_header{};
    ELEMENT_HEADER* previous_element{}; // host
    ELEMENT_HEADER** next_element{};  // null-terminated next list, or null
    FAILURE_RECORD* failure_systems{};
    uint32_t image_flags{};
    uint32_t special_instrumentation{};
    uint32_t reserved{};
};

// The host's record of an installed bitmap. The host owns it from install until kill;
// modules read `dim` only.
struct IMAGE_INFO {
    uint32_t host_word{};
    PIXPOINT dim{};  // installed width and height in pixels
};

struct ELEMENT_STATIC_IMAGE {
    ELEMENT_HEADER header{};
    IMAGE_INFO* image_data{};  // host: filled by element_list_install
    uint32_t host[4]{};
};

struct ELEMENT_NEEDLE {
    ELEMENT_HEADER header{};
    MODULE_VAR source_var{};
    ELEMENT_CALLBACK source_fn{};
    uint32_t reserved{};
    PIXPOINT reserved_point{};
    PIXPOINT needle_data{};            // (0, 0) but in the altimeter's hands
    NONLINEARITY* nonlinearity{};
    uint32_t nonlinearity_table_size{};
    int32_t max_degrees_per_tick{};    // 0 = no limit
    uint32_t host[25]{};
};

// The version-800 needle: the 610 fields, then an element callback that receives the
// element itself.
struct ELEMENT_NEEDLE_800 {
    ELEMENT_NEEDLE needle{};           // needle.source_fn is null
    ELEMENT_CALLBACK_800 element_callback{};
    uint32_t reserved[2]{};
};

// Text buffer: allocated by the host at install, holds max_string_length + 1 bytes,
// valid until kill.
struct ELEMENT_STRING {
    ELEMENT_HEADER header{};
    MODULE_VAR source_var[3];
    uint32_t host_a[6]{};
    ELEMENT_CALLBACK source_fn{};
    uint32_t host_b[3]{};
    char* string{};
    uint32_t host_c{};
    uint32_t box_width{};
    uint32_t box_height{};
    uint32_t host_d[2]{};
    uint32_t fg_color{};          // 0x00BBGGRR
    uint32_t bg_color{};
    uint32_t hilite_color{};
    uint32_t host_e[7]{};
    char font_name[32];
    uint32_t font_weight{};       // 400 normal, 700 bold
    uint32_t font_charset{};
    uint32_t draw_text_flags{};   // 0x1 centre horizontally, 0x4 vertically, 0x20 one line
    uint32_t max_string_length{};
    uint32_t reserved[4]{};
};

constexpr uint32_t DT_CENTER_FLAG = 0x1;
constexpr uint32_t DT_VCENTER_FLAG = 0x4;
constexpr uint32_t DT_SINGLELINE_FLAG = 0x20;

struct ELEMENT_SLIDER {
    ELEMENT_HEADER header{};
    MODULE_VAR source_var_x{};
    ELEMENT_CALLBACK source_fn_x{};   // no slider of the system moves sideways
    uint32_t reserved_x{};
    FLOAT64 scale_x{};
    MODULE_VAR source_var_y{};
    ELEMENT_CALLBACK source_fn_y{};
    FLOAT64 scale_y{};                // pixels per unit of value
    uint32_t host[6]{};
};

struct ELEMENT_ICON {
    ELEMENT_HEADER header{};
    MODULE_VAR source_var{};
    ELEMENT_CALLBACK source_fn{};
    uint32_t reserved[5]{};
    uint32_t picture_count{};         // picture k is resource_id + 3 k
    uint32_t host[5]{};
};

struct ELEMENT_SPRITE {
    ELEMENT_HEADER header{};
    MODULE_VAR source_var_x{};
    ELEMENT_CALLBACK source_fn_x{};
    FLOAT64 scale_x{};
    MODULE_VAR source_var_y{};
    ELEMENT_CALLBACK source_fn_y{};
    FLOAT64 scale_y{};
    MODULE_VAR source_var_0{};        // rotation
    ELEMENT_CALLBACK source_fn_0{};
    FLOAT64 scale_0{};
    FLOAT32 texture_scale_x{};
    FLOAT32 texture_scale_y{};
    PIXPOINT texture_point{};
    uint32_t host[31]{};
};

// ---------------------------------------------------------------------------------
// The host's panel operations. The host stores the table's address in the module's
// ImportTable before its first call into the module; each slot sits at the byte offset
// the simulator gives it in its 32-bit table.

struct PANEL_OPERATIONS {
    void* reserved_00[0x60 / 4];
    void(GAUGE_CALL* element_list_query)(ELEMENT_HEADER* root);
    void(GAUGE_CALL* element_list_install)(ELEMENT_HEADER* root, MODULE_HANDLE module);
    void(GAUGE_CALL* element_list_initialize)(ELEMENT_HEADER* root);
    void(GAUGE_CALL* element_list_update)(ELEMENT_HEADER* root);
    void(GAUGE_CALL* element_list_generate)(ELEMENT_HEADER* root, uint32_t phase);
    void(GAUGE_CALL* element_list_plot)(ELEMENT_HEADER* root);
    void* reserved_78;
    void(GAUGE_CALL* element_list_kill)(ELEMENT_HEADER* root);
    void(GAUGE_CALL* mouse_list_install)(MOUSERECT* list, GAUGEHDR* header, PIXPOINT* face_size);
    void(GAUGE_CALL* mouse_list_register)(MOUSERECT* list, GAUGEHDR* header);
    void(GAUGE_CALL* mouse_list_unregister)(MOUSERECT* list, GAUGEHDR* header);
    void* reserved_8c;
    void(GAUGE_CALL* trigger_key_event)(uint32_t event_id, uint32_t value);
    void* reserved_94;
    void(GAUGE_CALL* initialize_var)(MODULE_VAR* var);
    void* reserved_9c;
    void(GAUGE_CALL* lookup_var)(MODULE_VAR* var);
};

// ---------------------------------------------------------------------------------
// Module exports

constexpr uint32_t LINKAGE_RECORD_ID = 0x13;
constexpr uint32_t IMPORT_TABLE_ID = 0x0F;
constexpr uint32_t MODULE_VERSION_610 = 0;
constexpr uint32_t MODULE_VERSION_800 = 0x800;

struct GAUGE_LINKAGE {
    uint32_t record_id;
    MODULE_ROUTINE module_init;
    MODULE_ROUTINE module_deinit;
    uint32_t flags;
    uint32_t module_status;
    uint32_t module_version;
    GAUGEHDR* gauge_list[2];  // the module's one gauge, then null
};

struct IMPORT_ENTRY {
    uint32_t id;
    void* pointer;
};

struct IMPORT_TABLE {
    uint32_t id;                 // 0x0F
    PANEL_OPERATIONS* panels;    // stored by the host before its first call
    IMPORT_ENTRY end;            // 0, null
};

#pragma pack(pop)

// ---------------------------------------------------------------------------------
// Layout pins. The panel table is checked on every target by slot; the records where
// pointers are 32 bits, as the simulator reads them.

#define GAUGE_SLOT_AT(field, byte_offset) \
    static_assert(offsetof(PANEL_OPERATIONS, field) == (byte_offset) / 4 * sizeof(void*), \
                  #field " sits at byte " #byte_offset " of the 32-bit table")
GAUGE_SLOT_AT(element_list_query, 0x60);
GAUGE_SLOT_AT(element_list_install, 0x64);
GAUGE_SLOT_AT(element_list_initialize, 0x68);
GAUGE_SLOT_AT(element_list_update, 0x6C);
GAUGE_SLOT_AT(element_list_generate, 0x70);
GAUGE_SLOT_AT(element_list_plot, 0x74);
GAUGE_SLOT_AT(element_list_kill, 0x7C);
GAUGE_SLOT_AT(mouse_list_install, 0x80);
GAUGE_SLOT_AT(mouse_list_register, 0x84);
GAUGE_SLOT_AT(mouse_list_unregister, 0x88);
GAUGE_SLOT_AT(trigger_key_event, 0x90);
GAUGE_SLOT_AT(initialize_var, 0x98);
GAUGE_SLOT_AT(lookup_var, 0xA0);
#undef GAUGE_SLOT_AT

#if GAUGE_LAYOUT_IS_32BIT
#define GAUGE_PIN(type, field, offset) \
    static_assert(offsetof(type, field) == (offset), "the host reads " #type "." #field " at byte " #offset)
#define GAUGE_SIZE(type, size) static_assert(sizeof(type) == (size), #type " is " #size " bytes")

GAUGE_SIZE(PIXPOINT, 8);
GAUGE_SIZE(MODULE_VAR, 28);
GAUGE_PIN(MODULE_VAR, var_ptr, 4);
GAUGE_PIN(MODULE_VAR, var_type, 8);
GAUGE_PIN(MODULE_VAR, var_value, 12);
GAUGE_PIN(MODULE_VAR, var_old, 20);

GAUGE_SIZE(NONLINEARITY, 24);
GAUGE_PIN(NONLINEARITY, value, 8);
GAUGE_PIN(NONLINEARITY, degrees, 16);

GAUGE_SIZE(FAILURE_RECORD, 12);
GAUGE_PIN(FAILURE_RECORD, action, 4);

GAUGE_SIZE(MOUSERECT, 44);
GAUGE_PIN(MOUSERECT, relative_box, 4);
GAUGE_PIN(MOUSERECT, cursor, 20);
GAUGE_PIN(MOUSERECT, help_id, 24);
GAUGE_PIN(MOUSERECT, mouse_flags, 28);
GAUGE_PIN(MOUSERECT, event_id, 32);
GAUGE_PIN(MOUSERECT, mouse_function, 36);
GAUGE_PIN(MOUSERECT, api_data, 40);

GAUGE_SIZE(GAUGEHDR, 88);
GAUGE_PIN(GAUGEHDR, gauge_name, 4);
GAUGE_PIN(GAUGEHDR, elements_list, 8);
GAUGE_PIN(GAUGEHDR, query_routine, 12);
GAUGE_PIN(GAUGEHDR, install_routine, 16);
GAUGE_PIN(GAUGEHDR, initialize_routine, 20);
GAUGE_PIN(GAUGEHDR, update_routine, 24);
GAUGE_PIN(GAUGEHDR, generate_routine, 28);
GAUGE_PIN(GAUGEHDR, draw_routine, 32);
GAUGE_PIN(GAUGEHDR, kill_routine, 36);
GAUGE_PIN(GAUGEHDR, reserved, 40);
GAUGE_PIN(GAUGEHDR, size_x_mm, 44);
GAUGE_PIN(GAUGEHDR, mouse_rect, 80);
GAUGE_PIN(GAUGEHDR, gauge_callback, 84);

GAUGE_SIZE(ELEMENT_HEADER, 60);
GAUGE_PIN(ELEMENT_HEADER, resource_id, 4);
GAUGE_PIN(ELEMENT_HEADER, position, 8);
GAUGE_PIN(ELEMENT_HEADER, previous_position, 16);
GAUGE_PIN(ELEMENT_HEADER, ofs, 24);
GAUGE_PIN(ELEMENT_HEADER, gauge_header, 32);
GAUGE_PIN(ELEMENT_HEADER, previous_element, 36);
GAUGE_PIN(ELEMENT_HEADER, next_element, 40);
GAUGE_PIN(ELEMENT_HEADER, failure_systems, 44);
GAUGE_PIN(ELEMENT_HEADER, image_flags, 48);
GAUGE_PIN(ELEMENT_HEADER, special_instrumentation, 52);
GAUGE_PIN(ELEMENT_HEADER, reserved, 56);

GAUGE_SIZE(IMAGE_INFO, 12);
GAUGE_PIN(IMAGE_INFO, dim, 4);

GAUGE_SIZE(ELEMENT_STATIC_IMAGE, 80);
GAUGE_PIN(ELEMENT_STATIC_IMAGE, image_data, 60);

GAUGE_SIZE(ELEMENT_NEEDLE, 224);
GAUGE_PIN(ELEMENT_NEEDLE, source_var, 60);
GAUGE_PIN(ELEMENT_NEEDLE, source_fn, 88);
GAUGE_PIN(ELEMENT_NEEDLE, reserved, 92);
GAUGE_PIN(ELEMENT_NEEDLE, reserved_point, 96);
GAUGE_PIN(ELEMENT_NEEDLE, needle_data, 104);
GAUGE_PIN(ELEMENT_NEEDLE, nonlinearity, 112);
GAUGE_PIN(ELEMENT_NEEDLE, nonlinearity_table_size, 116);
GAUGE_PIN(ELEMENT_NEEDLE, max_degrees_per_tick, 120);
GAUGE_PIN(ELEMENT_NEEDLE, host, 124);

GAUGE_SIZE(ELEMENT_NEEDLE_800, 236);
GAUGE_PIN(ELEMENT_NEEDLE_800, element_callback, 224);
GAUGE_PIN(ELEMENT_NEEDLE_800, reserved, 228);

GAUGE_SIZE(ELEMENT_STRING, 312);
GAUGE_PIN(ELEMENT_STRING, source_var, 60);
GAUGE_PIN(ELEMENT_STRING, host_a, 144);
GAUGE_PIN(ELEMENT_STRING, source_fn, 168);
GAUGE_PIN(ELEMENT_STRING, host_b, 172);
GAUGE_PIN(ELEMENT_STRING, string, 184);
GAUGE_PIN(ELEMENT_STRING, host_c, 188);
GAUGE_PIN(ELEMENT_STRING, box_width, 192);
GAUGE_PIN(ELEMENT_STRING, box_height, 196);
GAUGE_PIN(ELEMENT_STRING, host_d, 200);
GAUGE_PIN(ELEMENT_STRING, fg_color, 208);
GAUGE_PIN(ELEMENT_STRING, bg_color, 212);
GAUGE_PIN(ELEMENT_STRING, hilite_color, 216);
GAUGE_PIN(ELEMENT_STRING, host_e, 220);
GAUGE_PIN(ELEMENT_STRING, font_name, 248);
GAUGE_PIN(ELEMENT_STRING, font_weight, 280);
GAUGE_PIN(ELEMENT_STRING, font_charset, 284);
GAUGE_PIN(ELEMENT_STRING, draw_text_flags, 288);
GAUGE_PIN(ELEMENT_STRING, max_string_length, 292);
GAUGE_PIN(ELEMENT_STRING, reserved, 296);

GAUGE_SIZE(ELEMENT_SLIDER, 168);
GAUGE_PIN(ELEMENT_SLIDER, source_var_x, 60);
GAUGE_PIN(ELEMENT_SLIDER, source_fn_x, 88);
GAUGE_PIN(ELEMENT_SLIDER, scale_x, 96);
GAUGE_PIN(ELEMENT_SLIDER, source_var_y, 104);
GAUGE_PIN(ELEMENT_SLIDER, source_fn_y, 132);
GAUGE_PIN(ELEMENT_SLIDER, scale_y, 136);
GAUGE_PIN(ELEMENT_SLIDER, host, 144);

GAUGE_SIZE(ELEMENT_ICON, 136);
GAUGE_PIN(ELEMENT_ICON, source_var, 60);
GAUGE_PIN(ELEMENT_ICON, source_fn, 88);
GAUGE_PIN(ELEMENT_ICON, reserved, 92);
GAUGE_PIN(ELEMENT_ICON, picture_count, 112);
GAUGE_PIN(ELEMENT_ICON, host, 116);

GAUGE_SIZE(ELEMENT_SPRITE, 320);
GAUGE_PIN(ELEMENT_SPRITE, source_var_x, 60);
GAUGE_PIN(ELEMENT_SPRITE, source_fn_x, 88);
GAUGE_PIN(ELEMENT_SPRITE, scale_x, 92);
GAUGE_PIN(ELEMENT_SPRITE, source_var_y, 100);
GAUGE_PIN(ELEMENT_SPRITE, source_fn_y, 128);
GAUGE_PIN(ELEMENT_SPRITE, scale_y, 132);
GAUGE_PIN(ELEMENT_SPRITE, source_var_0, 140);
GAUGE_PIN(ELEMENT_SPRITE, source_fn_0, 168);
GAUGE_PIN(ELEMENT_SPRITE, scale_0, 172);
GAUGE_PIN(ELEMENT_SPRITE, texture_scale_x, 180);
GAUGE_PIN(ELEMENT_SPRITE, texture_scale_y, 184);
GAUGE_PIN(ELEMENT_SPRITE, texture_point, 188);
GAUGE_PIN(ELEMENT_SPRITE, host, 196);

GAUGE_SIZE(GAUGE_LINKAGE, 32);
GAUGE_PIN(GAUGE_LINKAGE, module_init, 4);
GAUGE_PIN(GAUGE_LINKAGE, module_deinit, 8);
GAUGE_PIN(GAUGE_LINKAGE, flags, 12);
GAUGE_PIN(GAUGE_LINKAGE, module_status, 16);
GAUGE_PIN(GAUGE_LINKAGE, module_version, 20);
GAUGE_PIN(GAUGE_LINKAGE, gauge_list, 24);

GAUGE_SIZE(IMPORT_TABLE, 16);
GAUGE_PIN(IMPORT_TABLE, panels, 4);
GAUGE_PIN(IMPORT_TABLE, end, 8);

GAUGE_SIZE(PANEL_OPERATIONS, 0xA4);

#undef GAUGE_PIN
#undef GAUGE_SIZE
#endif
