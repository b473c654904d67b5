// Small Cairo drawing helpers shared by every gauge's artwork program.
#include "art_canvas.h"

#include <cmath>
#include <stdexcept>

namespace {

constexpr double PI = 3.14159265358979323846;

double radians(double deg) { return deg * PI / 180.0; }

void set_color(cairo_t* cr, ArtColor c) { cairo_set_source_rgb(cr, c.r, c.g, c.b); }

void select_font(cairo_t* cr, const ArtFont& font) {
    cairo_select_font_face(cr, font.family.c_str(), CAIRO_FONT_SLANT_NORMAL,
                           font.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, font.size);
}

}  // namespace

ArtCanvas::ArtCanvas(int width, int height)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)), cr_(cairo_create(surface_)) {
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS || cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
        throw std::runtime_error("cannot create a drawing surface");
    }
    // A new image surface is already zeroed; clear anyway so the contract is explicit.
    cairo_save(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr_);
    cairo_restore(cr_);
}

ArtCanvas::~ArtCanvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

ArtPoint polar_point(ArtPoint centre, double radius, double angle_deg) {
    return {centre.x + radius * std::cos(radians(angle_deg)), centre.y + radius * std::sin(radians(angle_deg))};
}

ArtPoint text_ink_size(cairo_t* cr, const std::string& text, const ArtFont& font) {
    cairo_save(cr);
    select_font(cr, font);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    cairo_restore(cr);
    return {ext.width, ext.height};
}

void draw_text_centred(cairo_t* cr, const std::string& text, ArtPoint centre, const ArtFont& font,
                       ArtColor color) {
    cairo_save(cr);
    select_font(cr, font);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    cairo_move_to(cr, centre.x - ext.x_bearing - ext.width / 2, centre.y - ext.y_bearing - ext.height / 2);
    set_color(cr, color);
    cairo_show_text(cr, text.c_str());
    cairo_restore(cr);
}

void draw_radial_tick(cairo_t* cr, ArtPoint centre, double angle_deg, double r_inner, double r_outer,
                      double width, ArtColor color) {
    const ArtPoint a = polar_point(centre, r_inner, angle_deg);
    const ArtPoint b = polar_point(centre, r_outer, angle_deg);
    cairo_save(cr);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, b.x, b.y);
    set_color(cr, color);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void draw_arc_band(cairo_t* cr, ArtPoint centre, double r_inner, double r_outer, double a0_deg, double a1_deg,
                   ArtColor color) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, centre.x, centre.y, r_outer, radians(a0_deg), radians(a1_deg));
    cairo_arc_negative(cr, centre.x, centre.y, r_inner, radians(a1_deg), radians(a0_deg));
    cairo_close_path(cr);
    set_color(cr, color);
    cairo_fill(cr);
    cairo_restore(cr);
}

void fill_circle(cairo_t* cr, ArtPoint centre, double radius, ArtColor color) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, centre.x, centre.y, radius, 0, 2 * PI);
    set_color(cr, color);
    cairo_fill(cr);
    cairo_restore(cr);
}

void fill_ring(cairo_t* cr, ArtPoint centre, double r_inner, double r_outer, ArtColor color) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, centre.x, centre.y, r_outer, 0, 2 * PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, centre.x, centre.y, r_inner, 0, 2 * PI);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    set_color(cr, color);
    cairo_fill(cr);
    cairo_restore(cr);
}

void fill_polygon(cairo_t* cr, const std::vector<ArtPoint>& points, ArtColor color) {
    if (points.size() < 3) return;
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, points[0].x, points[0].y);
    for (size_t i = 1; i < points.size(); ++i) cairo_line_to(cr, points[i].x, points[i].y);
    cairo_close_path(cr);
    set_color(cr, color);
    cairo_fill(cr);
    cairo_restore(cr);
}

void stroke_polyline(cairo_t* cr, const std::vector<ArtPoint>& points, double width, ArtColor color) {
    if (points.size() < 2) return;
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, points[0].x, points[0].y);
    for (size_t i = 1; i < points.size(); ++i) cairo_line_to(cr, points[i].x, points[i].y);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    set_color(cr, color);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void draw_round_case(cairo_t* cr, ArtPoint centre, double face_size, double bezel_radius, double dial_radius,
                     ArtColor bezel_light, ArtColor bezel_dark, ArtColor dial) {
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, 0, face_size, face_size);
    cairo_pattern_add_color_stop_rgb(rim, 0.0, bezel_light.r, bezel_light.g, bezel_light.b);
    cairo_pattern_add_color_stop_rgb(rim, 1.0, bezel_dark.r, bezel_dark.g, bezel_dark.b);
    cairo_arc(cr, centre.x, centre.y, bezel_radius, 0, 2 * M_PI);
    cairo_set_source(cr, rim);
    cairo_fill(cr);
    cairo_pattern_destroy(rim);
    fill_ring(cr, centre, dial_radius, dial_radius + 3, bezel_dark);  // shadowed inner lip
    fill_circle(cr, centre, dial_radius, dial);
}
