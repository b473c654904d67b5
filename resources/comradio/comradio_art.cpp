// comradio_art OUTDIR: draws the COM radio's face (1000.bmp), the knob pointer
// (2000.bmp) and the outer tuning knob's marker (3000.bmp).
#include "comradio/com_face.h"
#include "resources/common/art_canvas.h"
#include "resources/common/artwork_main.h"
#include "resources/common/palette_bitmap.h"

#include <cmath>
#include <cstdio>
#include <exception>
#include <string>

namespace {

constexpr ArtColor BODY = {0.24, 0.24, 0.25};
constexpr ArtColor BODY_EDGE = {0.36, 0.36, 0.37};
constexpr ArtColor SCREW = {0.55, 0.55, 0.56};
constexpr ArtColor SCREW_SLOT = {0.15, 0.15, 0.16};
constexpr ArtColor LEGEND = {0.92, 0.92, 0.88};
constexpr ArtColor KNOB = {0.04, 0.04, 0.04};
constexpr ArtColor KNOB_RIM = {0.16, 0.16, 0.17};
constexpr ArtColor KNOB_SIDE = {0.02, 0.02, 0.02};
constexpr ArtColor CHROME = {0.70, 0.70, 0.72};
constexpr ArtColor BUTTON = {0.95, 0.95, 0.93};
constexpr ArtColor WINDOW_BEZEL = {0.10, 0.10, 0.11};
constexpr ArtColor PLATE = {0.78, 0.74, 0.60};
constexpr ArtColor PLATE_TEXT = {0.12, 0.12, 0.12};

// Radii on the face, pixels: the pointer mark reaches 15 px from its pivot, so the knobs
// under it are a little larger; the marker's dot sits 30 px out on the outer knob.
constexpr double VOLUME_RADIUS = 16.5;
constexpr double SELECTOR_RADIUS = 16.5;
constexpr double OUTER_KNOB_RADIUS = 34.5;
constexpr double INNER_KNOB_RADIUS = 16.5;
constexpr double STORE_RADIUS = 11.0;

const ArtFont LEGEND_FONT{"Liberation Sans", 9, true};

// The centre of face pixel p, where the host puts a needle's pivot.
ArtPoint centre_of(PIXPOINT p) { return {p.x + 0.5, p.y + 0.5}; }

void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void fill_rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r, ArtColor c) {
    rounded_rect(cr, x, y, w, h, r);
    cairo_set_source_rgb(cr, c.r, c.g, c.b);
    cairo_fill(cr);
}

void draw_screw(cairo_t* cr, ArtPoint at) {
    fill_circle(cr, at, 5.0, SCREW);
    fill_ring(cr, at, 4.0, 5.0, BODY_EDGE);
    stroke_polyline(cr, {{at.x - 3.2, at.y + 1.5}, {at.x + 3.2, at.y - 1.5}}, 1.4, SCREW_SLOT);
}

void draw_body(cairo_t* cr) {
    const double w = COM_FACE_SIZE.x, h = COM_FACE_SIZE.y;
    fill_rounded_rect(cr, 1, 1, w - 2, h - 2, 16, BODY_EDGE);
    fill_rounded_rect(cr, 3, 3, w - 6, h - 6, 14, BODY);
    for (ArtPoint at : {ArtPoint{13, 13}, ArtPoint{w - 13, 13}, ArtPoint{13, h - 13}, ArtPoint{w - 13, h - 13}})
        draw_screw(cr, at);
}

// A three-position toggle seen from the front, lever in the ON position (middle).
void draw_switch(cairo_t* cr) {
    const ArtPoint pivot = {65, 32};
    fill_circle(cr, pivot, 6.5, CHROME);
    fill_ring(cr, pivot, 5.0, 6.5, {0.45, 0.45, 0.47});
    fill_circle(cr, pivot, 3.5, {0.85, 0.85, 0.86});
    // The lever stands out towards the viewer, seen a little from below.
    stroke_polyline(cr, {pivot, {pivot.x, pivot.y - 6.0}}, 3.5, CHROME);
    fill_circle(cr, {pivot.x, pivot.y - 6.0}, 2.8, {0.90, 0.90, 0.91});
    const ArtFont small{"Liberation Sans", 7.5, true};
    draw_text_centred(cr, "SQ", {pivot.x - 16, 21}, small, LEGEND);
    draw_text_centred(cr, "ON", {pivot.x - 16, 32}, small, LEGEND);
    draw_text_centred(cr, "OFF", {pivot.x - 17, 43}, small, LEGEND);
    for (double y : {21.0, 32.0, 43.0}) stroke_polyline(cr, {{pivot.x - 9, y}, {pivot.x - 7.5, y}}, 1.0, LEGEND);
}

// A knob seen from the front with a knurled rim.
void draw_front_knob(cairo_t* cr, ArtPoint centre, double radius) {
    fill_circle(cr, {centre.x + 1.2, centre.y + 1.6}, radius, KNOB_SIDE);  // shadow
    fill_circle(cr, centre, radius, KNOB_RIM);
    for (int a = 0; a < 360; a += 12) draw_radial_tick(cr, centre, a, radius - 2.5, radius, 1.2, KNOB);
    fill_circle(cr, centre, radius - 3.0, KNOB);
}

void draw_volume(cairo_t* cr) {
    const ArtPoint centre = centre_of(COM_VOLUME_CENTRE);
    draw_front_knob(cr, centre, VOLUME_RADIUS);
    draw_text_centred(cr, "VOL", {centre.x, 47}, LEGEND_FONT, LEGEND);
}

void draw_store(cairo_t* cr) {
    const ArtPoint centre = {COM_STORE_CENTRE.x + 0.5, COM_STORE_CENTRE.y + 0.5};
    fill_circle(cr, centre, STORE_RADIUS + 2.0, CHROME);
    fill_circle(cr, {centre.x + 0.6, centre.y + 0.8}, STORE_RADIUS, {0.70, 0.70, 0.68});
    fill_circle(cr, centre, STORE_RADIUS - 0.8, BUTTON);
    draw_text_centred(cr, "STORE", {centre.x, 52}, LEGEND_FONT, LEGEND);
}

void draw_display_window(cairo_t* cr) {
    fill_rounded_rect(cr, 27, 77, 181, 58, 5, WINDOW_BEZEL);
    const ArtColor window = {COM_DISPLAY_WINDOW.r / 255.0, COM_DISPLAY_WINDOW.g / 255.0, COM_DISPLAY_WINDOW.b / 255.0};
    fill_rounded_rect(cr, 30, 80, 175, 52, 3, window);
}

void draw_name_plate(cairo_t* cr) {
    fill_rounded_rect(cr, 146, 138, 60, 14, 2, PLATE);
    draw_text_centred(cr, "HALVOR", {176, 145}, {"Liberation Sans", 9, true}, PLATE_TEXT);
}

// The channel selector and its labels 4 3 2 1 A, each at the angle its position turns the
// pointer to (30 x position - 165 degrees).
void draw_selector(cairo_t* cr) {
    const ArtPoint centre = centre_of(COM_SELECTOR_CENTRE);
    draw_front_knob(cr, centre, SELECTOR_RADIUS);
    const char* labels[] = {"4", "3", "2", "1", "A"};
    const ArtFont font{"Liberation Sans", 10, true};
    for (int position = 0; position <= 4; ++position) {
        const double angle = 30.0 * position - 165.0;
        draw_radial_tick(cr, centre, angle, SELECTOR_RADIUS + 1.5, SELECTOR_RADIUS + 4.0, 1.2, LEGEND);
        draw_text_centred(cr, labels[position], polar_point(centre, SELECTOR_RADIUS + 10.0, angle), font, LEGEND);
    }
    // A line to the right of A marks the manual position.
    const ArtPoint a = polar_point(centre, SELECTOR_RADIUS + 10.0, -45.0);
    stroke_polyline(cr, {{a.x + 6, a.y}, {a.x + 16, a.y}}, 1.4, LEGEND);
}

// The concentric pair in perspective: each knob a cylinder whose side shows below and to
// the right of its top, the smaller inner knob standing on the outer one.
void draw_cylinder(cairo_t* cr, ArtPoint top, double radius, double depth, ArtColor rim) {
    for (double d = depth; d > 0; d -= 0.5) fill_circle(cr, {top.x + d * 0.5, top.y + d}, radius, KNOB_SIDE);
    fill_circle(cr, top, radius, rim);
    for (int a = 0; a < 360; a += 10) draw_radial_tick(cr, top, a, radius - 3.0, radius, 1.3, KNOB);
    fill_circle(cr, top, radius - 3.5, KNOB);
    fill_ring(cr, top, radius - 4.5, radius - 3.5, {0.22, 0.22, 0.23});  // highlight of the top edge
}

void draw_tuning_knobs(cairo_t* cr) {
    draw_cylinder(cr, centre_of(COM_OUTER_KNOB_CENTRE), OUTER_KNOB_RADIUS, 5.0, KNOB_RIM);
    // The inner knob's lighter rim keeps it apart from the outer knob it stands on.
    draw_cylinder(cr, centre_of(COM_INNER_KNOB_CENTRE), INNER_KNOB_RADIUS, 4.0, {0.34, 0.34, 0.35});
    draw_text_centred(cr, "MHz", {140, 230}, {"Liberation Sans", 7.5, true}, LEGEND);
    draw_text_centred(cr, "kHz", {190, 230}, {"Liberation Sans", 7.5, true}, LEGEND);
}

void draw_face(const std::string& path) {
    ArtCanvas canvas(COM_FACE_SIZE.x, COM_FACE_SIZE.y);
    cairo_t* cr = canvas.cr();
    draw_body(cr);
    draw_switch(cr);
    draw_volume(cr);
    draw_store(cr);
    draw_display_window(cr);
    draw_name_plate(cr);
    draw_selector(cr);
    draw_tuning_knobs(cr);
    write_palette_bmp(path, canvas.surface());
}

// A light wedge at 3 o'clock from the pivot, inside the knob's edge.
void draw_pointer(const std::string& path) {
    ArtCanvas canvas(COM_POINTER_SIZE.x, COM_POINTER_SIZE.y);
    const ArtPoint pivot = centre_of(COM_POINTER_PIVOT);
    fill_polygon(canvas.cr(),
                 {{22, pivot.y - 1.5}, {31.5, pivot.y - 2.5}, {31.5, pivot.y + 2.5}, {22, pivot.y + 1.5}}, LEGEND);
    write_palette_bmp(path, canvas.surface());
}

// A white dot 30 px above the pivot: 12 o'clock on the outer knob's rim at angle 0.
void draw_marker(const std::string& path) {
    ArtCanvas canvas(COM_MARKER_SIZE.x, COM_MARKER_SIZE.y);
    const ArtPoint pivot = centre_of(COM_MARKER_PIVOT);
    fill_circle(canvas.cr(), {pivot.x, pivot.y - 30.0}, 3.0, {1.0, 1.0, 1.0});
    write_palette_bmp(path, canvas.surface());
}

}  // namespace

int main(int argc, char** argv) {
    return run_artwork(argc, argv, "comradio_art", [](const std::string& dir) {
        draw_face(dir + "/1000.bmp");
        draw_pointer(dir + "/2000.bmp");
        draw_marker(dir + "/3000.bmp");
    });
}
