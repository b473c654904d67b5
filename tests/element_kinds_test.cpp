// Strings, sliders, icons and sprites through the host: the test gauge's elements are
// updated by the panel and drawn by the renderer, and the pixels are read back.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "frame/string_text.h"
#include "host/render/font_faces.h"
#include "host/render/gauge_renderer.h"
#include "test_support.h"

namespace {

constexpr uint32_t TOKEN_SLIDER = 0x9001;
constexpr uint32_t TOKEN_ICON = 0x9002;
constexpr uint32_t TOKEN_SPRITE_Y = 0x9003;
constexpr uint32_t TOKEN_SPRITE_TURN = 0x9004;

constexpr uint32_t GREY = 0x808080, RED = 0xFF0000, GREEN = 0x00FF00, BLUE = 0x0000FF, YELLOW = 0xFFFF00,
                   WHITE = 0xFFFFFF, TEXTURE_GREEN = 0x00CC00;

// A surface's pixels, read as 0xRRGGBB.
struct Picture {
    explicit Picture(cairo_surface_t* surface) : surface(surface) { cairo_surface_flush(surface); }
    ~Picture() { cairo_surface_destroy(surface); }
    uint32_t at(int x, int y) const {
        const unsigned char* data = cairo_image_surface_get_data(surface);
        int stride = cairo_image_surface_get_stride(surface);
        return reinterpret_cast<const uint32_t*>(data + y * stride)[x] & 0xFFFFFF;
    }
    cairo_surface_t* surface;
};

// Colours match when no channel differs by more than the tolerance: palette and
// smoothing may move a channel a little, never a whole colour.
bool near(uint32_t a, uint32_t b, int tolerance = 40) {
    for (int shift : {0, 8, 16})
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > tolerance) return false;
    return true;
}

std::string hex(uint32_t rgb) {
    char text[16];
    std::snprintf(text, sizeof text, "%06X", rgb);
    return text;
}

struct Elements : ::testing::Test {
    TestPanel test;
    GaugeInstance* gauge = nullptr;
    GaugeRenderer renderer;

    void SetUp() override { gauge = &test.panel.load_gauge(module_path("test_elements")); }

    const ElementState& element(uint32_t type) {
        for (const auto& state : gauge->chain().elements())
            if (state.record->element_type == type) return state;
        throw std::runtime_error("no such element");
    }

    // Renders the gauge and checks each expected colour; on a mismatch the picture is
    // written for a person to look at.
    struct Expect {
        int x, y;
        uint32_t rgb;
        const char* what;
    };
    void expect_pixels(const std::string& name, std::initializer_list<Expect> expected) {
        Picture picture(renderer.render(*gauge, 1.0));
        bool all = true;
        for (const auto& e : expected) {
            uint32_t got = picture.at(e.x, e.y);
            EXPECT_TRUE(near(got, e.rgb)) << name << ": " << e.what << " at (" << e.x << ", " << e.y << ") is "
                                          << hex(got) << ", expected " << hex(e.rgb);
            all = all && near(got, e.rgb);
        }
        if (!all) write_png(picture.surface, (test_output_dir() / ("elements-" + name + ".png")).string());
    }
};

TEST(BoundedText, NeverWritesPastTheMaximumAndAlwaysEnds) {
    struct Case {
        uint32_t max_chars;
        const char* text;
        const char* expected;
    } cases[] = {
        {6, "ABC", "ABC"},
        {6, "ABCDEF", "ABCDEF"},
        {6, "ABCDEFGHIJ", "ABCDEF"},
        {6, "", ""},
        {6, nullptr, ""},
        {0, "ABC", ""},
    };
    for (const auto& c : cases) {
        char buffer[16];
        std::memset(buffer, '#', sizeof buffer);
        write_bounded_text(buffer, c.max_chars, c.text);
        EXPECT_STREQ(buffer, c.expected) << "max " << c.max_chars;
        for (size_t i = c.max_chars + 1; i < sizeof buffer; ++i)
            EXPECT_EQ(buffer[i], '#') << "max " << c.max_chars << ": byte " << i << " written";
    }
    write_bounded_text(nullptr, 6, "ABC");  // an element not installed: nothing happens
}

TEST(FontFaces, GaugeFontsMapToInstalledFacesAndUnknownOnesFallBack) {
    struct Case {
        const char* name;
        uint32_t weight;
        const char* family;  // null: any installed face
        bool bold;
    } cases[] = {
        {"Arial Narrow", 400, "Liberation Sans Narrow", false},
        {"Arial Narrow", 700, "Liberation Sans Narrow", true},
        {"Terminal", 400, nullptr, true},  // an LCD look: bold monospace whatever the weight
        {"No Such Face At All", 400, nullptr, false},
    };
    for (const auto& c : cases) {
        FontChoice font = choose_font(c.name, c.weight);
        if (c.family != nullptr) {
            EXPECT_EQ(font.family, c.family) << c.name;
        }
        EXPECT_TRUE(font_family_installed(font.family)) << c.name << " -> " << font.family;
        EXPECT_EQ(font.bold, c.bold) << c.name;
    }
}

TEST_F(Elements, StringCallbackTextIsCutToItsPlaceAndDrawnInItsBox) {
    const auto& state = element(ELEMENT_TYPE_STRING);
    const auto& record = *reinterpret_cast<const ELEMENT_STRING*>(state.record);
    ASSERT_NE(record.string, nullptr) << "the host allocates the buffer at install";
    test.panel.run_frame();
    EXPECT_STREQ(record.string, "ABCDEF");
    // White text on the dark blue box: enough pixels of the box are text, its corner is not.
    Picture picture(renderer.render(*gauge, 1.0));
    int lit = 0;
    for (int y = 5; y < 19; ++y)
        for (int x = 40; x < 95; ++x) lit += ((picture.at(x, y) >> 8) & 0xFF) > 100;  // the box has no green
    EXPECT_GT(lit, 20);
    EXPECT_TRUE(near(picture.at(40, 5), 0x000040)) << hex(picture.at(40, 5));
    EXPECT_TRUE(near(picture.at(39, 5), GREY)) << "nothing drawn outside the box";
    if (lit <= 20) write_png(picture.surface, (test_output_dir() / "elements-string.png").string());
}

TEST_F(Elements, IconShowsPictureOfItsValueAndNothingOutsideThePictures) {
    struct Case {
        double value;
        int picture;
        uint32_t rgb;
    } cases[] = {
        {0, 0, GREEN},  // resource_id itself
        {1, 1, BLUE},   // resource_id + 3
        {2, 2, YELLOW}, // resource_id + 6
        {3, -1, GREY},
        {-1, -1, GREY},
        {1e12, -1, GREY},
        {std::numeric_limits<double>::quiet_NaN(), -1, GREY},
    };
    for (const auto& c : cases) {
        test.aircraft.set(TOKEN_ICON, c.value);
        test.panel.run_frame();
        EXPECT_EQ(element(ELEMENT_TYPE_ICON).picture, c.picture) << "value " << c.value;
        expect_pixels("icon-" + std::to_string(c.picture), {{25, 10, c.rgb, "icon"}});
    }
}

TEST_F(Elements, SliderSitsAtItsPositionAtZeroAndPositiveValuesMoveItDown) {
    struct Case {
        double value;
        int top;  // the slider's first row on the face
    } cases[] = {{0, 30}, {10, 40}, {-20, 10}};
    for (const auto& c : cases) {
        test.aircraft.set(TOKEN_SLIDER, c.value);
        test.panel.run_frame();
        EXPECT_DOUBLE_EQ(element(ELEMENT_TYPE_SLIDER).offset_y, c.value);
        expect_pixels("slider-" + std::to_string(c.top), {{10, c.top + 1, RED, "slider's top row"},
                                                          {10, c.top + 8, RED, "slider's bottom row"},
                                                          {10, c.top - 2, GREY, "face above"},
                                                          {10, c.top + 11, GREY, "face below"}});
    }
}

TEST_F(Elements, SpriteAxisWithoutTokenOrCallbackContributesNothing) {
    test.aircraft.set(TOKEN_SPRITE_Y, 5);
    test.panel.run_frame();
    const auto& state = element(ELEMENT_TYPE_SPRITE);
    EXPECT_EQ(state.offset_x, 0.0) << "x: no token, no callback, scale 1e6, a 7 left in its variable";
    EXPECT_EQ(state.offset_y, 5.0) << "y: its callback is handed its own axis's variable";
}

TEST_F(Elements, SpriteTextureMovesAndTurnsBehindItsMask) {
    struct Case {
        const char* name;
        double y, turn;
        std::initializer_list<Expect> pixels;
    } cases[] = {
        {"level", 0, 0,
         {{60, 47, WHITE, "upper half"}, {60, 53, TEXTURE_GREEN, "lower half"}, {41, 31, GREY, "outside: face"},
          {43, 33, RED, "mask frame"}}},
        {"down-5", 5, 0, {{60, 52, WHITE, "upper half moved down"}, {60, 57, TEXTURE_GREEN, "lower half"}}},
        {"turned-90", 0, 90, {{50, 50, WHITE, "upper half turned to the left"}, {70, 50, TEXTURE_GREEN, "right"}}},
        {"turned-90-down-5", 5, 90, {{63, 50, WHITE, "moved along its own turned axis"}, {67, 50, TEXTURE_GREEN, "right"}}},
    };
    for (const auto& c : cases) {
        test.aircraft.set(TOKEN_SPRITE_Y, c.y);
        test.aircraft.set(TOKEN_SPRITE_TURN, c.turn);
        test.panel.run_frame();
        expect_pixels(std::string("sprite-") + c.name, c.pixels);
    }
}

TEST_F(Elements, HiddenElementsAreNotDrawn) {
    test.panel.run_frame();
    for (auto& state : gauge->chain().elements())
        if (state.record != gauge->root()) state.record->image_flags |= IMAGE_HIDDEN;
    expect_pixels("hidden", {{25, 10, GREY, "icon"}, {10, 35, GREY, "slider"}, {60, 47, GREY, "sprite"},
                             {45, 10, GREY, "string box"}});
}

}  // namespace

// Fontconfig keeps the patterns Cairo's font faces were made from for the life of the
// process; the leak checker of sanitized builds is told they are no fault of ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
