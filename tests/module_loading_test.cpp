// Module files the host must refuse with a clear message, never a crash.
#include <gtest/gtest.h>

#include <fstream>

#include "host/core/host_error.h"
#include "test_support.h"

namespace {

struct Case {
    const char* label;
    std::string path;
    std::vector<std::string> message_parts;
};

TEST(ModuleLoading, BadModulesAreRefusedNamingFileAndFault) {
    TestPanel test;
    std::ofstream("not-a-library.so") << "this is text, not a shared library\n";
    Case cases[] = {
        {"missing file", "/nonexistent/QT.XX-000.so", {"/nonexistent/QT.XX-000.so", "no such module file"}},
        {"not a library", "not-a-library.so", {"not-a-library.so", "not a loadable shared library"}},
        {"wrong Linkage id", module_path("test_broken_1"), {"test_broken_1", "Linkage record id is 0x12"}},
        {"wrong ImportTable id", module_path("test_broken_2"), {"test_broken_2", "ImportTable id is 0xE"}},
        {"missing bitmap", module_path("test_broken_3"), {"test_broken_3", "bitmap 0x7000 is missing"}},
    };
    for (const auto& c : cases) {
        try {
            test.panel.load_gauge(c.path);
            ADD_FAILURE() << c.label << ": loaded";
        } catch (const HostError& e) {
            for (const auto& part : c.message_parts)
                EXPECT_NE(std::string(e.what()).find(part), std::string::npos) << c.label << ": " << e.what();
        }
        EXPECT_TRUE(test.panel.gauges().empty()) << c.label;
    }
}

TEST(ModuleLoading, AModuleIsOnAPanelOnce) {
    TestPanel test;
    test.panel.load_gauge(module_path("QT.SM-008"));
    EXPECT_THROW(test.panel.load_gauge(module_path("QT.SM-008")), HostError);
    EXPECT_EQ(test.panel.gauges().size(), 1u);
}

TEST(ModuleLoading, ReloadStartsFromBuiltInState) {
    // Unloading really unloads: a second load sees fresh statics, here the host's
    // table pointer that a fresh module holds null until the host stores it.
    for (int round = 0; round < 2; ++round) {
        TestPanel test;
        GaugeInstance& gauge = test.panel.load_gauge(module_path("QT.SM-008"));
        EXPECT_EQ(gauge.chain().elements().size(), 2u) << "round " << round;
    }
}

}  // namespace
