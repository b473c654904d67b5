// flightcomputer_art OUTDIR: draws the flight computer's face, the PULL/PUSH column, the
// glide bar and its index, the LCD labels and the two scale marks.
#include "flightcomputer/fc_face.h"
#include "resources/common/art_canvas.h"
#include "resources/common/artwork_main.h"
#include "resources/common/palette_bitmap.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr ArtColor rgb(FcRgb c) { return {c.r / 255.0, c.g / 255.0, c.b / 255.0}; }

const ArtColor LCD = rgb(FC_LCD_GREY);
const ArtColor INK = rgb(FC_LCD_INK);
const ArtColor BEZEL = rgb(FC_BEZEL);
constexpr ArtColor FRAME = {0.12, 0.12, 0.13};
constexpr ArtColor BUTTON = {0.96, 0.96, 0.96};
constexpr ArtColor BUTTON_EDGE = {0.35, 0.35, 0.36};
constexpr ArtColor KNOB = {0.10, 0.10, 0.11};
constexpr ArtColor LEGEND = {0.10, 0.10, 0.12};

std::string bitmap_path(const std::string& dir, uint32_t id) {
    char name[16];
    std::snprintf(name, sizeof name, "/%X.bmp", id);
    return dir + name;
}

void fill_rect(cairo_t* cr, double x, double y, double w, double h, ArtColor c) {
    cairo_rectangle(cr, x, y, w, h);
    cairo_set_source_rgb(cr, c.r, c.g, c.b);
    cairo_fill(cr);
}

void draw_button(cairo_t* cr, double x, double y) {
    fill_rect(cr, x, y, 28, 28, BUTTON_EDGE);
    fill_rect(cr, x + 2, y + 2, 24, 24, BUTTON);
}

void draw_face(const std::string& path) {
    ArtCanvas canvas(FC_FACE_SIZE.x, FC_FACE_SIZE.y);
    cairo_t* cr = canvas.cr();
    const ArtPoint centre = {157.5, 157.5};
    fill_circle(cr, centre, 157.0, BEZEL);
    fill_ring(cr, centre, 153.0, 157.0, {0.45, 0.44, 0.45});
    // The LCD window inside its dark frame.
    fill_rect(cr, 64, 82, 186, 154, FRAME);
    fill_rect(cr, 70, 88, 175, 143, LCD);
    // Power knob top left with its "OFF" legend.
    // The legend stands clear of the knob, inside the bezel.
    fill_circle(cr, {105, 40}, 19.0, KNOB);
    fill_ring(cr, {105, 40}, 16.0, 19.0, {0.25, 0.25, 0.25});
    stroke_polyline(cr, {{105, 40}, {105, 24}}, 3.0, BUTTON);
    draw_text_centred(cr, "OFF", {76, 64}, {"Liberation Sans", 10, true}, LEGEND);
    // GO and its button top right.
    draw_button(cr, 197, 25);
    draw_text_centred(cr, "GO", {240, 39}, {"Liberation Sans", 11, true}, LEGEND);
    // Left and right buttons with their triangles.
    draw_button(cr, 21, 182);
    fill_polygon(cr, {{30, 170}, {40, 164}, {40, 176}}, LEGEND);
    draw_button(cr, 268, 183);
    fill_polygon(cr, {{287, 171}, {277, 165}, {277, 177}}, LEGEND);
    // Up and down buttons at the bottom.
    draw_button(cr, 89, 263);
    fill_polygon(cr, {{103, 245}, {96, 256}, {110, 256}}, LEGEND);
    draw_button(cr, 199, 263);
    fill_polygon(cr, {{213, 256}, {206, 245}, {220, 245}}, LEGEND);
    // Maker's logo left, model lettering right.
    fill_ring(cr, {36, 128}, 9.0, 12.0, LEGEND);
    draw_text_centred(cr, "C", {36, 128}, {"Liberation Sans", 11, true}, LEGEND);
    draw_text_centred(cr, "T-KOR", {282, 128}, {"Liberation Sans", 11, true}, LEGEND);
    write_palette_bmp(path, canvas.surface());
}

// Picture 0 of every icon: the LCD grey alone.
void draw_blank(const std::string& path, PIXPOINT size) {
    ArtCanvas canvas(size.x, size.y);
    fill_rect(canvas.cr(), 0, 0, size.x, size.y, LCD);
    write_palette_bmp(path, canvas.surface());
}

// A chevron bar pointing toward the centre line: down above it, up below it.
void draw_chevron(cairo_t* cr, double y, bool points_down) {
    const double tip = points_down ? 5.0 : -5.0;
    fill_polygon(cr, {{4, y}, {16, y + tip}, {28, y}, {28, y + 3}, {16, y + 3 + tip}, {4, y + 3}}, INK);
}

// Pictures 1 to 9 of the speed command: 4..1 PULL bars, the line alone, 1..4 PUSH bars.
void draw_speed_command(const std::string& path, int picture) {
    ArtCanvas canvas(FC_SPEED_COMMAND_SIZE.x, FC_SPEED_COMMAND_SIZE.y);
    cairo_t* cr = canvas.cr();
    fill_rect(cr, 0, 0, FC_SPEED_COMMAND_SIZE.x, FC_SPEED_COMMAND_SIZE.y, LCD);
    const ArtFont font{"Liberation Sans", 8, true};
    draw_text_centred(cr, "PULL", {16, 6}, font, INK);
    draw_text_centred(cr, "PUSH", {16, 96}, font, INK);
    fill_rect(cr, 2, 50, 28, 2, INK);
    const int pull_bars = picture < 5 ? 5 - picture : 0;
    const int push_bars = picture > 5 ? picture - 5 : 0;
    for (int i = 0; i < pull_bars; ++i) draw_chevron(cr, 40 - 9.0 * i, true);
    for (int i = 0; i < push_bars; ++i) draw_chevron(cr, 59 + 9.0 * i, false);
    write_palette_bmp(path, canvas.surface());
}

void draw_glide_bar(const std::string& path) {
    ArtCanvas canvas(FC_GLIDE_BAR_SIZE.x, FC_GLIDE_BAR_SIZE.y);
    fill_rect(canvas.cr(), 1, 2, 28, 3, INK);
    fill_circle(canvas.cr(), {15, 3.5}, 3.4, INK);
    write_palette_bmp(path, canvas.surface());
}

void draw_glide_index(const std::string& path) {
    ArtCanvas canvas(FC_GLIDE_INDEX_SIZE.x, FC_GLIDE_INDEX_SIZE.y);
    fill_rect(canvas.cr(), 0, 0, 32, 6, LCD);
    fill_rect(canvas.cr(), 0, 2, 5, 2, INK);
    fill_rect(canvas.cr(), 27, 2, 5, 2, INK);
    write_palette_bmp(path, canvas.surface());
}

void draw_label(const std::string& path, PIXPOINT size, const char* text) {
    ArtCanvas canvas(size.x, size.y);
    fill_rect(canvas.cr(), 0, 0, size.x, size.y, LCD);
    draw_text_centred(canvas.cr(), text, {size.x / 2.0, size.y / 2.0}, {"Liberation Sans", 8, true}, INK);
    write_palette_bmp(path, canvas.surface());
}

// LCD grey text on a near-black square.
void draw_mark(const std::string& path, const char* text) {
    ArtCanvas canvas(FC_MARK_SIZE.x, FC_MARK_SIZE.y);
    fill_rect(canvas.cr(), 0, 0, FC_MARK_SIZE.x, FC_MARK_SIZE.y, INK);
    draw_text_centred(canvas.cr(), text, {7, 7}, {"Liberation Sans", 10, true}, LCD);
    write_palette_bmp(path, canvas.surface());
}

}  // namespace

int main(int argc, char** argv) {
    return run_artwork(argc, argv, "flightcomputer_art", [](const std::string& dir) {
        draw_face(bitmap_path(dir, FC_FACE_BITMAP));
        draw_blank(bitmap_path(dir, FC_SPEED_COMMAND_BITMAP), FC_SPEED_COMMAND_SIZE);
        for (int picture = 1; picture <= 9; ++picture)
            draw_speed_command(bitmap_path(dir, FC_SPEED_COMMAND_BITMAP + 3 * picture), picture);
        draw_glide_bar(bitmap_path(dir, FC_GLIDE_BAR_BITMAP));
        struct Label {
            uint32_t bitmap;
            PIXPOINT size;
            const char* text;
        } labels[] = {
            {FC_NET_LABEL_BITMAP, FC_NET_LABEL_SIZE, "Net"},
            {FC_AVG_LABEL_BITMAP, FC_AVG_LABEL_SIZE, "Avg"},
            {FC_DIST_LABEL_BITMAP, FC_DIST_LABEL_SIZE, "Dist"},
            {FC_ALT_LABEL_BITMAP, FC_ALT_LABEL_SIZE, "Alt"},
            {FC_REQ_DIFF_LABEL_BITMAP, FC_REQ_DIFF_LABEL_SIZE, "Req"},
        };
        for (const auto& label : labels) {
            draw_blank(bitmap_path(dir, label.bitmap), label.size);
            draw_label(bitmap_path(dir, label.bitmap + 3), label.size, label.text);
        }
        draw_label(bitmap_path(dir, FC_REQ_DIFF_LABEL_BITMAP + 6), FC_REQ_DIFF_LABEL_SIZE, "Diff");
        draw_blank(bitmap_path(dir, FC_GLIDE_INDEX_BITMAP), FC_GLIDE_INDEX_SIZE);
        draw_glide_index(bitmap_path(dir, FC_GLIDE_INDEX_BITMAP + 3));
        draw_blank(bitmap_path(dir, FC_DOUBLE_MARK_BITMAP), FC_MARK_SIZE);
        draw_mark(bitmap_path(dir, FC_DOUBLE_MARK_BITMAP + 3), "2");
        draw_blank(bitmap_path(dir, FC_HALF_MARK_BITMAP), FC_MARK_SIZE);
        draw_mark(bitmap_path(dir, FC_HALF_MARK_BITMAP + 3), ".5");
    });
}
