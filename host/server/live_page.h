// The live view's one page, built into the program from live_page.html.
#pragma once

const char* live_page_html();
