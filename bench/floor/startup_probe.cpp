// SPDX-License-Identifier: GPL-3.0-or-later
// Launches one program on the X display and measures it as a pupil meets it:
//   map     milliseconds from exec to its first top-level window mapped (seen by this X client)
//   cpu     milliseconds of CPU it had used by then, all its threads (its CPU clock)
//   rss     peak resident set, KiB, one second after the map (VmHWM)
//   libs    shared libraries mapped one second after the map
// and with --input N, N clicks: from an X click on the target the program names (the right
// answer, or the floor's button) to the first changed pixel of the rectangle it names.
// The program is started with SUMBLITZ_PROBE=1 and says on stdout "start X Y RX RY RW RH" (a
// button to press first, and where the first problem will be drawn) and "target X Y RX RY RW
// RH" once each new problem or label is on screen. The click on Start is timed as well (the
// first sound is due then): with --warm, after a click on the empty problem area first, so
// that whatever the program prepares at the pupil's first press is ready before Start.
//   startup_probe [--input N] [--warm] -- program [args...]
// Prints one line: "map=.. cpu=.. rss=.. libs=.. start=.. clicks=a,b,..". Exit status 1 on
// failure.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

// The process's own CPU clock counts every thread it has run, those that have ended too (a
// thread that did its work before the map and was joined is gone from /proc/PID/task). Where
// that clock cannot be read, the threads still there are summed.
double cpuMs(pid_t pid)
{
    clockid_t clock{};
    timespec used{};
    if (clock_getcpuclockid(pid, &clock) == 0 && clock_gettime(clock, &used) == 0)
        return static_cast<double>(used.tv_sec) * 1e3 + static_cast<double>(used.tv_nsec) / 1e6;
    double ns = 0;
    const std::string dir = "/proc/" + std::to_string(pid) + "/task";
    std::error_code ec;
    for (const auto& task : std::filesystem::directory_iterator(dir, ec)) {
        std::ifstream in(task.path() / "schedstat");
        double onCpu = 0;
        if (in >> onCpu)
            ns += onCpu;
    }
    return ns / 1e6;
}

long peakRssKiB(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
    }
    return -1;
}

std::size_t librariesMapped(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/maps");
    std::set<std::string> libs;
    std::string line;
    while (std::getline(in, line)) {
        const auto slash = line.find('/');
        if (slash != std::string::npos && line.find(".so", slash) != std::string::npos)
            libs.insert(line.substr(slash));
    }
    return libs.size();
}

long windowPid(Display* dpy, Window w)
{
    const Atom pidAtom = XInternAtom(dpy, "_NET_WM_PID", False);
    Atom type = 0;
    int format = 0;
    unsigned long n = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(dpy, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &n, &left,
                           &data) == Success &&
        data != nullptr && n == 1 && format == 32)
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    if (data != nullptr)
        XFree(data);
    return pid;
}

// The next line of the program's stdout, or "" after timeoutMs.
std::string readLine(int fd, std::string& buffer, int timeoutMs)
{
    const auto t0 = Clock::now();
    for (;;) {
        const auto nl = buffer.find('\n');
        if (nl != std::string::npos) {
            std::string line = buffer.substr(0, nl);
            buffer.erase(0, nl + 1);
            return line;
        }
        const int left = timeoutMs - static_cast<int>(msSince(t0));
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, left > 0 ? left : 0) <= 0)
            return {};
        char chunk[512];
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got <= 0)
            return {};
        buffer.append(chunk, static_cast<std::size_t>(got));
    }
}

std::string grab(Display* dpy, int x, int y, int w, int h)
{
    XImage* img = XGetImage(dpy, DefaultRootWindow(dpy), x, y, static_cast<unsigned>(w),
                            static_cast<unsigned>(h), AllPlanes, ZPixmap);
    if (img == nullptr)
        return {};
    std::string bytes(img->data, static_cast<std::size_t>(img->bytes_per_line * img->height));
    XDestroyImage(img);
    return bytes;
}

void click(Display* dpy, int x, int y)
{
    XTestFakeMotionEvent(dpy, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(dpy, 1, True, CurrentTime);
    XTestFakeButtonEvent(dpy, 1, False, CurrentTime);
    XFlush(dpy);
}

struct Damage {
    int event = 0;
    ::Damage handle = 0;
};

// Waits, without loading the X server with reads, for drawing that changes a pixel of the
// rectangle: each report of drawing over it is checked against the image before the click.
bool waitForChange(Display* dpy, const Damage& damage, const std::string& before, int rx, int ry,
                   int rw, int rh, Clock::time_point t0)
{
    while (msSince(t0) < 5000) {
        if (XPending(dpy) == 0) {
            pollfd p{ConnectionNumber(dpy), POLLIN, 0};
            poll(&p, 1, 50);
            continue;
        }
        XEvent ev;
        XNextEvent(dpy, &ev);
        if (ev.type != damage.event + XDamageNotify)
            continue;
        const auto& a = reinterpret_cast<XDamageNotifyEvent&>(ev).area;
        if (a.x < rx + rw && rx < a.x + a.width && a.y < ry + rh && ry < a.y + a.height &&
            grab(dpy, rx, ry, rw, rh) != before)
            return true;
    }
    return false;
}

// Clicks at x, y and returns the milliseconds to the first changed pixel of the rectangle.
double timedClick(Display* dpy, const Damage& damage, int x, int y, int rx, int ry, int rw, int rh)
{
    const std::string before = grab(dpy, rx, ry, rw, rh);
    XSync(dpy, True); // drawing reported before the click does not count
    const auto t0 = Clock::now();
    click(dpy, x, y);
    if (damage.handle != 0) {
        waitForChange(dpy, damage, before, rx, ry, rw, rh, t0);
    } else {
        while (grab(dpy, rx, ry, rw, rh) == before && msSince(t0) < 5000)
            std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    return msSince(t0);
}

// Clicks each target in turn; returns the milliseconds from each click to the first changed
// pixel of its rectangle, and in startMs that of the click on Start.
std::vector<double> clicks(Display* dpy, int out, int count, bool warm, double& startMs)
{
    Damage damage;
    int error = 0;
    if (count > 0 && XDamageQueryExtension(dpy, &damage.event, &error))
        damage.handle = XDamageCreate(dpy, DefaultRootWindow(dpy), XDamageReportRawRectangles);
    std::vector<double> times;
    std::string buffer;
    for (int i = 0; i < count; ++i) {
        std::string line = readLine(out, buffer, 10000);
        // Past the double-click interval, with the screen settled; the last line said counts.
        std::this_thread::sleep_for(std::chrono::milliseconds(600));
        for (std::string later = readLine(out, buffer, 0); !later.empty();
             later = readLine(out, buffer, 0))
            line = later;
        std::istringstream words(line);
        std::string what;
        int x = 0, y = 0, rx = 0, ry = 0, rw = 0, rh = 0;
        words >> what >> x >> y;
        const bool area = static_cast<bool>(words >> rx >> ry >> rw >> rh);
        if (what == "start") {
            if (warm && area) {
                click(dpy, rx + 4, ry + 4);
                std::this_thread::sleep_for(std::chrono::milliseconds(600));
            }
            if (area)
                startMs = timedClick(dpy, damage, x, y, rx, ry, rw, rh);
            else
                click(dpy, x, y);
            --i;
            continue;
        }
        if (what != "target" || !area)
            break;
        times.push_back(timedClick(dpy, damage, x, y, rx, ry, rw, rh));
    }
    return times;
}

} // namespace

int main(int argc, char* argv[])
{
    int inputs = 0;
    bool warm = false;
    int first = 1;
    if (first + 1 < argc && std::strcmp(argv[first], "--input") == 0) {
        inputs = std::atoi(argv[first + 1]);
        first += 2;
    }
    if (first < argc && std::strcmp(argv[first], "--warm") == 0) {
        warm = true;
        ++first;
    }
    if (first < argc && std::strcmp(argv[first], "--") == 0)
        ++first;
    if (first >= argc) {
        std::fputs("usage: startup_probe [--input N] [--warm] -- program [args...]\n", stderr);
        return 1;
    }
    Display* dpy = XOpenDisplay(nullptr);
    if (dpy == nullptr) {
        std::fputs("startup_probe: no X display\n", stderr);
        return 1;
    }
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    XSync(dpy, False);
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return 1;
    setenv("SUMBLITZ_PROBE", "1", 1);
    const auto t0 = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        execvp(argv[first], argv + first);
        _exit(127);
    }
    close(pipeFds[1]);
    double mapMs = -1;
    double cpu = -1;
    while (mapMs < 0) {
        XEvent ev;
        XNextEvent(dpy, &ev);
        if (ev.type == MapNotify && !ev.xmap.override_redirect &&
            windowPid(dpy, ev.xmap.window) == pid) {
            mapMs = msSince(t0);
            cpu = cpuMs(pid);
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    const long rss = peakRssKiB(pid);
    const std::size_t libs = librariesMapped(pid);
    double startMs = -1;
    const std::vector<double> times = clicks(dpy, pipeFds[0], inputs, warm, startMs);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::printf("map=%.1f cpu=%.1f rss=%ld libs=%zu start=%.2f clicks=", mapMs, cpu, rss, libs,
                startMs);
    for (std::size_t i = 0; i < times.size(); ++i)
        std::printf("%s%.2f", i == 0 ? "" : ",", times[i]);
    std::printf("\n");
    return times.size() == static_cast<std::size_t>(inputs) ? 0 : 1;
}
