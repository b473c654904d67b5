// The trim position display through the host: its sound library kept loaded and told to
// end its sounds, its needles on the three dials, its trim step areas, and that it leaves
// the element and mouse-list work to the host.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "host/core/sound_library_counts.h"
#include "host/render/gauge_renderer.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* SOUND_FILE = "libGaugeSound.so";

// Whether the sound library is in the process, by its file name as the gauge asks for it.
bool sound_library_loaded() {
    void* handle = dlopen(SOUND_FILE, RTLD_NOW | RTLD_NOLOAD);
    if (handle == nullptr) return false;
    dlclose(handle);
    return true;
}

// Releases a use of the loaded library that someone else took, as a stray caller would.
void release_sound_library_once() {
    void* handle = dlopen(SOUND_FILE, RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(handle, nullptr);
    dlclose(handle);  // the use this lookup took
    dlclose(handle);  // one more
}

enum class SoundLibrary { present, missing, without_entry_point };

std::string sound_library_source(SoundLibrary kind) {
    if (kind == SoundLibrary::present) return std::string(GAUGE_MODULE_DIR) + "/" + SOUND_FILE;
    return std::string(SOUND_WITHOUT_ENTRY_DIR) + "/" + SOUND_FILE;
}

// The gauge module copied into a folder of its own, with or without a sound library
// beside it, where the module's library search finds it.
struct TrimDisplay : ::testing::Test {
    TestPanel test;
    fs::path module_dir;
    GaugeInstance* gauge = nullptr;

    void SetUp() override {
        // A library an earlier test left loaded is let go here, so only that test fails.
        for (int i = 0; i < 8 && sound_library_loaded(); ++i) release_sound_library_once();
        ASSERT_FALSE(sound_library_loaded());
        sound_library_counts() = {};
    }

    void TearDown() override {
        while (!test.panel.gauges().empty()) test.panel.unload_gauge(*test.panel.gauges().back());
        EXPECT_FALSE(sound_library_loaded()) << "the gauge left the sound library loaded";
    }

    std::string install_module(SoundLibrary kind) {
        module_dir = test.workdir.path / "gauges";
        fs::create_directories(module_dir);
        fs::copy_file(module_path("kx40_trim_display"), module_dir / "kx40_trim_display.so");
        if (kind != SoundLibrary::missing) fs::copy_file(sound_library_source(kind), module_dir / SOUND_FILE);
        return (module_dir / "kx40_trim_display.so").string();
    }

    void load(SoundLibrary kind) { gauge = &test.panel.load_gauge(install_module(kind)); }
    void unload() { test.panel.unload_gauge(*gauge); }
};

void expect_counts(int64_t loads, int64_t releases, int64_t terminations, const std::string& when) {
    const GaugeSoundCounts& counts = sound_library_counts();
    EXPECT_EQ(counts.loads, loads) << when;
    EXPECT_EQ(counts.releases, releases) << when;
    EXPECT_EQ(counts.terminations, terminations) << when;
}

// ---------------------------------------------------------------------------------
// The sound library

TEST_F(TrimDisplay, KeepsTheLibraryLoadedWhileShownAndEndsItsSoundsOnceAtKill) {
    load(SoundLibrary::present);
    expect_counts(1, 0, 0, "after install");
    test.panel.run_frames(20);
    expect_counts(1, 0, 0, "updates find the library loaded");
    EXPECT_TRUE(sound_library_loaded());
    unload();
    expect_counts(1, 1, 1, "after kill");
}

TEST_F(TrimDisplay, UpdateReloadsTheLibraryWhenSomethingReleasedIt) {
    load(SoundLibrary::present);
    release_sound_library_once();
    EXPECT_FALSE(sound_library_loaded());
    expect_counts(1, 1, 0, "released by someone else");
    test.panel.run_frame();
    expect_counts(2, 1, 0, "the next update loads it again");
    test.panel.run_frames(5);
    expect_counts(2, 1, 0, "and only once");
    unload();
    expect_counts(2, 2, 1, "after kill");
}

TEST_F(TrimDisplay, KillWithoutInitializeLoadsEndsAndReleases) {
    auto module = ModuleLibrary::load(install_module(SoundLibrary::present));
    GAUGEHDR& header = module->gauge();
    header.gauge_callback(&header, 12, 0);
    expect_counts(1, 1, 1, "service 12 alone");
}

TEST_F(TrimDisplay, OtherServicesChangeNothing) {
    auto module = ModuleLibrary::load(install_module(SoundLibrary::present));
    GAUGEHDR& header = module->gauge();
    const int32_t others[] = {0, 1, 2, 3, 5, 7, 8, 9, 10, 11, 13, 14, 99, -1};
    for (int32_t service : others) header.gauge_callback(&header, service, 0);
    expect_counts(0, 0, 0, "before the library was loaded");
    header.gauge_callback(&header, 4, 0);
    for (int32_t service : others) header.gauge_callback(&header, service, 0);
    expect_counts(1, 0, 0, "while it is loaded");
    header.gauge_callback(&header, 12, 0);
    expect_counts(1, 1, 1, "kill");
}

TEST_F(TrimDisplay, WorksWithoutTheLibraryAndCallsNothing) {
    load(SoundLibrary::missing);
    test.aircraft.set(0x30F, 0.628);
    test.panel.run_frames(5);
    EXPECT_NEAR(std::remainder(gauge->chain().elements().at(1).angle - 241.07, 360), 0, 0.1);
    ASSERT_TRUE(test.panel.press(*gauge, {280, 90}));
    test.panel.release();
    ASSERT_EQ(test.panel.sent_events().size(), 1u);
    unload();
    expect_counts(0, 0, 0, "no library, nothing called or released");
}

TEST_F(TrimDisplay, LibraryWithoutEntryPointIsOnlyReleased) {
    load(SoundLibrary::without_entry_point);
    test.panel.run_frames(3);
    unload();
    expect_counts(1, 1, 0, "after kill");
}

// A library the gauge finds but did not load itself belongs to its other user: the gauge
// ends its sounds but leaves that user's use of it alone.
TEST_F(TrimDisplay, KillLeavesAnotherUsersLibraryLoaded) {
    load(SoundLibrary::missing);
    void* other_user = dlopen(sound_library_source(SoundLibrary::present).c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(other_user, nullptr);
    test.panel.run_frames(3);
    unload();
    expect_counts(1, 0, 1, "after kill");
    EXPECT_TRUE(sound_library_loaded());
    dlclose(other_user);
    expect_counts(1, 1, 1, "after the other user let go");
}

// ---------------------------------------------------------------------------------
// Needles and areas

double direction_deg(PIXPOINT from, PIXPOINT to) {
    return std::atan2(double(to.y - from.y), double(to.x - from.x)) * 180.0 / M_PI;
}

TEST_F(TrimDisplay, NeedlesPointAtTheirDialMarks) {
    load(SoundLibrary::present);
    struct Case {
        const char* dial;
        uint32_t token;
        size_t element;
        PIXPOINT pivot;
        double value;
        PIXPOINT mark;
    } cases[] = {
        {"right (elevator)", 0x30F, 1, {290, 116}, -0.628, {272, 144}},
        {"right (elevator)", 0x30F, 1, {290, 116}, 0.0, {251, 115}},
        {"right (elevator)", 0x30F, 1, {290, 116}, 0.628, {269, 78}},
        {"middle (rudder)", 0x313, 2, {167, 112}, -0.628, {123, 86}},
        {"middle (rudder)", 0x313, 2, {167, 112}, 0.0, {167, 62}},
        {"middle (rudder)", 0x313, 2, {167, 112}, 0.628, {209, 88}},
        {"left (aileron)", 0x311, 3, {65, 109}, -0.628, {64, 148}},
        {"left (aileron)", 0x311, 3, {65, 109}, 0.0, {21, 108}},
        {"left (aileron)", 0x311, 3, {65, 109}, 0.628, {64, 66}},
    };
    for (const auto& c : cases) {
        test.aircraft.set(c.token, c.value);
        test.panel.run_frame();
        const double angle = gauge->chain().elements().at(c.element).angle;
        EXPECT_NEAR(std::remainder(angle - direction_deg(c.pivot, c.mark), 360), 0, 0.05)
            << c.dial << " at " << c.value;
        test.aircraft.set(c.token, 0);
    }
    test.panel.run_frame();
    // At 0: 9 o'clock, 12 o'clock, 9 o'clock; the aileron aircraft is turned half round.
    EXPECT_NEAR(std::remainder(gauge->chain().elements().at(1).angle - 180, 360), 0, 2);
    EXPECT_NEAR(std::remainder(gauge->chain().elements().at(2).angle - 270, 360), 0, 2);
    EXPECT_NEAR(std::remainder(gauge->chain().elements().at(3).angle - 180, 360), 0, 2);
}

struct Area {
    const char* name;
    PIXPOINT point;  // inside the area, on the face
    uint32_t event_id;
};

const Area AREAS[] = {
    {"elevator up", {280, 90}, 0x1004F},  {"elevator down", {280, 140}, 0x10047},
    {"rudder right", {190, 100}, 0x102E7}, {"rudder left", {140, 100}, 0x102E6},
    {"aileron up", {50, 80}, 0x102E5},    {"aileron down", {50, 130}, 0x102E4},
};

TEST_F(TrimDisplay, EachAreaSendsItsEventWithValueZeroAndReturnsZero) {
    load(SoundLibrary::present);
    for (const auto& area : AREAS) {
        test.panel.clear_sent_events();
        ASSERT_TRUE(test.panel.press(*gauge, area.point)) << area.name;
        test.panel.release();
        ASSERT_EQ(test.panel.sent_events().size(), 1u) << area.name;
        EXPECT_EQ(test.panel.sent_events()[0].event_id, area.event_id) << area.name;
        EXPECT_EQ(test.panel.sent_events()[0].value, 0u) << area.name;

        const MouseArea* hit = gauge->mouse().hit(area.point);
        PIXPOINT relative{1, 1};
        EXPECT_EQ(hit->record->mouse_function(&relative, MOUSE_LEFTSINGLE), 0u) << area.name;
        EXPECT_EQ(hit->record->mouse_function(&relative, MOUSE_DOWN_REPEAT), 0u) << area.name;
    }
}

TEST_F(TrimDisplay, HoldingAnAreaKeepsSteppingTheTrim) {
    load(SoundLibrary::present);
    ASSERT_TRUE(test.panel.press(*gauge, {50, 80}));
    test.panel.run_frames(18);
    test.panel.release();
    const size_t held = test.panel.sent_events().size();
    EXPECT_GT(held, 3u);
    for (const auto& event : test.panel.sent_events()) {
        EXPECT_EQ(event.event_id, 0x102E5u);
        EXPECT_EQ(event.value, 0u);
    }
    test.panel.run_frames(18);
    EXPECT_EQ(test.panel.sent_events().size(), held) << "released: no more steps";
    EXPECT_GT(test.aircraft.read(0x311).n, 0.0) << "the aileron trim moved right";
}

TEST_F(TrimDisplay, DeclaresNoRoutineAndLeavesChainAndMouseListToTheHost) {
    test.panel.record_calls(true);
    load(SoundLibrary::present);
    const GAUGEHDR& header = gauge->header();
    EXPECT_EQ(header.gauge_header_version, 800u);
    EXPECT_EQ(gauge->module().linkage().module_version, 0x800u);
    EXPECT_TRUE(header.query_routine == nullptr && header.install_routine == nullptr &&
                header.initialize_routine == nullptr && header.update_routine == nullptr &&
                header.generate_routine == nullptr && header.draw_routine == nullptr &&
                header.kill_routine == nullptr);
    test.panel.run_frames(5);
    test.panel.press(*gauge, {280, 90});
    test.panel.release();
    unload();
    for (const auto& call : test.panel.calls()) {
        EXPECT_NE(call.operation.rfind("element_list", 0), 0u) << call.operation;
        EXPECT_NE(call.operation.rfind("mouse_list", 0), 0u) << call.operation;
    }
    EXPECT_FALSE(test.panel.calls().empty()) << "the click's event was recorded";
}

double brightness_at(cairo_surface_t* image, int x, int y) {
    const auto* row = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(image) +
                                                        y * cairo_image_surface_get_stride(image));
    uint32_t pixel = row[x];
    return (((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF)) / 3.0;
}

TEST_F(TrimDisplay, DrawsTheRudderAircraftNoseUpAtZero) {
    load(SoundLibrary::present);
    test.panel.run_frame();
    GaugeRenderer renderer;
    cairo_surface_t* image = renderer.render(*gauge);
    cairo_surface_flush(image);
    const auto path = test_output_dir() / "trimdisplay-zero.png";
    cairo_surface_write_to_png(image, path.c_str());
    ASSERT_EQ(cairo_image_surface_get_width(image), 329);
    ASSERT_EQ(cairo_image_surface_get_height(image), 174);
    // The fuselage runs from the pivot up toward 12 o'clock; beside it is the dark panel.
    EXPECT_GT(brightness_at(image, 167, 87), 150) << "look at " << path;
    EXPECT_LT(brightness_at(image, 157, 95), 60) << "look at " << path;
    cairo_surface_destroy(image);
}

}  // namespace
