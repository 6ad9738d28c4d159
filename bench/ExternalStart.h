#pragma once
// Starting a program as the user does, a process of its own, and watching its window from outside
// on the X display: when it is mapped, when its first frame that is not one flat colour reaches
// the screen, and its resident memory a while after the start. bench_startup's external mode
// compares the program with a bare Qt window this way (see the head of bench_startup.cpp).
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace bench::external {

// What one start gave; a negative figure was not reached, and Failure says why.
struct TStartFigures {
    double MappedMs = -1;      // exec to the window viewable on the screen
    double FirstFrameMs = -1;  // exec to the first frame whose window area is not one flat colour
    double RssMiB = -1;        // VmRSS of the process a fixed time after exec
    // The shared libraries the process has mapped as its first frame is seen, and at the memory figure.
    QStringList LibrariesAtFrame, LibrariesAtRss;
    QString Failure;
};

// HOME and the XDG folders (config, data, cache, state, runtime) of a started program, in a
// temporary folder of their own: no remembered settings, no kept start picture, no progress file
// of the person running the benchmark. A home kept for a second start is a warm one.
class TScratchHome {
public:
    TScratchHome();
    // The benchmark's environment with this home over it, and Qt on the X display.
    QStringList Environment() const;
    bool IsValid() const { return FDir.isValid(); }

private:
    QTemporaryDir FDir;
};

// One connection to the X display ($DISPLAY) that watches new top-level windows.
class TWindowWatch {
public:
    TWindowWatch();
    ~TWindowWatch();
    TWindowWatch(const TWindowWatch&) = delete;
    TWindowWatch& operator=(const TWindowWatch&) = delete;

    // Empty when the display and its DAMAGE extension can be used; otherwise what is missing.
    QString Problem() const;
    // The window manager's name (_NET_SUPPORTING_WM_CHECK), empty when none runs.
    QString WindowManager() const;

    // Starts Program with Arguments in Environment, waits for its window and first frame, reads its
    // memory RssAfterSeconds after exec, then ends it (SIGTERM, then SIGKILL).
    TStartFigures Start(const QString& Program, const QStringList& Arguments, const QStringList& Environment,
                        double RssAfterSeconds = 3.0);

private:
    struct TState;
    std::unique_ptr<TState> F;
};

// Milliseconds from exec to the exit of Program with Arguments, its output thrown away; negative
// when it could not be started or did not exit with 0 within 10 s.
double RunToExitMs(const QString& Program, const QStringList& Arguments);

// VmRSS of a running process in MiB, from /proc/PID/status; negative when unreadable.
double ResidentMiB(long long Pid);

// The file names of the shared libraries a running process has mapped, from /proc/PID/maps, in
// the order they were mapped at; empty when unreadable.
QStringList MappedLibraries(long long Pid);

// Whether an image has more than one colour: Bytes of Height rows of Stride bytes, each row
// holding Width pixels of BytesPerPixel bytes, compared on the bits of ColourMask (pixels of 4
// bytes) or on all their bytes (other sizes).
bool HasMoreThanOneColour(const unsigned char* Bytes, int Width, int Height, int Stride, int BytesPerPixel,
                          unsigned ColourMask = 0xffffffffu);

}  // namespace bench::external
