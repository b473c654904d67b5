// trimhandle_art OUTDIR: draws the trim handle's face (1000.bmp), a slot with five ticks
// on black, and its knob (2000.bmp), a copper ball on a grey stem, on black.
#include <cmath>
#include <cstdio>
#include <exception>
#include <string>

#include "resources/common/art_canvas.h"
#include "resources/common/artwork_main.h"
#include "resources/common/palette_bitmap.h"
#include "trimhandle/trim_layout.h"

namespace {

constexpr ArtColor RIM = {0.78, 0.78, 0.80};
constexpr ArtColor CHANNEL = {0.10, 0.16, 0.42};
constexpr ArtColor STRIPE = {0.05, 0.08, 0.24};
constexpr ArtColor TICK = {0.82, 0.82, 0.84};
constexpr ArtColor STEM = {0.55, 0.55, 0.57};
constexpr ArtColor STEM_EDGE = {0.35, 0.35, 0.37};

// An upright rectangle whose four corners are cut by `chamfer` pixels.
void chamfered_rect(cairo_t* cr, double left, double top, double right, double bottom, double chamfer,
                    ArtColor color) {
    fill_polygon(cr,
                 {{left + chamfer, top}, {right - chamfer, top}, {right, top + chamfer}, {right, bottom - chamfer},
                  {right - chamfer, bottom}, {left + chamfer, bottom}, {left, bottom - chamfer}, {left, top + chamfer}},
                 color);
}

void draw_face(const std::string& path) {
    ArtCanvas canvas(TRIM_FACE_WIDTH, TRIM_FACE_HEIGHT);
    cairo_t* cr = canvas.cr();
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_paint(cr);
    const double centre = TRIM_SLOT_CENTRE_X + 0.5;
    const double half = TRIM_SLOT_WIDTH / 2.0;
    const double top = TRIM_SLOT_TOP;
    const double bottom = TRIM_SLOT_BOTTOM + 1;
    chamfered_rect(cr, centre - half, top, centre + half, bottom, 5, RIM);
    chamfered_rect(cr, centre - half + 2, top + 2, centre + half - 2, bottom - 2, 4, CHANNEL);
    chamfered_rect(cr, centre - 2.5, top + 5, centre + 2.5, bottom - 5, 2, STRIPE);
    for (int row : TRIM_TICK_ROWS)
        stroke_polyline(cr, {{double(TRIM_TICK_LEFT), row + 0.5}, {TRIM_TICK_RIGHT + 1.0, row + 0.5}}, 1.6, TICK);
    write_palette_bmp(path, canvas.surface());
}

void draw_knob(const std::string& path) {
    ArtCanvas canvas(TRIM_KNOB_SIZE, TRIM_KNOB_SIZE);
    cairo_t* cr = canvas.cr();
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_paint(cr);
    const double centre_x = TRIM_KNOB_SIZE / 2.0;
    const double radius = TRIM_BALL_DIAMETER / 2.0;
    const ArtPoint ball = {centre_x, double(TRIM_BALL_CENTRE_Y)};
    const double stem_half = TRIM_STEM_WIDTH / 2.0;
    const double stem_bottom = ball.y - radius + 4;  // into the ball, hidden by it
    fill_polygon(cr, {{centre_x - stem_half, double(TRIM_STEM_TOP)}, {centre_x + stem_half, double(TRIM_STEM_TOP)},
                      {centre_x + stem_half, stem_bottom}, {centre_x - stem_half, stem_bottom}},
                 STEM_EDGE);
    fill_polygon(cr, {{centre_x - stem_half + 1.5, double(TRIM_STEM_TOP)},
                      {centre_x + stem_half - 1.5, double(TRIM_STEM_TOP)},
                      {centre_x + stem_half - 1.5, stem_bottom}, {centre_x - stem_half + 1.5, stem_bottom}},
                 STEM);
    // A copper ball lit from the upper left.
    cairo_pattern_t* shade = cairo_pattern_create_radial(ball.x - radius * 0.35, ball.y - radius * 0.4, radius * 0.1,
                                                         ball.x, ball.y, radius);
    cairo_pattern_add_color_stop_rgb(shade, 0.0, 0.95, 0.70, 0.48);
    cairo_pattern_add_color_stop_rgb(shade, 0.5, 0.72, 0.42, 0.22);
    cairo_pattern_add_color_stop_rgb(shade, 1.0, 0.36, 0.18, 0.08);
    cairo_arc(cr, ball.x, ball.y, radius, 0, 2 * M_PI);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
    write_palette_bmp(path, canvas.surface());
}

}  // namespace

int main(int argc, char** argv) {
    return run_artwork(argc, argv, "trimhandle_art", [](const std::string& dir) {
        draw_face(dir + "/1000.bmp");
        draw_knob(dir + "/2000.bmp");
    });
}
