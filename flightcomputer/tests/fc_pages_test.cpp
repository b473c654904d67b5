// The LCD pages: what each page switches on and off, the titles, the flight time, the
// wind and MacCready texts, and the distance and five-character readouts.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "flightcomputer/flight_time.h"
#include "flightcomputer/lcd_readouts.h"
#include "flightcomputer/page_logic.h"
#include "flightcomputer/wind_texts.h"

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// The ten show flags as a string of digits in this order: speed command, Net, Avg,
// Dist, Alt, Req, Diff, glide bar, scale ".5", scale "2".
std::string flags_of(const ComputerState& s) {
    const int32_t flags[] = {s.show_speed_command, s.show_net, s.show_avg, s.show_dist, s.show_alt,
                             s.show_req, s.show_diff, s.show_glide_bar, s.show_scale_half,
                             s.show_scale_double};
    std::string text;
    for (int32_t flag : flags) text += flag ? '1' : '0';
    return text;
}

void set_all_flags(ComputerState& s, int32_t value) {
    for (int32_t* flag : {&s.show_speed_command, &s.show_net, &s.show_avg, &s.show_dist, &s.show_alt,
                          &s.show_req, &s.show_diff, &s.show_glide_bar, &s.show_scale_half,
                          &s.show_scale_double})
        *flag = value;
}

TEST(PageFlags, EachPageSetsItsOwnColumnsAndKeepsTheRest) {
    struct Case {
        const char* name;
        int32_t page, altitude_mode, vario_scale;
        const char* from_zeros;  // flags after a run with all flags 0: what the page sets
        const char* from_ones;   // after a run with all flags 1: what the page clears
    } cases[] = {
        //                                     SNADARDBhd    SNADARDBhd
        {"intro", PAGE_INTRO, 1, 2, "0000000000", "1111111111"},
        {"start", PAGE_START, 1, 2, "0000100000", "1111111111"},
        {"flight time", PAGE_FLIGHT_TIME, 1, 2, "0000000000", "1100011111"},
        {"altimeter", PAGE_ALTIMETER, 1, 2, "0011100000", "0011101011"},
        {"wind", PAGE_WIND, 1, 2, "1111100100", "1111100111"},
        {"MacCready, difference", PAGE_MACCREADY, 1, 2, "1111001100", "1111101111"},
        {"MacCready, required", PAGE_MACCREADY, 2, 2, "1111010100", "1111110111"},
        {"goal altitude", PAGE_GOAL_ALT, 1, 2, "0000000000", "0000100011"},
        {"elevation", PAGE_ELEVATION, 1, 2, "0000000000", "1111111111"},
        {"goal height", PAGE_GOAL_HEIGHT, 1, 2, "0000000000", "1111111111"},
        {"compensation", PAGE_COMPENSATION, 1, 2, "0000100000", "1111111111"},
        {"vario filter", PAGE_VARIO_FILTER, 1, 2, "0000000000", "1111011111"},
        {"scale x.5", PAGE_VARIO_SCALE, 1, 1, "0000000010", "1111111110"},
        {"scale x 1", PAGE_VARIO_SCALE, 1, 2, "0000000000", "1111111100"},
        {"scale x 2", PAGE_VARIO_SCALE, 1, 3, "0000000001", "1111111101"},
        {"altitude mode", PAGE_ALT_MODE, 1, 2, "0000000000", "1111111111"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (int32_t start : {0, 1}) {
            ComputerState state;
            state.page = c.page;
            state.altitude_mode = c.altitude_mode;
            state.vario_scale = c.vario_scale;
            set_all_flags(state, start);
            set_page_flags(state);
            EXPECT_EQ(flags_of(state), start ? c.from_ones : c.from_zeros);
        }
    }
}

TEST(PageTitle, TheIntroStandsThreeSecondsThenTheStartPage) {
    struct Case {
        const char* name;
        int32_t switch_on_ms, now_ms;
        bool intro;
    } cases[] = {
        {"at switch-on", 5000, 5000, true},
        {"at 2999 ms", 5000, 7999, true},
        {"at 3000 ms", 5000, 8000, false},
        {"across the module clock's wrap, 2999 ms", 2147483000, -2147481297, true},
        {"across the module clock's wrap, 3000 ms", 2147483000, -2147481296, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ComputerState state;
        state.power_on = 1;
        state.page = PAGE_INTRO;
        state.switch_on_ms = c.switch_on_ms;
        const auto title = page_title(state, c.now_ms);
        if (c.intro) {
            EXPECT_EQ(title, "T-KOR FS98");
            EXPECT_EQ(state.page, PAGE_INTRO);
        } else {
            EXPECT_EQ(title, std::nullopt) << "the title stays for the run that moves on";
            EXPECT_EQ(state.page, PAGE_START);
            EXPECT_EQ(page_title(state, c.now_ms), "Altimeter") << "from the next run";
        }
    }
}

TEST(PageTitle, EveryPagesTitle) {
    struct Case {
        const char* name;
        int32_t page;
        void (*setup)(ComputerState&);
        std::optional<std::string> title;
    } cases[] = {
        {"off leaves the title", PAGE_OFF, [](ComputerState&) {}, std::nullopt},
        {"start", PAGE_START, [](ComputerState&) {}, "Altimeter"},
        {"flight time", PAGE_FLIGHT_TIME, [](ComputerState& s) { s.flight_seconds = 3725; }, "FT01:02:05"},
        {"altimeter", PAGE_ALTIMETER, [](ComputerState&) {}, "Altimeter"},
        {"wind", PAGE_WIND, [](ComputerState& s) { s.wind = 12.34, s.units_mode = 2, s.nav_valid = 1; },
         "HW12.3 A"},
        {"MacCready", PAGE_MACCREADY, [](ComputerState& s) { s.mac_cready = 1.5, s.wind = 12.3, s.units_mode = 2; },
         "Mc1.5 HW12"},
        {"goal altitude", PAGE_GOAL_ALT, [](ComputerState&) {}, "Goal Alt."},
        {"elevation", PAGE_ELEVATION, [](ComputerState&) {}, "Elevation"},
        {"goal height", PAGE_GOAL_HEIGHT, [](ComputerState&) {}, "Goal Hgt."},
        {"compensation", PAGE_COMPENSATION, [](ComputerState&) {}, "Compensat"},
        {"fast filter", PAGE_VARIO_FILTER, [](ComputerState& s) { s.vario_filter = 1; }, "Fast Vario"},
        {"standard filter", PAGE_VARIO_FILTER, [](ComputerState&) {}, "Std. Vario"},
        {"slow filter", PAGE_VARIO_FILTER, [](ComputerState& s) { s.vario_filter = 3; }, "Slow Vario"},
        {"scale x.5", PAGE_VARIO_SCALE, [](ComputerState& s) { s.vario_scale = 1; }, "Scale: x.5"},
        {"scale x 1", PAGE_VARIO_SCALE, [](ComputerState&) {}, "Scale: x 1"},
        {"scale x 2", PAGE_VARIO_SCALE, [](ComputerState& s) { s.vario_scale = 3; }, "Scale: x 2"},
        {"altitude difference", PAGE_ALT_MODE, [](ComputerState&) {}, "Alt.Diff."},
        {"altitude required", PAGE_ALT_MODE, [](ComputerState& s) { s.altitude_mode = 2; }, "Alt.Req."},
        {"an unused page number leaves the title", 7, [](ComputerState&) {}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ComputerState state;
        state.power_on = 1;
        state.page = c.page;
        c.setup(state);
        EXPECT_EQ(page_title(state, 0), c.title);
    }
}

TEST(FlightTime, CountsOnAcrossMidnightAndNeverOverflowsItsPlace) {
    struct Case {
        const char* name;
        int32_t start_seconds, clock_seconds;
        const char* title;
    } cases[] = {
        {"59 s", 0, 59, "FT00:00:59"},
        {"an hour", 36000, 39600, "FT01:00:00"},
        {"ten hours", 1000, 37000, "FT10:00:00"},
        {"3725 s", 43200, 46925, "FT01:02:05"},
        {"across midnight", 86390, 10, "FT00:00:20"},
        {"a clock gone back counts on the 24-hour dial", 100, 50, "FT23:59:10"},
        {"clock readings at the ends of the range", -2147483647 - 1, 2147483647, "FT06:28:15"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(flight_time_title(flight_seconds_between(c.start_seconds, c.clock_seconds)), c.title);
    }
    EXPECT_EQ(flight_time_title(100 * 3600), "FT--:--:--") << "100 hours do not fit";
    EXPECT_EQ(flight_time_title(-1), "FT--:--:--");
}

TEST(WindTexts, HeadOrTailWindInTheUnitsMode) {
    struct Case {
        const char* name;
        double wind;
        int32_t units_mode, nav_valid;
        const char* wind_title;
        const char* maccready_title;  // with mac_cready 1.5
    } cases[] = {
        {"head wind, valid file", 12.34, 2, 1, "HW12.3 A", "Mc1.5 HW12"},
        {"no wind", 0.0, 2, 0, "TW 0.0 M", "Mc1.5 TW 0"},
        {"tail wind", -20.0, 1, 1, "TW20.0 A", "Mc1.5 TW20"},
        {"150 km/h does not fit", 150.0, 2, 1, "HW--.- A", "Mc1.5 HW--"},
        {"185 km/h in knots", 185.0, 0, 0, "HW99.9 M", "Mc1.5 HW--"},
        {"99.4 rounds to two digits", 99.4, 2, 0, "HW99.4 M", "Mc1.5 HW99"},
        {"99.5 rounds to three digits", -99.5, 2, 0, "TW99.5 M", "Mc1.5 TW--"},
        {"not a number", NaN, 2, 1, "TW--.- A", "Mc1.5 TW--"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ComputerState state;
        state.wind = c.wind;
        state.units_mode = c.units_mode;
        state.nav_valid = c.nav_valid;
        state.mac_cready = 1.5;
        EXPECT_EQ(wind_title(state), c.wind_title);
        EXPECT_EQ(maccready_title(state), c.maccready_title);
    }
}

struct Places {
    std::string whole, point, tenths;
    bool operator==(const Places&) const = default;
};

Places places(const DistTexts& texts) { return {texts.whole, texts.point, texts.tenths}; }

TEST(DistRow, DistanceOrPressureInThreePlaces) {
    struct Case {
        const char* name;
        bool pressure;
        double value;  // [km] or [mbar]
        int32_t units_mode;
        Places shown;
    } cases[] = {
        {"25.0 km", false, 25.0, 2, {" 25", ".", "0"}},
        {"46.3 km in nautical miles", false, 46.3, 0, {" 25", ".", "0"}},
        {"-99.9 km still fits", false, -99.9, 2, {"-99", ".", "9"}},
        {"1000 km does not fit", false, 1000.0, 1, {"---", ".", "-"}},
        {"-100 km does not fit", false, -100.0, 2, {"---", ".", "-"}},
        {"a distance that is not a number", false, NaN, 2, {"---", ".", "-"}},
        {"1013.2 mbar", true, 1013.2, 2, {"013", ".", "2"}},
        {"998.0 mbar", true, 998.0, 1, {"998", ".", "0"}},
        {"1013.25 mbar in inches of mercury", true, 1013.25, 0, {"029", ".", "9"}},
        {"2000 mbar does not fit", true, 2000.0, 2, {"---", ".", "-"}},
        {"a pressure that is not a number", true, NaN, 2, {"---", ".", "-"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ComputerState state;
        state.units_mode = c.units_mode;
        state.goal_distance = c.value;
        EXPECT_EQ(places(c.pressure ? pressure_texts(state, c.value) : distance_texts(state)), c.shown);
    }
}

TEST(AltReadout, ThePagesValueInItsUnit) {
    struct Case {
        const char* name;
        int32_t page, units_mode, altitude_mode;
        double value;  // the page's field, in metres where it is a height
        const char* text;
    } cases[] = {
        {"start: the altitude as delivered", PAGE_START, 0, 1, 1234.0, " 1234"},
        {"wind page: the altitude", PAGE_WIND, 2, 1, 850.4, "  850"},
        {"difference in metres", PAGE_MACCREADY, 2, 1, 800.0, "  200"},     // altitude 1000 m
        {"difference in feet", PAGE_MACCREADY, 0, 1, 800.0, "  375"},       // altitude 3000 ft
        {"required in metres", PAGE_MACCREADY, 2, 2, 800.0, "  800"},
        {"required in feet", PAGE_MACCREADY, 1, 2, 800.0, " 2625"},
        {"units mode 3 counts as metres", PAGE_MACCREADY, 3, 2, 800.0, "  800"},
        {"goal altitude in metres", PAGE_GOAL_ALT, 2, 1, 300.0, "  400"},   // + goal height 100
        {"goal altitude in feet", PAGE_GOAL_ALT, 0, 1, 300.0, " 1312"},
        {"elevation in metres", PAGE_ELEVATION, 2, 1, 300.0, "  300"},
        {"elevation in feet", PAGE_ELEVATION, 1, 1, 300.0, "  984"},
        {"goal height in metres", PAGE_GOAL_HEIGHT, 2, 1, 100.0, "  100"},
        {"goal height in feet", PAGE_GOAL_HEIGHT, 0, 1, 100.0, "  328"},
        {"compensation", PAGE_COMPENSATION, 0, 1, 4.0, "  4.0"},
        {"99999 still fits", PAGE_ELEVATION, 2, 1, 99999.0, "99999"},
        {"99999.5 does not fit", PAGE_ELEVATION, 2, 1, 99999.5, "-----"},
        {"-9999 still fits", PAGE_ELEVATION, 2, 1, -9999.0, "-9999"},
        {"below -9999 does not fit", PAGE_ELEVATION, 2, 1, -10000.0, "-----"},
        {"a huge elevation does not fit", PAGE_ELEVATION, 2, 1, 1e300, "-----"},
        {"a required altitude that is not a number", PAGE_MACCREADY, 2, 1, NaN, "-----"},
        {"the filter page shows nothing", PAGE_VARIO_FILTER, 2, 1, 1.0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ComputerState state;
        state.page = c.page;
        state.units_mode = c.units_mode;
        state.altitude_mode = c.altitude_mode;
        state.altitude = c.units_mode == 0 ? 3000.0 : 1000.0;
        if (c.page <= PAGE_WIND) state.altitude = c.value;
        state.required_altitude = state.goal_elevation = state.goal_height = c.value;
        if (c.page == PAGE_GOAL_ALT) state.goal_height = 100.0;
        state.compensation = c.value;
        EXPECT_EQ(alt_readout_text(state), c.text);
    }
}

}  // namespace
