// The panel function table the host stores in every module's ImportTable.
#pragma once

#include "frame/gauge_frame.h"

PANEL_OPERATIONS* host_panel_operations();
