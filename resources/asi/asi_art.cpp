// asi_art OUTDIR: draws the airspeed indicator's face (1000.bmp) and needle (2000.bmp).
#include "asi/asi_scale.h"
#include "resources/common/art_canvas.h"
#include "resources/common/artwork_main.h"
#include "resources/common/palette_bitmap.h"

#include <cmath>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

// Pixel (x, y) covers x..x+1 in Cairo, so the pivot pixel's centre is half a pixel in.
constexpr ArtPoint PIVOT = {ASI_PIVOT.x + 0.5, ASI_PIVOT.y + 0.5};

constexpr ArtColor BEZEL_DARK = {0.11, 0.11, 0.12};
constexpr ArtColor BEZEL_LIGHT = {0.30, 0.30, 0.32};
constexpr ArtColor DIAL = {0.08, 0.08, 0.09};
constexpr ArtColor MARKING = {0.93, 0.93, 0.90};
constexpr ArtColor GREEN = {0.10, 0.70, 0.22};
constexpr ArtColor YELLOW = {0.98, 0.80, 0.10};
constexpr ArtColor RED = {0.90, 0.12, 0.10};

constexpr double BEZEL_RADIUS = 156.5;
constexpr double DIAL_RADIUS = 141.0;

// Colour markings, km/h.
constexpr double GREEN_FROM = 90, GREEN_TO = 185;
constexpr double YELLOW_TO = 280;
constexpr double RED_MARK = 280;
constexpr double TRIANGLE_MARK = 95;

// The scale line through the table's points, as radius and unwrapped angle per row.
class SpiralScale {
public:
    SpiralScale() {
        for (int i = 0; i < ASI_TABLE_ROWS; ++i) {
            const double dx = asi_nonlinearity[i].pt.x + 0.5 - PIVOT.x;
            const double dy = asi_nonlinearity[i].pt.y + 0.5 - PIVOT.y;
            double angle = std::atan2(dy, dx) * 180.0 / M_PI;
            while (i > 0 && angle <= angle_[i - 1]) angle += 360.0;  // clockwise turns accumulate
            radius_.push_back(std::hypot(dx, dy));
            angle_.push_back(angle);
        }
    }

    double start_angle() const { return angle_.front(); }
    double end_angle() const { return angle_.back(); }

    // Radius of the scale line at an unwrapped angle: a cubic through the rows (Catmull-Rom
    // slopes), so the line bends smoothly where the turn tightens.
    double radius_at(double angle) const {
        const int i = segment(angle_, angle);
        const double h = angle_[i + 1] - angle_[i];
        const double t = (angle - angle_[i]) / h;
        const double m0 = slope(i) * h, m1 = slope(i + 1) * h;
        const double t2 = t * t, t3 = t2 * t;
        return (2 * t3 - 3 * t2 + 1) * radius_[i] + (t3 - 2 * t2 + t) * m0 + (-2 * t3 + 3 * t2) * radius_[i + 1] +
               (t3 - t2) * m1;
    }

    // Angle of a speed: linear in km/h between the rows, as the needle's table reads.
    double angle_of_kmh(double kmh) const {
        std::vector<double> kmh_knots(asi_row_kmh, asi_row_kmh + ASI_TABLE_ROWS);
        const int i = segment(kmh_knots, kmh);
        const double t = (kmh - kmh_knots[i]) / (kmh_knots[i + 1] - kmh_knots[i]);
        return angle_[i] + t * (angle_[i + 1] - angle_[i]);
    }

    ArtPoint point_at(double angle, double offset = 0) const {
        return polar_point(PIVOT, radius_at(angle) + offset, angle);
    }

    // The scale line (shifted outward by `offset`) between two angles.
    std::vector<ArtPoint> path(double from, double to, double offset = 0) const {
        std::vector<ArtPoint> points;
        const int steps = std::max(2, int(std::abs(to - from) * 2));
        for (int s = 0; s <= steps; ++s) points.push_back(point_at(from + (to - from) * s / steps, offset));
        return points;
    }

private:
    static int segment(const std::vector<double>& knots, double v) {
        int i = 0;
        while (i < int(knots.size()) - 2 && v > knots[i + 1]) ++i;
        return i;
    }
    double secant(int i) const { return (radius_[i + 1] - radius_[i]) / (angle_[i + 1] - angle_[i]); }
    double slope(int i) const {
        if (i == 0) return secant(0);
        if (i == int(angle_.size()) - 1) return secant(i - 1);
        return (radius_[i + 1] - radius_[i - 1]) / (angle_[i + 1] - angle_[i - 1]);
    }

    std::vector<double> radius_;
    std::vector<double> angle_;
};

void draw_case(cairo_t* cr) {
    draw_round_case(cr, PIVOT, ASI_FACE_SIZE, BEZEL_RADIUS, DIAL_RADIUS, BEZEL_LIGHT, BEZEL_DARK, DIAL);
}

void draw_tick(cairo_t* cr, const SpiralScale& scale, double angle, double inward, double outward, double width,
               ArtColor color) {
    const double r = scale.radius_at(angle);
    draw_radial_tick(cr, PIVOT, angle, r - inward, r + outward, width, color);
}

// A label just inside the scale line, clear of its tick whatever the direction.
void draw_label(cairo_t* cr, const SpiralScale& scale, double angle, int kmh, const ArtFont& font, double clearance) {
    const std::string text = std::to_string(kmh);
    const ArtPoint ink = text_ink_size(cr, text, font);
    const double a = angle * M_PI / 180.0;
    const double half_extent = (std::abs(std::cos(a)) * ink.x + std::abs(std::sin(a)) * ink.y) / 2;
    draw_text_centred(cr, text, polar_point(PIVOT, scale.radius_at(angle) - clearance - half_extent, angle), font,
                      MARKING);
}

void draw_colour_markings(cairo_t* cr, const SpiralScale& scale) {
    const double green_from = scale.angle_of_kmh(GREEN_FROM);
    const double yellow_from = scale.angle_of_kmh(GREEN_TO);
    const double yellow_to = scale.angle_of_kmh(YELLOW_TO);
    stroke_polyline(cr, scale.path(green_from, yellow_from, 5.0), 5.0, GREEN);
    stroke_polyline(cr, scale.path(yellow_from, yellow_to, 5.0), 5.0, YELLOW);
    draw_tick(cr, scale, scale.angle_of_kmh(RED_MARK), 12, 10, 3.0, RED);

    // The triangle stands outside the band and points at the scale.
    const double a = scale.angle_of_kmh(TRIANGLE_MARK);
    const double r = scale.radius_at(a);
    const double half_width_deg = 4.5 / (r + 17) * 180.0 / M_PI;
    fill_polygon(cr,
                 {polar_point(PIVOT, r + 9, a), polar_point(PIVOT, r + 18, a - half_width_deg),
                  polar_point(PIVOT, r + 18, a + half_width_deg)},
                 YELLOW);
}

void draw_scale(cairo_t* cr, const SpiralScale& scale) {
    stroke_polyline(cr, scale.path(scale.start_angle(), scale.end_angle()), 1.6, MARKING);

    for (int kmh = 50; kmh < asi_row_kmh[ASI_TABLE_ROWS - 1]; kmh += 10) {
        const double a = scale.angle_of_kmh(kmh);
        if (kmh % 50 == 0) draw_tick(cr, scale, a, 9, 0.8, 1.6, MARKING);
        else draw_tick(cr, scale, a, 6, 0.8, 1.3, MARKING);
    }

    draw_colour_markings(cr, scale);

    // Heavy start mark, then the labelled marks at the table's own points.
    draw_tick(cr, scale, scale.start_angle(), 14, 6, 5.0, MARKING);
    const ArtFont outer_font{"DejaVu Sans", 16, true};
    const ArtFont inner_font{"DejaVu Sans", 14, true};
    for (int i = 1; i < ASI_TABLE_ROWS; ++i) {
        const double a = scale.angle_of_kmh(asi_row_kmh[i]);
        draw_tick(cr, scale, a, 12, 1.5, 2.6, MARKING);
        const bool inner_turn = a > 360.0 + scale.start_angle();
        draw_label(cr, scale, a, asi_row_kmh[i], inner_turn ? inner_font : outer_font, 16);
    }
}

void draw_face(const std::string& path) {
    ArtCanvas canvas(ASI_FACE_SIZE, ASI_FACE_SIZE);
    cairo_t* cr = canvas.cr();
    const SpiralScale scale;
    draw_case(cr);
    draw_scale(cr, scale);
    draw_text_centred(cr, "km/h", {PIVOT.x + 34, PIVOT.y + 30}, {"Liberation Sans", 14, false}, MARKING);
    write_palette_bmp(path, canvas.surface());
}

void draw_needle(const std::string& path) {
    ArtCanvas canvas(ASI_NEEDLE_SIZE.x, ASI_NEEDLE_SIZE.y);
    cairo_t* cr = canvas.cr();
    const ArtPoint pivot = {ASI_NEEDLE_PIVOT.x + 0.5, ASI_NEEDLE_PIVOT.y + 0.5};
    const double tip = ASI_NEEDLE_SIZE.x;  // the right edge, so the last column is drawn
    const double tail_end = 5.0;           // centre of the rounded tail end

    fill_polygon(cr,
                 {{pivot.x, pivot.y - 3.5}, {tail_end, pivot.y - 4.5}, {tail_end, pivot.y + 4.5},
                  {pivot.x, pivot.y + 3.5}},
                 {0.45, 0.45, 0.46});
    fill_circle(cr, {tail_end, pivot.y}, 4.5, {0.45, 0.45, 0.46});
    fill_polygon(cr,
                 {{pivot.x, pivot.y - 3.0}, {tip - 14, pivot.y - 1.8}, {tip, pivot.y - 0.6}, {tip, pivot.y + 0.6},
                  {tip - 14, pivot.y + 1.8}, {pivot.x, pivot.y + 3.0}},
                 {0.96, 0.96, 0.94});
    fill_circle(cr, pivot, 7.0, {0.22, 0.22, 0.24});
    fill_ring(cr, pivot, 5.5, 7.0, {0.40, 0.40, 0.42});
    fill_circle(cr, pivot, 1.8, {0.55, 0.55, 0.57});
    write_palette_bmp(path, canvas.surface());
}

}  // namespace

int main(int argc, char** argv) {
    return run_artwork(argc, argv, "asi_art", [](const std::string& dir) {
        draw_face(dir + "/1000.bmp");
        draw_needle(dir + "/2000.bmp");
    });
}
