// The desktop program under a real X server while an update merges: the
// transfer window is painted (a screenshot of it is not black) and answers
// the window manager's ping (_NET_WM_PING) within a second from the first
// record to the last. Run under Xvfb (see x11_tests.sh).

#include "DemoData.h"
#include "gui/MainWindow.h"
#include "gui/QtOperator.h"
#include "gui/ScriptedMessageBoxes.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "support/AppContext.h"
#include "support/Operator.h"
#include "testsupport/TempDir.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace pafdm {
namespace {

using Clock = std::chrono::steady_clock;

// Rows of the update: enough for a merge of a second or more, so that a
// window left to the merge's thread would miss its pings. The sanitizers
// make everything several times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr uint32_t kUpdateRows = 50000;
#else
constexpr uint32_t kUpdateRows = 250000;
#endif
constexpr auto kPingLimit = std::chrono::milliseconds(1000);

// A client of the X server of its own, in the role of the window manager.
class WindowManagerProbe {
public:
    WindowManagerProbe()
        : m_connection(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(m_connection) != 0)
            return;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        // The ping's answer is sent to the root window for whoever listens.
        const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        m_protocols = Atom("WM_PROTOCOLS");
        m_ping = Atom("_NET_WM_PING");
        m_name = Atom("_NET_WM_NAME");
        xcb_flush(m_connection);
    }
    ~WindowManagerProbe() { xcb_disconnect(m_connection); }

    bool ok() const { return xcb_connection_has_error(m_connection) == 0 && m_root != 0; }

    // The mapped top-level window whose name starts with `prefix`, 0 if none.
    xcb_window_t FindWindow(const char* prefix)
    {
        xcb_window_t found = 0;
        auto* tree = xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, m_root), nullptr);
        if (tree == nullptr)
            return 0;
        const xcb_window_t* children = xcb_query_tree_children(tree);
        for (int i = 0; i < xcb_query_tree_children_length(tree) && found == 0; ++i) {
            auto* attributes = xcb_get_window_attributes_reply(
                m_connection, xcb_get_window_attributes(m_connection, children[i]), nullptr);
            const bool mapped = attributes != nullptr && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
            std::free(attributes);
            if (!mapped)
                continue;
            auto* name = xcb_get_property_reply(
                m_connection, xcb_get_property(m_connection, 0, children[i], m_name, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
                nullptr);
            if (name != nullptr) {
                const std::string text(static_cast<const char*>(xcb_get_property_value(name)),
                                       static_cast<size_t>(xcb_get_property_value_length(name)));
                if (text.rfind(prefix, 0) == 0)
                    found = children[i];
            }
            std::free(name);
        }
        std::free(tree);
        return found;
    }

    // Pings `window` and waits for its answer; the time it took, or the
    // limit when none came in time.
    std::chrono::milliseconds Ping(xcb_window_t window, std::chrono::milliseconds limit)
    {
        const uint32_t stamp = ++m_stamp;
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = m_protocols;
        message.data.data32[0] = m_ping;
        message.data.data32[1] = stamp;
        message.data.data32[2] = window;
        const auto sent = Clock::now();
        xcb_send_event(m_connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
        xcb_flush(m_connection);
        while (Clock::now() - sent < limit) {
            xcb_generic_event_t* event = xcb_poll_for_event(m_connection);
            if (event == nullptr) {
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
                continue;
            }
            bool answered = false;
            if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
                const auto* reply = reinterpret_cast<const xcb_client_message_event_t*>(event);
                answered = reply->data.data32[0] == m_ping && reply->data.data32[1] == stamp;
            }
            std::free(event);
            if (answered)
                return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - sent);
        }
        return limit;
    }

    // The window's pixels as the X server holds them.
    QImage Grab(xcb_window_t window)
    {
        auto* geometry = xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr);
        if (geometry == nullptr)
            return {};
        const uint16_t width = geometry->width;
        const uint16_t height = geometry->height;
        std::free(geometry);
        auto* image = xcb_get_image_reply(
            m_connection, xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, width, height, ~0u),
            nullptr);
        if (image == nullptr)
            return {};
        QImage copy;
        if (image->depth == 24 && xcb_get_image_data_length(image) >= int(width) * height * 4)
            copy = QImage(xcb_get_image_data(image), width, height, width * 4, QImage::Format_RGB32).copy();
        std::free(image);
        return copy;
    }

private:
    xcb_atom_t Atom(const char* name)
    {
        auto* reply = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
        const xcb_atom_t atom = reply != nullptr ? reply->atom : 0;
        std::free(reply);
        return atom;
    }

    xcb_connection_t* m_connection;
    xcb_window_t m_root = 0;
    xcb_atom_t m_protocols = 0;
    xcb_atom_t m_ping = 0;
    xcb_atom_t m_name = 0; // UTF-8, as Qt sets it
    uint32_t m_stamp = 0;
};

// The share of pixels that are not black.
double LitShare(const QImage& image)
{
    if (image.isNull())
        return 0;
    qint64 lit = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            lit += (image.pixel(x, y) & 0xffffff) != 0 ? 1 : 0;
    }
    return double(lit) / (double(image.width()) * image.height());
}

TEST(LiveWindowTest, TheTransferWindowIsPaintedAndAnswersPingsThroughoutAMerge)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run under an X server";
    test::TempDir dir;
    demo::DataSetOptions data;
    data.rows = 2000;
    ASSERT_TRUE(demo::WriteDataFile(demo::Kind::kFull, dir.FileStd(QStringLiteral("PAF_FULL.dat")), data).ok());
    demo::UpdateOptions update;
    update.rows = kUpdateRows;
    update.dataRows = data.rows;
    // An update database left by an earlier run: the run merges it at once.
    ASSERT_TRUE(
        demo::WriteUpdateDatabase(demo::Kind::kFull, dir.FileStd(QStringLiteral("UPDATE_F_20070301.dat")), update)
            .ok());

    ScriptedMessageBoxes boxes;
    QtOperator ui;
    pafdm::Clock clock;
    AppContext ctx(EditionConfig::Quorly(), ui, clock);
    ctx.locale = QLocale(QLocale::English, QLocale::UnitedKingdom);
    Program program(ctx);
    frmMain logic(ctx, program, DevelopmentSettings{dir.File(QStringLiteral("no-such.flg")), QString()});
    logic.directories.configFile = dir.File(QStringLiteral("no-such.conf"));
    MainWindow window(logic);
    ui.SetMainWindow(&window);
    bool commandsHeld = false;
    ui.onUpdateRunning = [&](bool running) {
        window.SetUpdateRunning(running);
        commandsHeld = commandsHeld || (running && !window.Command5->isEnabled());
    };
    boxes.Script({MessageAnswer::kYes});
    ui.SetMessageBoxes(&boxes);

    std::atomic<bool> done{false};
    std::vector<std::chrono::milliseconds> pings;
    double lit = 0;
    QImage shot;
    bool probeOk = true;
    std::thread probe([&] {
        WindowManagerProbe wm;
        probeOk = wm.ok();
        bool seen = false;
        while (!done && probeOk) {
            // Qt may give the window a new X window when its flags change,
            // so it is looked up by its caption each time.
            const xcb_window_t transfer = wm.FindWindow("Apply changes");
            if (transfer == 0) {
                if (seen)
                    break; // closed: the run is over
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                continue;
            }
            if (!seen) {
                seen = true;
                // Time for a window that works to draw itself once.
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
                continue;
            }
            const auto took = wm.Ping(transfer, kPingLimit * 3);
            if (wm.FindWindow("Apply changes") != transfer)
                continue; // gone meanwhile: the answer tells nothing
            pings.push_back(took);
            if (shot.isNull()) {
                shot = wm.Grab(transfer);
                lit = LitShare(shot);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    });

    const auto started = Clock::now();
    logic.Load(dir.path());
    const auto took = Clock::now() - started;
    done = true;
    probe.join();
    ui.SetMessageBoxes(nullptr);

    ASSERT_TRUE(probeOk) << "no connection to the X server";
    EXPECT_FALSE(QFileInfo::exists(dir.File(QStringLiteral("UPDATE_F_20070301.dat")))) << "the update was merged";
    EXPECT_TRUE(logic.Text1.contains(QStringLiteral("Last updated:01 Mar 2007"))) << logic.Text1.toStdString();
    EXPECT_TRUE(commandsHeld) << "the window's commands are held while the run works";
    EXPECT_TRUE(window.Command5->isEnabled()) << "and given back after it";
    ASSERT_GE(pings.size(), 3u) << "the merge took "
                                << std::chrono::duration_cast<std::chrono::milliseconds>(took).count() << " ms";
    for (size_t i = 0; i < pings.size(); ++i)
        EXPECT_LT(pings[i], kPingLimit) << "ping " << i << " of " << pings.size();
    if (const QString shots = qEnvironmentVariable("PAFDM_SCREENSHOTS"); !shots.isEmpty() && !shot.isNull())
        shot.save(shots + QStringLiteral("/transfer-window-merging.png"));
    EXPECT_GT(lit, 0.5) << "the transfer window is painted, not black";
}

} // namespace
} // namespace pafdm
