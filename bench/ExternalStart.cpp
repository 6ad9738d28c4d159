// Watching a started program's window from outside, through the X server itself.
//
// Finding the window: the watch listens for every top-level window created on the display
// (SubstructureNotify on the root, before the program is started, so none is missed) and takes
// the largest one that is viewable and whose _NET_WM_PID, which Qt sets on each of its windows,
// is the started process. No title is needed, and the window manager's frames and Qt's hidden
// helper windows (never mapped) do not count.
//
// The first frame: a DAMAGE object on each new top-level window makes the server report any
// drawing into it. Only then is the window's area copied from the screen (GetImage on the root,
// so it is what is really shown) and looked at; the first copy with more than one colour is the
// first frame. Polling screenshots every few milliseconds instead would cost the X server and the
// two shared cores a full-window copy each time, and slow down the very start being measured.
// The server's own painting of a background, or a frame of one flat colour, is flat and does not
// count. In case the program drew before the DAMAGE object existed, the window is also copied
// once as soon as it is viewable; a start begins only once the screen shows nothing (one colour,
// the root's), so that what a window shows before its program draws cannot count as its frame.
//
// When: each DAMAGE report carries the server's time of the drawing. The frame's moment is that of
// the last drawing the copy includes (every report of a drawing done before the copy arrives before
// the copy itself), on the server's clock, set against the steady clock at each start; so a
// watcher that wakes late on two busy cores still dates the frame right. "Mapped" is the moment
// the watch sees the window viewable, no later than its first drawing; the watcher runs at a
// higher priority than the started program (nice -10, when allowed) so that it wakes on time.
#include "ExternalStart.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace bench::external {

namespace {

using TClock = std::chrono::steady_clock;

double MsSince(TClock::time_point Since, TClock::time_point At = TClock::now())
{
    return std::chrono::duration<double, std::milli>(At - Since).count();
}

// A child process started with posix_spawn: its arguments and environment held as C strings.
class TSpawned {
public:
    TSpawned(const QString& Program, const QStringList& Arguments, const QStringList& Environment)
    {
        FStrings.push_back(QFile::encodeName(Program).toStdString());
        for (const QString& a : Arguments) FStrings.push_back(a.toLocal8Bit().toStdString());
        for (std::string& s : FStrings) FArgv.push_back(s.data());
        FArgv.push_back(nullptr);
        for (const QString& e : Environment) FEnvStrings.push_back(e.toLocal8Bit().toStdString());
        for (std::string& s : FEnvStrings) FEnvp.push_back(s.data());
        FEnvp.push_back(nullptr);
    }

    // Starts it with its output thrown away; false when it cannot be started.
    bool Spawn()
    {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        char** envp = FEnvp.size() > 1 ? FEnvp.data() : environ;
        const int error = posix_spawn(&FPid, FArgv[0], &actions, nullptr, FArgv.data(), envp);
        posix_spawn_file_actions_destroy(&actions);
        if (error != 0) FPid = -1;
        return FPid > 0;
    }

    pid_t Pid() const { return FPid; }

    // Whether it has ended (reaped here); its exit status is kept.
    bool Ended()
    {
        if (FPid <= 0) return true;
        int status = 0;
        if (waitpid(FPid, &status, WNOHANG) != FPid) return false;
        FPid = -1;
        FStatus = status;
        return true;
    }

    // Waits for the end; false when TimeoutMs passed first.
    bool WaitForEnd(int TimeoutMs)
    {
        const auto since = TClock::now();
        while (!Ended()) {
            if (MsSince(since) > TimeoutMs) return false;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        return true;
    }

    bool ExitedCleanly() const { return FPid == -1 && WIFEXITED(FStatus) && WEXITSTATUS(FStatus) == 0; }

    // SIGTERM, then SIGKILL after a grace period; always reaps.
    void End()
    {
        if (Ended()) return;
        kill(FPid, SIGTERM);
        if (WaitForEnd(5000)) return;
        kill(FPid, SIGKILL);
        WaitForEnd(5000);
    }

    ~TSpawned() { End(); }
    TSpawned(const TSpawned&) = delete;
    TSpawned& operator=(const TSpawned&) = delete;

private:
    std::vector<std::string> FStrings, FEnvStrings;
    std::vector<char*> FArgv, FEnvp;
    pid_t FPid = -1;
    int FStatus = 0;
};

// The calling thread at nice -10 for its life, when it may (root); the earlier priority after.
class TPrompt {
public:
    TPrompt()
    {
        errno = 0;
        FBefore = getpriority(PRIO_PROCESS, 0);  // on Linux, of the calling thread
        FRaised = errno == 0 && setpriority(PRIO_PROCESS, 0, -10) == 0;
    }
    ~TPrompt()
    {
        if (FRaised) setpriority(PRIO_PROCESS, 0, FBefore);
    }
    TPrompt(const TPrompt&) = delete;
    TPrompt& operator=(const TPrompt&) = delete;

private:
    int FBefore = 0;
    bool FRaised = false;
};

// A reply of xcb, freed with the C library's free as xcb asks.
template <typename T>
using TReply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
TReply<T> Reply(T* Raw)
{
    return TReply<T>(Raw, &std::free);
}

}  // namespace

// ---------------------------------------------------------------------------------------------

TScratchHome::TScratchHome()
{
    if (!FDir.isValid()) return;
    const QDir home(FDir.path());
    for (const char* sub : {".config", ".local/share", ".cache", ".local/state", "runtime"})
        home.mkpath(QString::fromLatin1(sub));
    // Qt refuses a runtime folder that others may read.
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QStringList TScratchHome::Environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QDir home(FDir.path());
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral(".local/share")));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral(".cache")));
    env.insert(QStringLiteral("XDG_STATE_HOME"), home.filePath(QStringLiteral(".local/state")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    // The benchmark itself may run offscreen; what it starts shows real windows on the display.
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return env.toStringList();
}

// ---------------------------------------------------------------------------------------------

struct TWindowWatch::TState {
    xcb_connection_t* Connection = nullptr;
    xcb_screen_t* Screen = nullptr;
    uint8_t DamageEvent = 0;  // the first event number of the DAMAGE extension
    xcb_atom_t PidAtom = XCB_NONE;
    QString Problem;

    // Every top-level window created since the watch began its current start, with its DAMAGE
    // object and whether it was drawn into since it was last looked at.
    struct TWindow {
        xcb_damage_damage_t Damage = XCB_NONE;
        bool Drawn = false;
        bool EverDrawn = false;
        xcb_timestamp_t FirstDrawnAt = 0, LastDrawnAt = 0;  // server time
    };
    std::map<xcb_window_t, TWindow> Windows;

    // An unmapped window of the watch's own, whose property changes give the server's time.
    xcb_window_t ClockWindow = XCB_NONE;
    xcb_atom_t ClockAtom = XCB_NONE;
    xcb_timestamp_t ServerAt = 0;  // one moment, on the server's clock
    TClock::time_point LocalAt{};  // and the same on the steady clock
    bool ClockSeen = false;        // the answer to a clock question arrived

    TClock::time_point Local(xcb_timestamp_t Server) const
    {
        return LocalAt + std::chrono::milliseconds(int32_t(Server - ServerAt));
    }

    // Sets the server's clock against the steady one: the time the server gives a property change,
    // against the middle of asking and hearing back; the closest of a few tries.
    bool SetClock()
    {
        TClock::duration best = TClock::duration::max();
        for (int attempt = 0; attempt < 3; ++attempt) {
            ClockSeen = false;
            const auto asked = TClock::now();
            xcb_change_property(Connection, XCB_PROP_MODE_APPEND, ClockWindow, ClockAtom, XCB_ATOM_STRING, 8, 0, nullptr);
            xcb_flush(Connection);
            xcb_timestamp_t server = 0;
            while (!ClockSeen) {
                xcb_generic_event_t* raw = xcb_wait_for_event(Connection);
                if (!raw) return false;
                server = Take(raw).value_or(server);
            }
            const auto heard = TClock::now();
            if (heard - asked < best) {
                best = heard - asked;
                ServerAt = server;
                LocalAt = asked + (heard - asked) / 2;
            }
        }
        return true;
    }

    xcb_atom_t Atom(const char* Name) const
    {
        auto reply = Reply(
            xcb_intern_atom_reply(Connection, xcb_intern_atom(Connection, 0, uint16_t(std::strlen(Name)), Name), nullptr));
        return reply ? reply->atom : XCB_NONE;
    }

    void Track(xcb_window_t Window)
    {
        TWindow& w = Windows[Window];
        if (w.Damage != XCB_NONE) return;
        w.Damage = xcb_generate_id(Connection);
        // Every drawing reported, each with its time.
        xcb_damage_create(Connection, w.Damage, Window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        xcb_flush(Connection);
    }

    void Forget()
    {
        // The server frees the DAMAGE objects of destroyed windows; the others go here (an error
        // for an object already gone is harmless and ignored).
        for (auto& [window, w] : Windows) xcb_damage_destroy(Connection, w.Damage);
        Windows.clear();
        xcb_flush(Connection);
    }

    // Handles one event; for the answer to a clock question, returns the server's time.
    std::optional<xcb_timestamp_t> Take(xcb_generic_event_t* Raw)
    {
        const auto event = Reply(Raw);
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(Raw);
            if (created->parent == Screen->root && !created->override_redirect) Track(created->window);
        } else if (type == XCB_DESTROY_NOTIFY) {
            Windows.erase(reinterpret_cast<xcb_destroy_notify_event_t*>(Raw)->window);
        } else if (type == XCB_PROPERTY_NOTIFY) {
            const auto* changed = reinterpret_cast<xcb_property_notify_event_t*>(Raw);
            if (changed->window == ClockWindow && changed->atom == ClockAtom) {
                ClockSeen = true;
                return changed->time;
            }
        } else if (DamageEvent && type == DamageEvent + XCB_DAMAGE_NOTIFY) {
            const auto* damage = reinterpret_cast<xcb_damage_notify_event_t*>(Raw);
            const auto it = Windows.find(damage->drawable);
            if (it != Windows.end()) {
                TWindow& w = it->second;
                if (!w.EverDrawn) w.FirstDrawnAt = damage->timestamp;
                w.EverDrawn = w.Drawn = true;
                w.LastDrawnAt = damage->timestamp;
            }
        }
        // Errors (a window gone before it was asked about) and other events are of no interest.
        return std::nullopt;
    }

    // Handles every event already received.
    void TakeEvents()
    {
        while (xcb_generic_event_t* raw = xcb_poll_for_event(Connection)) Take(raw);
    }

    long long PidOf(xcb_window_t Window) const
    {
        auto reply = Reply(xcb_get_property_reply(
            Connection, xcb_get_property(Connection, 0, Window, PidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr));
        if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4) return -1;
        return *static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    }

    bool Viewable(xcb_window_t Window) const
    {
        auto reply =
            Reply(xcb_get_window_attributes_reply(Connection, xcb_get_window_attributes(Connection, Window), nullptr));
        return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE && !reply->override_redirect;
    }

    // The window's area on the screen, clipped to it; empty when unknown.
    xcb_rectangle_t Area(xcb_window_t Window) const
    {
        auto geometry = Reply(xcb_get_geometry_reply(Connection, xcb_get_geometry(Connection, Window), nullptr));
        auto origin = Reply(xcb_translate_coordinates_reply(
            Connection, xcb_translate_coordinates(Connection, Window, Screen->root, 0, 0), nullptr));
        if (!geometry || !origin) return {0, 0, 0, 0};
        const int left = std::max(0, int(origin->dst_x)), top = std::max(0, int(origin->dst_y));
        const int right = std::min(int(Screen->width_in_pixels), origin->dst_x + int(geometry->width));
        const int bottom = std::min(int(Screen->height_in_pixels), origin->dst_y + int(geometry->height));
        if (right <= left || bottom <= top) return {0, 0, 0, 0};
        return {int16_t(left), int16_t(top), uint16_t(right - left), uint16_t(bottom - top)};
    }

    // The started process's window: the largest viewable top-level window it owns.
    xcb_window_t FindWindowOf(long long Pid) const
    {
        xcb_window_t found = XCB_NONE;
        int foundArea = 0;
        for (const auto& [window, w] : Windows) {
            if (PidOf(window) != Pid || !Viewable(window)) continue;
            const xcb_rectangle_t area = Area(window);
            if (area.width * area.height > foundArea) {
                found = window;
                foundArea = area.width * area.height;
            }
        }
        return found;
    }

    // Whether what the screen shows of Window has more than one colour.
    bool ShowsMoreThanOneColour(xcb_window_t Window) const
    {
        const xcb_rectangle_t area = Area(Window);
        if (area.width == 0 || area.height == 0) return false;
        auto image = Reply(xcb_get_image_reply(
            Connection,
            xcb_get_image(Connection, XCB_IMAGE_FORMAT_Z_PIXMAP, Screen->root, area.x, area.y, area.width, area.height, ~0u),
            nullptr));
        if (!image) return false;
        int bitsPerPixel = 0, pad = 32;
        for (auto it = xcb_setup_pixmap_formats_iterator(xcb_get_setup(Connection)); it.rem; xcb_format_next(&it))
            if (it.data->depth == image->depth) {
                bitsPerPixel = it.data->bits_per_pixel;
                pad = it.data->scanline_pad;
            }
        if (bitsPerPixel < 8 || bitsPerPixel % 8) return false;
        const int stride = (area.width * bitsPerPixel + pad - 1) / pad * pad / 8;
        if (xcb_get_image_data_length(image.get()) < stride * area.height) return false;
        const unsigned mask = image->depth >= 32 ? 0xffffffffu : (1u << image->depth) - 1;
        return HasMoreThanOneColour(xcb_get_image_data(image.get()), area.width, area.height, stride, bitsPerPixel / 8,
                                    mask);
    }
};

TWindowWatch::TWindowWatch() : F(std::make_unique<TState>())
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        F->Problem = QStringLiteral("no X display (DISPLAY is not set)");
        return;
    }
    int screenNumber = 0;
    F->Connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(F->Connection)) {
        F->Problem = QStringLiteral("cannot connect to the X display %1").arg(qEnvironmentVariable("DISPLAY"));
        return;
    }
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(F->Connection));
    for (int i = 0; i < screenNumber && screens.rem; ++i) xcb_screen_next(&screens);
    F->Screen = screens.data;
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(F->Connection, &xcb_damage_id);
    if (!damage || !damage->present) {
        F->Problem = QStringLiteral("the X server has no DAMAGE extension");
        return;
    }
    F->DamageEvent = damage->first_event;
    // The extension wants its version asked before any other request.
    Reply(xcb_damage_query_version_reply(F->Connection, xcb_damage_query_version(F->Connection, 1, 1), nullptr));
    F->PidAtom = F->Atom("_NET_WM_PID");
    F->ClockAtom = F->Atom("_KV_BENCH_CLOCK");
    F->ClockWindow = xcb_generate_id(F->Connection);
    const uint32_t clockMask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(F->Connection, 0, F->ClockWindow, F->Screen->root, -1, -1, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &clockMask);
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(F->Connection, F->Screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(F->Connection);
}

TWindowWatch::~TWindowWatch()
{
    if (F->Connection) xcb_disconnect(F->Connection);
}

QString TWindowWatch::Problem() const
{
    return F->Problem;
}

QString TWindowWatch::WindowManager() const
{
    if (!F->Problem.isEmpty()) return {};
    const xcb_atom_t check = F->Atom("_NET_SUPPORTING_WM_CHECK");
    auto holder = Reply(xcb_get_property_reply(
        F->Connection, xcb_get_property(F->Connection, 0, F->Screen->root, check, XCB_ATOM_WINDOW, 0, 1), nullptr));
    if (!holder || xcb_get_property_value_length(holder.get()) < 4) return {};
    const xcb_window_t wm = *static_cast<const xcb_window_t*>(xcb_get_property_value(holder.get()));
    auto name = Reply(xcb_get_property_reply(
        F->Connection, xcb_get_property(F->Connection, 0, wm, F->Atom("_NET_WM_NAME"), F->Atom("UTF8_STRING"), 0, 64),
        nullptr));
    if (!name) return {};
    return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(name.get())),
                             xcb_get_property_value_length(name.get()));
}

TStartFigures TWindowWatch::Start(const QString& Program, const QStringList& Arguments, const QStringList& Environment,
                                  double RssAfterSeconds)
{
    TStartFigures figures;
    if (!F->Problem.isEmpty()) {
        figures.Failure = F->Problem;
        return figures;
    }
    F->TakeEvents();  // what happened before this start is not its business
    F->Forget();
    // The screen must show nothing before the start, so that whatever a new window shows before
    // its program draws (Qt's windows have no background of their own) is flat: a window of the
    // program before may take a moment to go.
    const auto cleared = TClock::now();
    while (F->ShowsMoreThanOneColour(F->Screen->root)) {
        if (MsSince(cleared) > 5000) {
            figures.Failure = QStringLiteral("the screen shows something before the start (another window?)");
            return figures;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!F->SetClock()) {
        figures.Failure = QStringLiteral("the X connection broke");
        return figures;
    }

    constexpr double kGiveUpMs = 30000;
    TSpawned process(Program, Arguments, Environment);
    const auto started = TClock::now();
    if (!process.Spawn()) {
        figures.Failure = QStringLiteral("cannot start ") + Program;
        return figures;
    }
    const TPrompt prompt;  // after the start: the program keeps the benchmark's own priority
    const long long pid = process.Pid();
    // KV_BENCH_TRACE=1: each start's steps on the standard error, to see what a figure is made of.
    const bool trace = qEnvironmentVariableIntValue("KV_BENCH_TRACE") == 1;
    if (trace) std::fprintf(stderr, "start of %s (pid %lld)\n", qPrintable(Program), pid);
    const int fd = xcb_get_file_descriptor(F->Connection);
    xcb_window_t window = XCB_NONE;
    while (true) {
        F->TakeEvents();
        const auto now = TClock::now();
        if (figures.RssMiB < 0 && MsSince(started, now) >= RssAfterSeconds * 1000) {
            figures.RssMiB = ResidentMiB(pid);
            figures.LibrariesAtRss = MappedLibraries(pid);
            if (figures.RssMiB < 0) figures.Failure = QStringLiteral("no memory figure");
        }
        if (figures.FirstFrameMs >= 0 && figures.RssMiB >= 0) break;
        if (process.Ended()) {
            figures.Failure = QStringLiteral("ended before its first frame and memory figure");
            break;
        }
        if (MsSince(started, now) > kGiveUpMs) {
            figures.Failure = window == XCB_NONE ? QStringLiteral("no window in 30 s") : QStringLiteral("no frame in 30 s");
            break;
        }
        if (xcb_connection_has_error(F->Connection)) {
            figures.Failure = QStringLiteral("the X connection broke");
            break;
        }
        if (window == XCB_NONE) {
            window = F->FindWindowOf(pid);
            if (window != XCB_NONE) {
                TState::TWindow& w = F->Windows.at(window);  // FindWindowOf chose among them
                // A window is viewable before anything drawn into it shows.
                const auto mapped = w.EverDrawn ? std::min(now, F->Local(w.FirstDrawnAt)) : now;
                figures.MappedMs = MsSince(started, mapped);
                if (trace) std::fprintf(stderr, "%8.1f ms  window 0x%x viewable\n", figures.MappedMs, window);
                w.Drawn = true;  // it may have drawn before its DAMAGE object existed
            }
        }
        if (window != XCB_NONE && figures.FirstFrameMs < 0) {
            auto seen = F->Windows.find(window);
            if (seen == F->Windows.end()) {
                figures.Failure = QStringLiteral("its window went away before its first frame");
                break;
            }
            if (seen->second.Drawn) {
                seen->second.Drawn = false;
                const bool painted = F->ShowsMoreThanOneColour(window);
                // The reports of what the copy shows have all come in before the copy itself.
                F->TakeEvents();
                seen = F->Windows.find(window);
                const bool dated = seen != F->Windows.end() && seen->second.EverDrawn;
                const auto drawn = dated ? std::max(F->Local(seen->second.LastDrawnAt), started) : now;
                if (painted) {
                    figures.FirstFrameMs = std::max(MsSince(started, drawn), figures.MappedMs);
                    figures.LibrariesAtFrame = MappedLibraries(pid);
                }
                if (trace)
                    std::fprintf(stderr, "%8.1f ms  window 0x%x drawn into at %.1f ms: %s\n", MsSince(started), window,
                                 MsSince(started, drawn), painted ? "more than one colour" : "one colour");
            }
        }
        // Sleep until the server says something, at most 2 ms: the window is looked for at least
        // that often, and the memory is read on time.
        pollfd wait{fd, POLLIN, 0};
        poll(&wait, 1, 2);
    }
    process.End();
    F->TakeEvents();
    F->Forget();
    return figures;
}

// ---------------------------------------------------------------------------------------------

double RunToExitMs(const QString& Program, const QStringList& Arguments)
{
    TSpawned process(Program, Arguments, {});
    const auto started = TClock::now();
    if (!process.Spawn()) return -1;
    if (!process.WaitForEnd(10000)) return -1;
    const double ms = MsSince(started);
    return process.ExitedCleanly() ? ms : -1;
}

double ResidentMiB(long long Pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(Pid));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (!line.startsWith("VmRSS:")) continue;
        const QList<QByteArray> parts = line.simplified().split(' ');  // "VmRSS:", number, "kB"
        bool ok = false;
        const double kb = parts.size() == 3 && parts[2] == "kB" ? parts[1].toDouble(&ok) : 0;
        return ok ? kb / 1024 : -1;
    }
    return -1;
}

QStringList MappedLibraries(long long Pid)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(Pid));
    QStringList libraries;
    if (!maps.open(QIODevice::ReadOnly)) return libraries;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const qsizetype path = line.indexOf('/');
        if (path < 0 || !line.contains(".so")) continue;
        const QByteArray file = line.mid(line.lastIndexOf('/') + 1);
        if (!libraries.contains(QString::fromLocal8Bit(file))) libraries << QString::fromLocal8Bit(file);
    }
    return libraries;
}

bool HasMoreThanOneColour(const unsigned char* Bytes, int Width, int Height, int Stride, int BytesPerPixel,
                          unsigned ColourMask)
{
    if (Width <= 0 || Height <= 0) return false;
    if (BytesPerPixel == 4) {
        uint32_t first = 0;
        std::memcpy(&first, Bytes, 4);
        first &= ColourMask;
        for (int y = 0; y < Height; ++y) {
            const unsigned char* row = Bytes + size_t(y) * size_t(Stride);
            for (int x = 0; x < Width; ++x) {
                uint32_t pixel = 0;
                std::memcpy(&pixel, row + size_t(x) * 4, 4);
                if ((pixel & ColourMask) != first) return true;
            }
        }
        return false;
    }
    for (int y = 0; y < Height; ++y) {
        const unsigned char* row = Bytes + size_t(y) * size_t(Stride);
        for (int x = 0; x < Width; ++x)
            if (std::memcmp(row + size_t(x) * size_t(BytesPerPixel), Bytes, size_t(BytesPerPixel)) != 0) return true;
    }
    return false;
}

}  // namespace bench::external
