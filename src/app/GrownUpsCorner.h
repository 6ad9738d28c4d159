#pragma once
// The grown-ups' corner as the window shows it: a page over the whole window, the sum at its door
// first (corner/CornerGate.h), then the sections (corner/CornerScreen.h) with what their buttons do:
// a recording of any clip the program says, a family photo for a word, a colouring page from a
// picture, and, once the progress store is open, "Успехи". Everything written goes to the family's
// own content folder; leaving the corner or closing the program while recording drops the take.
// Ctrl+Shift+G opens it from any screen, kiosk mode included; Esc or "Закрыть" leave it.
#include <QWidget>

#include <functional>
#include <future>
#include <memory>
#include <optional>

#include "pictures/ColouringPages.h"
#include "sound/OwnClips.h"

struct TAppContext;
class IPrinter;
class TChildrenPanel;
class TCornerGate;
class TCornerScreen;
class TProgressStore;
namespace clip {
class TClipRecorder;
}

class TGrownUpsCorner : public QWidget {
public:
    // Window is covered by the corner; Context gives the content, the voice, the dialogs and the speech.
    TGrownUpsCorner(QWidget* Window, TAppContext& Context);
    ~TGrownUpsCorner() override;

    // Shows the door with a new sum. Does nothing while the corner is open.
    void Open();
    // Leaves the corner, dropping a recording not kept.
    void Close();
    bool IsOpen() const { return isVisible(); }

    // "Успехи" for the children kept in Store (the store outlives the corner).
    void SetProgressStore(TProgressStore* Store);

    // Made when the corner first opens; null before.
    TCornerGate* Gate() const { return FGate; }
    TCornerScreen* Screen() const { return FScreen; }
    TChildrenPanel* Children() const { return FChildren; }
    // The folder everything is written into: $XDG_DATA_HOME/kvarnel/ unless set (tests).
    void SetUserFolder(const QString& Folder) { FUserFolder = Folder; }
    QString UserFolder() const { return FUserFolder; }

    // Who prints "Успехи" (the printer of the colouring pages).
    std::function<IPrinter*()> Printer;
    // The corner closed after it changed the content: the window reads what depends on it anew.
    std::function<void()> OnContentChanged;
    // The children were added, renamed or removed.
    std::function<void()> OnChildrenChanged;

protected:
    void keyPressEvent(QKeyEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void dragEnterEvent(QDragEnterEvent* Event) override;
    void dropEvent(QDropEvent* Event) override;

private:
    void Build();
    void AddProgressSection();
    void Passed();
    void Say(const QString& Sentence);
    QString ChooseFile(const QString& Title);
    // The voice whose clips are listed and recorded.
    void ChooseVoice(const QString& Voice);
    QString Voice() const;
    QStringList Installed() const;
    void ShowClips();
    void ShowWords();
    void ShowPages();
    // The voice's clips: listening, recording, keeping.
    void Listen(const ownclips::TSpokenClip& Clip);
    void Record(const ownclips::TSpokenClip& Clip);
    void StopRecording();
    void KeepTake();
    void Revert(const ownclips::TSpokenClip& Clip);
    void AddPhrase(bool Praise, const QString& Text);
    void MeasureLoudness();
    clip::TClipRecorder* Recorder();
    // Pictures and pages.
    void ChoosePicture(const QString& Path);
    void SaveWord();
    void RenameWord(const QString& Word);
    void RemoveWord(const QString& Word);
    void OpenPage(const QString& Path);
    void SavePage();
    void RemovePage(const QString& Page);
    void PrintProgress();
    void SaveTable();
    void Changed() { FChanged = true; }

    TAppContext& FContext;
    QString FUserFolder;
    QString FVoice;  // the voice recorded, as its folder is named
    TCornerGate* FGate = nullptr;
    TCornerScreen* FScreen = nullptr;
    TChildrenPanel* FChildren = nullptr;
    TProgressStore* FStore = nullptr;
    std::unique_ptr<clip::TClipRecorder> FRecorder;
    std::shared_future<double> FLoudness;  // the installed clips' median, measured off this thread
    std::optional<ownclips::TSpokenClip> FRecording;
    QString FPicture;  // the picture chosen for a word
    pages::TPageMaker FPage;
    bool FChanged = false;
};
