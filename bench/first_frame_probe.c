/* Starts a program and reports, in milliseconds, when the pixel at (x, y) of the X screen first changes.
   Usage: first_frame_probe X Y PROGRAM  (DISPLAY from the environment; the working directory is kept) */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

static unsigned long pixel(Display* d, int x, int y)
{
    XImage* i = XGetImage(d, DefaultRootWindow(d), x, y, 1, 1, AllPlanes, ZPixmap);
    unsigned long p = XGetPixel(i, 0, 0);
    XDestroyImage(i);
    return p;
}

int main(int argc, char** argv)
{
    if (argc < 4) return 2;
    int x = atoi(argv[1]), y = atoi(argv[2]);
    Display* d = XOpenDisplay(NULL);
    if (!d) return 2;
    unsigned long pred = pixel(d, x, y);
    double t0 = ms();
    pid_t hra = fork();
    if (hra == 0) {
        execv(argv[3], argv + 3);
        _exit(127);
    }
    double t = -1;
    while (ms() - t0 < 10000) {
        if (pixel(d, x, y) != pred) {
            t = ms() - t0;
            break;
        }
        usleep(500);
    }
    kill(hra, SIGTERM);
    waitpid(hra, NULL, 0);
    printf("%.1f\n", t);
    return t < 0;
}
