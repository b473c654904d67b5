// The host's side of a gauge's element chain: what install gave each element (bitmaps,
// image records, text buffers) and what each update made of it (value, needle angle).
// Render reads these states; modules never see them.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bitmap.h"
#include "frame/gauge_frame.h"
#include "simulator_variables.h"

struct ElementState {
    ELEMENT_HEADER* record = nullptr;
    const Bitmap* bitmap = nullptr;          // the element's bitmap, when it has one
    std::unique_ptr<IMAGE_INFO> image_info;  // static image: the record its image_data points to
    double value = 0.0;                      // the value the last update produced
    bool updated = false;                    // an update has produced a value
    std::vector<double> table_degrees;       // needle with a table: each row's direction
    double angle = 0.0;                      // needle: degrees clockwise from the bitmap's direction
    std::unique_ptr<char[]> text_buffer;     // string: max_string_length + 1 bytes, the record's `string`
    std::vector<const Bitmap*> pictures;     // icon: picture k is resource_id + 3 k
    int picture = -1;                        // icon: the picture to draw, -1 for none
    const Bitmap* mask = nullptr;            // sprite: resource_id + 3, placed at position
    double offset_x = 0.0;                   // slider: face pixels; sprite: texture pixels
    double offset_y = 0.0;                   // positive moves down
    double rotation = 0.0;                   // sprite: degrees, counter-clockwise on the screen
};

// Finds a bitmap resource of the gauge's module; sets error and returns null when it can't.
using BitmapLookup = std::function<const Bitmap*(uint32_t resource_id, std::string& error)>;
// The action of the first active failure in a list, or FAIL_ACTION_NONE.
using FailureLookup = std::function<uint32_t(const FAILURE_RECORD* list)>;

class ElementChain {
public:
    // Walks the chain from its root and installs every element. Problems are collected
    // in errors, never thrown: the module is still inside its install routine.
    void install(ELEMENT_HEADER* root, const BitmapLookup& bitmaps, std::vector<std::string>& errors);
    void update(const SimulatorVariables& sim, const FailureLookup& failures);
    void kill();

    bool installed() const { return !elements_.empty(); }
    ELEMENT_HEADER* root() const { return elements_.empty() ? nullptr : elements_.front().record; }
    std::vector<ElementState>& elements() { return elements_; }
    const std::vector<ElementState>& elements() const { return elements_; }
    ElementState* find(const ELEMENT_HEADER* record);

private:
    void update_needle(ElementState& state, const SimulatorVariables& sim, uint32_t failure_action);

    std::vector<ElementState> elements_;
};

// Refreshes a bound module variable from the simulator; a variable without a token stays.
void refresh_variable(MODULE_VAR& var, const SimulatorVariables& sim);

// Chain order: each element, then the elements of its next list, depth first.
std::vector<ELEMENT_HEADER*> chain_order(ELEMENT_HEADER* root);

const char* element_type_name(uint32_t element_type);
