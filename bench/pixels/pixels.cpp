// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a user feels, measured from outside the program on an X server: how
// long from a key press (sent with XTEST) to the first damage of the window
// (seen with DAMAGE), and what the window costs while it sits idle.
//
//   pixels keys <pid> <digit|up|esc|unit> <presses>
//       one line per press: microseconds from key press to first damage
//   pixels idle <pid> <focused|unfocused|unmapped|iconic> <seconds>
//       one line: wakeups/s, CPU ms/s, damaged pixels/s
//
// The program's window is found by its _NET_WM_PID. Without a display, or
// without DAMAGE or XTEST, it says so in one line and exits with code 1.
#include <poll.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "pixels: %s\n", what);
    std::exit(1);
}

xcb_connection_t* x = nullptr;
xcb_window_t root = 0;
xcb_window_t window = 0;
xcb_damage_damage_t damage = 0;
uint8_t damageEvent = 0;

xcb_atom_t Atom(const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// The viewable top-level window whose _NET_WM_PID is pid, waiting up to 10 s.
xcb_window_t FindWindow(uint32_t pid) {
    const xcb_atom_t wmPid = Atom("_NET_WM_PID");
    for (int attempt = 0; attempt < 200; ++attempt) {
        xcb_query_tree_reply_t* tree = xcb_query_tree_reply(x, xcb_query_tree(x, root), nullptr);
        const xcb_window_t* children = tree ? xcb_query_tree_children(tree) : nullptr;
        const int count = tree ? xcb_query_tree_children_length(tree) : 0;
        xcb_window_t found = 0;
        for (int i = 0; i < count && !found; ++i) {
            xcb_get_property_reply_t* property =
                xcb_get_property_reply(x, xcb_get_property(x, 0, children[i], wmPid, XCB_ATOM_CARDINAL, 0, 1), nullptr);
            if (property && xcb_get_property_value_length(property) == 4 &&
                *static_cast<uint32_t*>(xcb_get_property_value(property)) == pid) {
                xcb_get_window_attributes_reply_t* attributes =
                    xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, children[i]), nullptr);
                if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE) found = children[i];
                std::free(attributes);
            }
            std::free(property);
        }
        std::free(tree);
        if (found) return found;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    Fail("no mapped window of that process");
}

xcb_keycode_t Keycode(xcb_keysym_t keysym) {
    const xcb_setup_t* setup = xcb_get_setup(x);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* map = xcb_get_keyboard_mapping_reply(
        x, xcb_get_keyboard_mapping(x, setup->min_keycode, static_cast<uint8_t>(count)), nullptr);
    if (!map) Fail("no keyboard mapping");
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
    xcb_keycode_t code = 0;
    for (int i = 0; i < count * map->keysyms_per_keycode && !code; ++i)
        if (syms[i] == keysym) code = static_cast<xcb_keycode_t>(setup->min_keycode + i / map->keysyms_per_keycode);
    std::free(map);
    if (!code) Fail("a key the keyboard does not have");
    return code;
}

void Key(xcb_keycode_t code, bool down) {
    xcb_test_fake_input(x, down ? XCB_KEY_PRESS : XCB_KEY_RELEASE, code, XCB_CURRENT_TIME, root, 0, 0, 0);
}

// Waits for the next damage report of the window; its area in pixels, or -1
// after the timeout.
long NextDamage(int timeoutMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            long area = -1;
            if ((event->response_type & 0x7f) == damageEvent) {
                const auto* notify = reinterpret_cast<xcb_damage_notify_event_t*>(event);
                area = long{notify->area.width} * notify->area.height;
            }
            std::free(event);
            if (area >= 0) return area;
        }
        if (xcb_connection_has_error(x)) Fail("the X server went away");
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return -1;
        pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left));
    }
}

// Lets the window settle: no damage for a while (or up to a second).
void Settle() {
    for (int i = 0; i < 10 && NextDamage(60) >= 0; ++i) {
    }
}

void Keys(const std::string& kind, int presses) {
    const xcb_keycode_t five = Keycode('5'), backspace = Keycode(0xff08), up = Keycode(0xff52), down = Keycode(0xff54),
                        escape = Keycode(0xff1b), tab = Keycode(0xff09), shift = Keycode(0xffe1);
    xcb_set_input_focus(x, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    std::mt19937 random(7);
    const auto press = [](xcb_keycode_t code) {
        Key(code, true);
        Key(code, false);
    };
    for (int i = 0; i < presses; ++i) {
        // The steps that only prepare the next press; each ends with its damage.
        if (kind == "esc") press(five);
        if (kind == "unit") {
            Key(shift, true);
            press(tab);
            Key(shift, false);
        }
        xcb_flush(x);
        Settle();
        // Spread the presses over the motion's 300 ms cycle.
        std::this_thread::sleep_for(std::chrono::milliseconds(20 + random() % 300));
        xcb_damage_subtract(x, damage, XCB_NONE, XCB_NONE);
        while (xcb_generic_event_t* stale = xcb_poll_for_event(x)) std::free(stale);
        const xcb_keycode_t measured = kind == "digit" ? five
                                       : kind == "up"  ? up
                                       : kind == "esc" ? escape
                                                       : (i % 2 ? up : down);
        const auto start = Clock::now();
        press(measured);
        xcb_flush(x);
        if (NextDamage(2000) < 0) Fail("a key press changed nothing on the screen");
        const auto us = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
        std::printf("%lld\n", static_cast<long long>(us));
        std::fflush(stdout);
        if (kind == "digit") press(backspace);
        xcb_flush(x);
        Settle();
    }
}

struct Usage {
    long switches = 0;
    long ticks = 0;
};

Usage ReadUsage(uint32_t pid) {
    Usage usage;
    const std::string proc = "/proc/" + std::to_string(pid);
    std::ifstream stat(proc + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 15 && fields >> field; ++i)
        if (i == 14 || i == 15) usage.ticks += std::stol(field);  // utime, stime
    // Every wakeup of every thread is a context switch.
    std::ifstream tasks("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(tasks, line);)
        if (line.rfind("voluntary_ctxt_switches:", 0) == 0 || line.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
            usage.switches += std::stol(line.substr(line.find(':') + 1));
    return usage;
}

void Idle(uint32_t pid, const std::string& state, double seconds) {
    if (state == "unfocused") {
        xcb_set_input_focus(x, XCB_INPUT_FOCUS_NONE, XCB_NONE, XCB_CURRENT_TIME);
    } else if (state == "focused") {
        xcb_set_input_focus(x, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    } else {
        // Iconic is what a window manager does on minimise: WM_STATE Iconic,
        // then unmap. Unmapped is the unmap alone.
        if (state == "iconic") {
            const xcb_atom_t wmState = Atom("WM_STATE");
            const uint32_t iconic[2] = {3, XCB_NONE};
            xcb_change_property(x, XCB_PROP_MODE_REPLACE, window, wmState, wmState, 32, 2, iconic);
        }
        xcb_unmap_window(x, window);
    }
    xcb_flush(x);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));  // let the change land
    while (xcb_generic_event_t* stale = xcb_poll_for_event(x)) std::free(stale);
    const Usage before = ReadUsage(pid);
    const auto start = Clock::now();
    const auto end = start + std::chrono::duration<double>(seconds);
    long pixels = 0;
    while (Clock::now() < end) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
        const long area = NextDamage(static_cast<int>(std::max<long long>(left, 1)));
        if (area > 0) pixels += area;
    }
    const Usage after = ReadUsage(pid);
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf(
        "%.2f %.3f %.0f\n", static_cast<double>(after.switches - before.switches) / elapsed,
        1000.0 * static_cast<double>(after.ticks - before.ticks) / static_cast<double>(sysconf(_SC_CLK_TCK)) / elapsed,
        static_cast<double>(pixels) / elapsed);
    if (state == "iconic") {
        const xcb_atom_t wmState = Atom("WM_STATE");
        const uint32_t normal[2] = {1, XCB_NONE};
        xcb_change_property(x, XCB_PROP_MODE_REPLACE, window, wmState, wmState, 32, 2, normal);
    }
    if (state == "unmapped" || state == "iconic") {
        xcb_generic_error_t* error = xcb_request_check(x, xcb_map_window_checked(x, window));
        if (error) std::fprintf(stderr, "map error %d\n", error->error_code);
        std::free(error);
    }
    xcb_flush(x);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 5) {
        std::fprintf(stderr,
                     "usage: %s keys <pid> <digit|up|esc|unit> <presses>\n"
                     "       %s idle <pid> <focused|unfocused|unmapped|iconic> <seconds>\n",
                     argv[0], argv[0]);
        return 2;
    }
    const std::string mode = argv[1];
    const auto pid = static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10));
    int screen = 0;
    x = xcb_connect(nullptr, &screen);
    if (xcb_connection_has_error(x)) Fail("cannot open the display (is DISPLAY set?)");
    const xcb_query_extension_reply_t* damageExtension = xcb_get_extension_data(x, &xcb_damage_id);
    const xcb_query_extension_reply_t* testExtension = xcb_get_extension_data(x, &xcb_test_id);
    if (!damageExtension || !damageExtension->present) Fail("the X server has no DAMAGE extension");
    if (!testExtension || !testExtension->present) Fail("the X server has no XTEST extension");
    std::free(xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), nullptr));
    damageEvent = static_cast<uint8_t>(damageExtension->first_event + XCB_DAMAGE_NOTIFY);
    root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    window = FindWindow(pid);
    damage = xcb_generate_id(x);
    // Raw rectangles for the idle count; for keys only the first one matters.
    xcb_damage_create(x, damage, window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    xcb_flush(x);
    if (mode == "keys") {
        Keys(argv[3], std::atoi(argv[4]));
    } else if (mode == "idle") {
        Idle(pid, argv[3], std::atof(argv[4]));
    } else {
        Fail("the mode is keys or idle");
    }
    xcb_disconnect(x);
    return 0;
}
