// The module's import table and its do-nothing init and deinit routines.
#include "module_exports.h"

extern "C" {
GAUGE_EXPORT IMPORT_TABLE ImportTable = {IMPORT_TABLE_ID, nullptr, {0, nullptr}};
}

void GAUGE_CALL module_init() {}
void GAUGE_CALL module_deinit() {}
