// A gauge's declared records as JSON, for `panel inspect`.
#pragma once

#include <nlohmann/json.hpp>

#include "host/core/gauge_instance.h"

nlohmann::json inspect_gauge(const GaugeInstance& gauge);
