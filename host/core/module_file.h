// The platform's side of loading a module file: open it, find an exported record by
// name, close it, and read the bitmap resources it carries. ModuleLibrary does the checks.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Opens the module at an absolute path; returns null and says why in reason when it can't.
void* open_module_file(const std::string& absolute_path, std::string& reason);
// The address of the exported symbol, or null.
void* find_module_record(void* handle, const char* name);
void close_module_file(void* handle);
// The module's raw bitmaps by resource number (an empty map for a module without any);
// throws std::runtime_error saying what is wrong when they can't be read.
std::map<uint32_t, std::vector<uint8_t>> read_module_file_bitmaps(void* handle, const std::string& absolute_path);
