// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program on the X display and prints, in microseconds, how long it took until its first
// top-level window was mapped (the MapNotify the X server sends), then ends the program. Without
// a window manager every top-level window is a child of the root window, so watching the root's
// substructure sees the map as the server performs it, with nothing added to the program.
//
//     mapwait [--ctrl-key KEY] PROGRAM [ARGUMENTS...]
//
// With --ctrl-key, once the first window has been on the screen for a moment, Ctrl and the
// (lower-case letter) KEY are pressed in it, and the time from then until the program maps its
// next window is printed after the first figure: how long a window opened from the keyboard
// takes to come on screen.

#include <xcb/xcb.h>

#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static long long microseconds(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (long long)now.tv_sec * 1000000LL + now.tv_nsec / 1000;
}

/** The keycode that gives `keysym` without modifiers, or 0. */
static xcb_keycode_t keycodeOf(xcb_connection_t* connection, xcb_keysym_t keysym) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* mapping = xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, (uint8_t)count), NULL);
    if (mapping == NULL) {
        return 0;
    }
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping);
    xcb_keycode_t found = 0;
    for (int i = 0; i < count && found == 0; ++i) {
        if (keysyms[i * mapping->keysyms_per_keycode] == keysym) {
            found = (xcb_keycode_t)(setup->min_keycode + i);
        }
    }
    free(mapping);
    return found;
}

/** Presses and releases Ctrl+`keycode` in `window`, after giving it the keyboard focus. */
static void pressCtrlKey(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window,
                         xcb_keycode_t keycode) {
    xcb_set_input_focus(connection, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    for (int release = 0; release <= 1; ++release) {
        xcb_key_press_event_t key;
        memset(&key, 0, sizeof key);
        key.response_type = release ? XCB_KEY_RELEASE : XCB_KEY_PRESS;
        key.detail = keycode;
        key.time = XCB_CURRENT_TIME;
        key.root = root;
        key.event = window;
        key.state = XCB_MOD_MASK_CONTROL;
        key.same_screen = 1;
        xcb_send_event(connection, 0, window,
                       release ? XCB_EVENT_MASK_KEY_RELEASE : XCB_EVENT_MASK_KEY_PRESS,
                       (const char*)&key);
    }
    xcb_flush(connection);
}

/** Waits for the next map of a top-level window; returns it, or 0 when the connection ends. */
static xcb_window_t nextMap(xcb_connection_t* connection, xcb_window_t root) {
    xcb_generic_event_t* event;
    while ((event = xcb_wait_for_event(connection)) != NULL) {
        xcb_window_t mapped = 0;
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const xcb_map_notify_event_t* map = (const xcb_map_notify_event_t*)event;
            if (map->event == root && !map->override_redirect) {
                mapped = map->window;
            }
        }
        free(event);
        if (mapped != 0) {
            return mapped;
        }
    }
    return 0;
}

int main(int argc, char** argv) {
    int first = 1;
    char key = 0;
    if (argc > 2 && strcmp(argv[1], "--ctrl-key") == 0) {
        key = argv[2][0];
        first = 3;
    }
    if (argc <= first || (first == 3 && !(key >= 'a' && key <= 'z'))) {
        fprintf(stderr, "usage: mapwait [--ctrl-key LETTER] PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(NULL, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        fprintf(stderr, "mapwait: cannot connect to the X display\n");
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i) {
        xcb_screen_next(&screens);
    }
    const xcb_window_t root = screens.data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_generic_error_t* error = xcb_request_check(
        connection,
        xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask));
    const xcb_keycode_t keycode = key != 0 ? keycodeOf(connection, (xcb_keysym_t)key) : 0;
    if (error != NULL || (key != 0 && keycode == 0)) {
        fprintf(stderr, "mapwait: cannot watch the root window or find the key\n");
        return 1;
    }

    const long long start = microseconds();
    const pid_t child = fork();
    if (child < 0) {
        perror("mapwait: fork");
        return 1;
    }
    if (child == 0) {
        execvp(argv[first], argv + first);
        perror("mapwait: exec");
        _exit(127);
    }
    // Ten seconds at most: a program that never maps a window is reported, not waited for.
    alarm(10);
    int status = 1;
    const xcb_window_t window = nextMap(connection, root);
    if (window != 0) {
        printf("%lld", microseconds() - start);
        status = 0;
        if (key != 0) {
            // A moment for the window to draw itself and settle, as a user would wait.
            usleep(300000);
            const long long pressed = microseconds();
            pressCtrlKey(connection, root, window, keycode);
            if (nextMap(connection, root) != 0) {
                printf(" %lld", microseconds() - pressed);
            } else {
                status = 1;
            }
        }
        printf("\n");
    }
    if (status != 0) {
        fprintf(stderr, "mapwait: the X connection ended before a window was mapped\n");
    }
    kill(child, SIGTERM);
    waitpid(child, NULL, 0);
    xcb_disconnect(connection);
    return status;
}
