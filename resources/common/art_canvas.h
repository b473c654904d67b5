// Small Cairo drawing helpers shared by every gauge's artwork program.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

// Colour components in 0..1.
struct ArtColor {
    double r, g, b;
};

struct ArtPoint {
    double x, y;
};

struct ArtFont {
    std::string family = "Liberation Sans";  // or "Liberation Sans Narrow", "DejaVu Sans"
    double size = 12;                        // pixels
    bool bold = false;
};

// An ARGB32 surface cleared to transparent, with its drawing context; owns both.
class ArtCanvas {
public:
    ArtCanvas(int width, int height);
    ~ArtCanvas();
    ArtCanvas(const ArtCanvas&) = delete;
    ArtCanvas& operator=(const ArtCanvas&) = delete;

    cairo_surface_t* surface() const { return surface_; }
    cairo_t* cr() const { return cr_; }

private:
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Angles are in degrees clockwise from +x, as the screen's y axis points down.
ArtPoint polar_point(ArtPoint centre, double radius, double angle_deg);

// Text whose ink box is centred on `centre`.
void draw_text_centred(cairo_t* cr, const std::string& text, ArtPoint centre, const ArtFont& font,
                       ArtColor color);
// Width and height of the text's ink box.
ArtPoint text_ink_size(cairo_t* cr, const std::string& text, const ArtFont& font);

// A straight mark along the ray at `angle_deg`, from radius r_inner to r_outer.
void draw_radial_tick(cairo_t* cr, ArtPoint centre, double angle_deg, double r_inner, double r_outer,
                      double width, ArtColor color);
// The part of the ring r_inner..r_outer between two angles (clockwise from a0 to a1).
void draw_arc_band(cairo_t* cr, ArtPoint centre, double r_inner, double r_outer, double a0_deg,
                   double a1_deg, ArtColor color);
void fill_circle(cairo_t* cr, ArtPoint centre, double radius, ArtColor color);
// A round instrument case: a bezel lit from the top left, a shadowed lip, the dial.
void draw_round_case(cairo_t* cr, ArtPoint centre, double face_size, double bezel_radius, double dial_radius,
                     ArtColor bezel_light, ArtColor bezel_dark, ArtColor dial);
void fill_ring(cairo_t* cr, ArtPoint centre, double r_inner, double r_outer, ArtColor color);
void fill_polygon(cairo_t* cr, const std::vector<ArtPoint>& points, ArtColor color);
void stroke_polyline(cairo_t* cr, const std::vector<ArtPoint>& points, double width, ArtColor color);
