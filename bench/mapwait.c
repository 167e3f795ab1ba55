// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program on the X display and prints, in microseconds, how long it took until its first
// top-level window was mapped (the MapNotify the X server sends), then ends the program. Without
// a window manager every top-level window is a child of the root window, so watching the root's
// substructure sees the map as the server performs it, with nothing added to the program.
//
//     mapwait PROGRAM [ARGUMENTS...]

#include <xcb/xcb.h>

#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static long long microseconds(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (long long)now.tv_sec * 1000000LL + now.tv_nsec / 1000;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: mapwait PROGRAM [ARGUMENTS...]\n");
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
    xcb_void_cookie_t cookie =
        xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_generic_error_t* error = xcb_request_check(connection, cookie);
    if (error != NULL) {
        fprintf(stderr, "mapwait: cannot watch the root window\n");
        return 1;
    }

    const long long start = microseconds();
    const pid_t child = fork();
    if (child < 0) {
        perror("mapwait: fork");
        return 1;
    }
    if (child == 0) {
        execvp(argv[1], argv + 1);
        perror("mapwait: exec");
        _exit(127);
    }
    // Ten seconds at most: a program that never maps a window is reported, not waited for.
    alarm(10);
    int status = 1;
    xcb_generic_event_t* event;
    while ((event = xcb_wait_for_event(connection)) != NULL) {
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const xcb_map_notify_event_t* map = (const xcb_map_notify_event_t*)event;
            if (map->event == root && !map->override_redirect) {
                printf("%lld\n", microseconds() - start);
                status = 0;
                free(event);
                break;
            }
        }
        free(event);
    }
    if (status != 0) {
        fprintf(stderr, "mapwait: the X connection ended before a window was mapped\n");
    }
    kill(child, SIGTERM);
    waitpid(child, NULL, 0);
    xcb_disconnect(connection);
    return status;
}
