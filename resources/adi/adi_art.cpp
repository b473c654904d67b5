// adi_art OUTDIR: draws the attitude indicator's face (1000.bmp), pitch ball texture and
// mask (2000.bmp, 2003.bmp) and bank ring texture and mask (3000.bmp, 3003.bmp).
#include "adi/adi_geometry.h"
#include "resources/common/art_canvas.h"
#include "resources/common/artwork_main.h"
#include "resources/common/palette_bitmap.h"
#include "resources/common/sprite_mask.h"

#include <cmath>
#include <cstdio>
#include <exception>
#include <string>

namespace {

constexpr ArtColor SKY = {0.25, 0.55, 0.85};
constexpr ArtColor SKY_LIGHT = {0.42, 0.67, 0.92};
constexpr ArtColor GROUND = {0.55, 0.35, 0.18};
constexpr ArtColor GROUND_LIGHT = {0.66, 0.45, 0.26};
constexpr ArtColor WHITE = {0.97, 0.97, 0.95};
constexpr ArtColor LADDER_DARK = {0.10, 0.12, 0.20};
constexpr ArtColor AIRCRAFT_RED = {0.85, 0.10, 0.08};
constexpr ArtColor STAND_BROWN = {0.42, 0.26, 0.12};
constexpr ArtColor OPENING = {8 / 255.0, 8 / 255.0, 8 / 255.0};  // near-black, drawn, never transparent
constexpr ArtColor BEZEL_DARK = {0.12, 0.12, 0.13};
constexpr ArtColor BEZEL_LIGHT = {0.34, 0.34, 0.36};
constexpr ArtColor SCREW = {0.55, 0.55, 0.57};

// The dome of the face's opening, on the face: a circle whose top touches the bank
// ring mask's first row, cut flat by the mask's last row.
constexpr double DOME_RADIUS = ADI_RING_MASK_SIZE.x / 2.0;
const ArtPoint DOME_CENTRE = {ADI_RING_MASK_POSITION.x + DOME_RADIUS, ADI_RING_MASK_POSITION.y + DOME_RADIUS};
constexpr double DOME_BOTTOM = ADI_RING_MASK_POSITION.y + ADI_RING_MASK_SIZE.y;

// The pitch ball's disc window, on the face: its top touches the ball mask's first row.
constexpr double BALL_RADIUS = ADI_BALL_MASK_SIZE.x / 2.0;
const ArtPoint BALL_CENTRE = {ADI_BALL_MASK_POSITION.x + BALL_RADIUS, ADI_BALL_MASK_POSITION.y + BALL_RADIUS};
constexpr double BALL_BOTTOM = ADI_BALL_MASK_POSITION.y + ADI_BALL_MASK_SIZE.y;

const ArtPoint DOT = {ADI_CENTRE.x + 0.5, ADI_CENTRE.y + 0.5};

void set_color(cairo_t* cr, ArtColor c) { cairo_set_source_rgb(cr, c.r, c.g, c.b); }

void fill_rect(cairo_t* cr, double x, double y, double w, double h, ArtColor c) {
    cairo_rectangle(cr, x, y, w, h);
    set_color(cr, c);
    cairo_fill(cr);
}

// The arc from the cut's right end over the top to its left end, closed by the flat bottom.
void dome_path(cairo_t* cr) {
    const double half = std::sqrt(DOME_RADIUS * DOME_RADIUS - std::pow(DOME_BOTTOM - DOME_CENTRE.y, 2));
    const double a_right = std::atan2(DOME_BOTTOM - DOME_CENTRE.y, half);
    cairo_arc_negative(cr, DOME_CENTRE.x, DOME_CENTRE.y, DOME_RADIUS, a_right, M_PI - a_right);
    cairo_close_path(cr);
}

// The disc, cut flat by the mask's last row.
void ball_window_path(cairo_t* cr) {
    const double dy = BALL_BOTTOM - BALL_CENTRE.y;
    const double half = std::sqrt(BALL_RADIUS * BALL_RADIUS - dy * dy);
    const double a_right = std::atan2(dy, half);
    cairo_arc_negative(cr, BALL_CENTRE.x, BALL_CENTRE.y, BALL_RADIUS, a_right, M_PI - a_right);
    cairo_close_path(cr);
}

void draw_screw(cairo_t* cr, ArtPoint centre, double radius, double slot_deg) {
    fill_circle(cr, centre, radius, SCREW);
    fill_ring(cr, centre, radius - 1.2, radius, BEZEL_DARK);
    stroke_polyline(cr, {polar_point(centre, radius * 0.8, slot_deg), polar_point(centre, radius * 0.8, slot_deg + 180)},
                    1.6, BEZEL_DARK);
}

// The miniature aircraft and the bank index, fixed on the face; the masks repeat them at
// the same face places (shifted by the mask's position) so they stay over the textures.
void draw_fixed_marks(cairo_t* cr, PIXPOINT origin, bool index_line) {
    cairo_save(cr);
    cairo_translate(cr, -origin.x, -origin.y);
    fill_polygon(cr, {{DOT.x - 3, DOT.y + 3}, {DOT.x + 3, DOT.y + 3}, {DOT.x + 9, DOME_BOTTOM}, {DOT.x - 9, DOME_BOTTOM}},
                 STAND_BROWN);
    fill_rect(cr, ADI_WING_LEFT, ADI_WING_TOP, 56, ADI_WING_BOTTOM - ADI_WING_TOP + 1, AIRCRAFT_RED);
    fill_rect(cr, ADI_WING_RIGHT + 1 - 56, ADI_WING_TOP, 56, ADI_WING_BOTTOM - ADI_WING_TOP + 1, AIRCRAFT_RED);
    fill_circle(cr, DOT, 4.5, AIRCRAFT_RED);
    const double mid = (ADI_INDEX_LEFT + ADI_INDEX_RIGHT + 1) / 2.0;
    fill_polygon(cr, {{double(ADI_INDEX_LEFT), double(ADI_INDEX_BOTTOM + 1)}, {double(ADI_INDEX_RIGHT + 1), double(ADI_INDEX_BOTTOM + 1)},
                      {mid, double(ADI_INDEX_TOP)}},
                 AIRCRAFT_RED);
    if (index_line) fill_rect(cr, mid - 1, ADI_INDEX_LINE_TOP, 2, ADI_INDEX_TOP - ADI_INDEX_LINE_TOP, AIRCRAFT_RED);
    cairo_restore(cr);
}

void draw_face(const std::string& path) {
    ArtCanvas canvas(ADI_FACE_SIZE, ADI_FACE_SIZE);
    cairo_t* cr = canvas.cr();
    const double s = ADI_FACE_SIZE, corner = 34;
    cairo_new_sub_path(cr);
    cairo_arc(cr, s - corner, corner, corner, -M_PI / 2, 0);
    cairo_arc(cr, s - corner, s - corner, corner, 0, M_PI / 2);
    cairo_arc(cr, corner, s - corner, corner, M_PI / 2, M_PI);
    cairo_arc(cr, corner, corner, corner, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, 0, s, s);
    cairo_pattern_add_color_stop_rgb(rim, 0.0, BEZEL_LIGHT.r, BEZEL_LIGHT.g, BEZEL_LIGHT.b);
    cairo_pattern_add_color_stop_rgb(rim, 1.0, BEZEL_DARK.r, BEZEL_DARK.g, BEZEL_DARK.b);
    cairo_set_source(cr, rim);
    cairo_fill(cr);
    cairo_pattern_destroy(rim);
    for (ArtPoint p : {ArtPoint{24, 24}, ArtPoint{s - 24, 24}, ArtPoint{24, s - 24}, ArtPoint{s - 24, s - 24}})
        draw_screw(cr, p, 8, 35);

    // Around the dome: sky beside its upper part, ground beside its lower part.
    cairo_save(cr);
    cairo_arc(cr, DOME_CENTRE.x, DOME_CENTRE.y, DOME_RADIUS + 14, 0, 2 * M_PI);
    cairo_clip(cr);
    fill_rect(cr, 0, 0, s, DOT.y, SKY);
    fill_rect(cr, 0, DOT.y, s, s, GROUND);
    cairo_restore(cr);
    dome_path(cr);
    set_color(cr, OPENING);
    cairo_fill(cr);

    draw_fixed_marks(cr, {0, 0}, true);
    // A knob without function at the lower right.
    fill_circle(cr, {s - 40, s - 40}, 17, BEZEL_DARK);
    for (int k = 0; k < 24; ++k) draw_radial_tick(cr, {s - 40, s - 40}, k * 15.0, 13, 17, 2.0, BEZEL_LIGHT);
    fill_circle(cr, {s - 40, s - 40}, 3, SCREW);
    write_palette_bmp(path, canvas.surface());
}

// Sky above, ground below, a white horizon on rows 127 and 128.
void paint_horizon(cairo_t* cr, ArtColor sky, ArtColor ground) {
    fill_rect(cr, 0, 0, ADI_TEXTURE_SIZE, ADI_TEXTURE_SIZE / 2.0, sky);
    fill_rect(cr, 0, ADI_TEXTURE_SIZE / 2.0, ADI_TEXTURE_SIZE, ADI_TEXTURE_SIZE / 2.0, ground);
}

void draw_ball(const std::string& path) {
    ArtCanvas canvas(ADI_TEXTURE_SIZE, ADI_TEXTURE_SIZE);
    cairo_t* cr = canvas.cr();
    const double c = ADI_TEXTURE_SIZE / 2.0;  // the horizon's middle, between rows 127 and 128
    paint_horizon(cr, SKY, GROUND);
    cairo_save(cr);
    cairo_translate(cr, c, c);
    cairo_scale(cr, 1.0, 0.75);
    cairo_arc(cr, 0, 0, 86, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_clip(cr);
    paint_horizon(cr, SKY_LIGHT, GROUND_LIGHT);
    cairo_reset_clip(cr);
    fill_rect(cr, 0, c - 1, ADI_TEXTURE_SIZE, 2, WHITE);

    const ArtFont font{"DejaVu Sans", 9, true};
    for (int step = 0; step < 4; ++step) {
        const int degrees = 5 * (step + 1);
        const bool long_line = degrees % 10 == 0;
        const double half = long_line ? 26 : 12;
        for (int side : {-1, 1}) {  // -1 sky (nose up), +1 ground
            const ArtColor colour = side < 0 ? LADDER_DARK : WHITE;
            const double y = c + side * ADI_LADDER_PIXELS[step];
            fill_rect(cr, c - half, y - 1, 2 * half, 2, colour);
            if (long_line) {
                const std::string label = std::to_string(degrees);
                draw_text_centred(cr, label, {c - half - 10, y}, font, colour);
                draw_text_centred(cr, label, {c + half + 10, y}, font, colour);
            }
        }
    }
    for (double x : {24.0, ADI_TEXTURE_SIZE - 24.0})
        for (double y : {c - 9, c + 9}) draw_screw(cr, {x, y}, 4, 45);
    write_palette_bmp(path, canvas.surface());
}

void draw_ball_mask(const std::string& path) {
    ArtCanvas canvas(ADI_BALL_MASK_SIZE.x, ADI_BALL_MASK_SIZE.y);
    cairo_t* cr = canvas.cr();
    cairo_translate(cr, -ADI_BALL_MASK_POSITION.x, -ADI_BALL_MASK_POSITION.y);
    ball_window_path(cr);
    cairo_identity_matrix(cr);
    fill_mask_window(cr);
    draw_fixed_marks(cr, ADI_BALL_MASK_POSITION, false);
    write_sprite_mask(path, canvas.surface());
}

void draw_ring(const std::string& path) {
    ArtCanvas canvas(ADI_TEXTURE_SIZE, ADI_TEXTURE_SIZE);
    cairo_t* cr = canvas.cr();
    const ArtPoint c = {ADI_TEXTURE_SIZE / 2.0, ADI_TEXTURE_SIZE / 2.0};
    paint_horizon(cr, SKY, GROUND);
    fill_rect(cr, 0, c.y - 1, ADI_TEXTURE_SIZE, 2, WHITE);
    // Bank marks either side of the top: 30 and 60 long, 10 and 20 short.
    for (int bank : {10, 20, 30, 60})
        for (int side : {-1, 1}) {
            const bool long_mark = bank == 30 || bank == 60;
            draw_radial_tick(cr, c, -90.0 + side * bank, 97, long_mark ? 114 : 106, long_mark ? 3.0 : 2.0, WHITE);
        }
    fill_polygon(cr, {polar_point(c, 97, -90), polar_point(c, 110, -94), polar_point(c, 110, -86)}, WHITE);
    draw_screw(cr, {26, 26}, 5, 45);
    // The centre, cut out whole pixels at a time: pure black, so the pitch ball shows through.
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_arc(cr, c.x, c.y, 95.5, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_restore(cr);
    write_palette_bmp(path, canvas.surface());
}

void draw_ring_mask(const std::string& path) {
    ArtCanvas canvas(ADI_RING_MASK_SIZE.x, ADI_RING_MASK_SIZE.y);
    cairo_t* cr = canvas.cr();
    cairo_translate(cr, -ADI_RING_MASK_POSITION.x, -ADI_RING_MASK_POSITION.y);
    dome_path(cr);
    cairo_identity_matrix(cr);
    fill_mask_window(cr);
    draw_fixed_marks(cr, ADI_RING_MASK_POSITION, true);
    write_sprite_mask(path, canvas.surface());
}

}  // namespace

int main(int argc, char** argv) {
    return run_artwork(argc, argv, "adi_art", [](const std::string& dir) {
        draw_face(dir + "/1000.bmp");
        draw_ball(dir + "/2000.bmp");
        draw_ball_mask(dir + "/2003.bmp");
        draw_ring(dir + "/3000.bmp");
        draw_ring_mask(dir + "/3003.bmp");
    });
}
