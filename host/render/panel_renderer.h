// Drawing a whole panel window: every gauge scaled into its box, in drawing order.
#pragma once

#include <cairo.h>

#include "gauge_renderer.h"
#include "host/core/panel_layout.h"

// A new image of the window, scale x its size in panel pixels; the caller destroys it.
// The panel's ground shows wherever no gauge draws (a face's transparent corners too).
cairo_surface_t* render_panel(GaugeRenderer& renderer, const PanelLayout& layout, double scale = 1.0);
