// The live view's HTTP face: the page and frames are served, and bad requests get a 4xx
// answer and change nothing.
#include <gtest/gtest.h>

#include <httplib.h>

#include <thread>

#include "host/server/live_routes.h"
#include "test_support.h"

namespace {

struct LiveServer : ::testing::Test {
    TemporaryWorkdir workdir;
    LiveSession session{std::filesystem::path(PANELS_DIR) / "trainer.cfg", GAUGE_MODULE_DIR, workdir.path / "snapshots"};
    httplib::Server server;
    std::thread listening;
    int port = 0;

    void SetUp() override {
        add_live_routes(server, session);
        port = server.bind_to_any_port("127.0.0.1");
        ASSERT_GT(port, 0);
        listening = std::thread([this] { server.listen_after_bind(); });
        while (!server.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    void TearDown() override {
        server.stop();
        if (listening.joinable()) listening.join();
    }
    httplib::Client client() { return httplib::Client("127.0.0.1", port); }
};

TEST_F(LiveServer, ServesThePageFramesStateAndAreas) {
    auto c = client();
    auto page = c.Get("/");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_NE(page->body.find("<canvas id=\"panel\""), std::string::npos);
    auto frame = c.Get("/frame.png");
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->get_header_value("Content-Type"), "image/png");
    EXPECT_EQ(frame->body.substr(1, 3), "PNG");
    auto state = nlohmann::json::parse(c.Get("/state")->body);
    EXPECT_EQ(state["gauges"][0]["gauge"], "kx40_trim_display");
    auto areas = nlohmann::json::parse(c.Get("/areas")->body);
    EXPECT_EQ(areas.size(), 6u);
}

TEST_F(LiveServer, BadRequestsAreRefusedAndChangeNothing) {
    auto c = client();
    auto before = nlohmann::json::parse(c.Get("/state")->body);
    struct Case {
        const char* label;
        const char* path;
        std::string body;
        int status;
    } cases[] = {
        {"not JSON", "/control", "speed=2", 400},
        {"a number as text", "/control", R"({"speed":"2"})", 400},
        {"speed out of range", "/control", R"({"speed":1e9})", 400},
        {"units not whole", "/control", R"({"units":1.5})", 400},
        {"a failure key that is no key", "/control", R"({"failures":[-3]})", 400},
        {"unknown mouse action", "/mouse", R"({"action":"wiggle","x":1,"y":1})", 400},
        {"press outside the panel", "/mouse", R"({"action":"down","x":100000,"y":5})", 400},
        {"press without a point", "/mouse", R"({"action":"down"})", 400},
        {"a huge body", "/control", std::string(100000, ' '), 413},
        {"unknown path", "/nowhere", "{}", 404},
    };
    for (const auto& r : cases) {
        auto response = c.Post(r.path, r.body, "application/json");
        ASSERT_TRUE(response) << r.label;
        EXPECT_EQ(response->status, r.status) << r.label;
    }
    EXPECT_EQ(c.Get("/../../etc/passwd")->status, 404);
    session.advance();
    auto after = nlohmann::json::parse(c.Get("/state")->body);
    EXPECT_EQ(after["speed"], before["speed"]);
    EXPECT_EQ(after["tokens"], before["tokens"]);
    EXPECT_TRUE(after["recent_events"].empty());
}

TEST_F(LiveServer, AClickReachesTheGaugeBetweenFrames) {
    auto c = client();
    auto areas = nlohmann::json::parse(c.Get("/areas")->body);
    auto box = areas[0]["box"];
    nlohmann::json press = {{"action", "down"}, {"x", int(box[0]) + 2}, {"y", int(box[1]) + 2}};
    EXPECT_EQ(c.Post("/mouse", press.dump(), "application/json")->status, 204);
    EXPECT_EQ(c.Post("/mouse", R"({"action":"up"})", "application/json")->status, 204);
    session.advance();  // the simulation thread's turn: the queued click is delivered now
    auto state = nlohmann::json::parse(c.Get("/state")->body);
    EXPECT_EQ(state["recent_events"].size(), 1u);
}

}  // namespace
