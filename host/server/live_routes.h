// The HTTP face of a live session: the page, frames, state, mouse areas, and the
// requests that click and steer. A bad request gets a 4xx answer and changes nothing.
#pragma once

#include <httplib.h>

#include "live_session.h"

void add_live_routes(httplib::Server& server, LiveSession& session);
