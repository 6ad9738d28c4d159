#pragma once
// The grown-ups' corner as the window shows it: a page over the whole window, the sum at its door
// first (corner/CornerGate.h), then the sections (corner/CornerScreen.h), each with the class that
// does what its buttons say: a recording of any clip the program says (TCornerVoice), a family
// photo for a word (TCornerPictures), a colouring page from a picture (TCornerPages), and, once
// the progress store is open, "Успехи" (TCornerProgress). Everything written goes to the family's
// own content folder; leaving the corner or closing the program while recording drops the take.
// Ctrl+Shift+G opens it from any screen, kiosk mode included; Esc or "Закрыть" leave it.
#include "corner/CornerDesk.h"

#include <QWidget>

#include <functional>
#include <memory>

struct TAppContext;
class IJournalSettingsFile;
class IPrinter;
class TChildrenPanel;
class TCornerGate;
class TCornerPages;
class TCornerPictures;
class TCornerProgress;
class TCornerScreen;
class TCornerVoice;
class TProgressStore;

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
    // Where the group journal's settings are kept (outliving the corner): "Успехи" gets "Журнал группы".
    void SetJournalFile(IJournalSettingsFile* File);

    // Made when the corner first opens; null before.
    TCornerGate* Gate() const { return FGate; }
    TCornerScreen* Screen() const { return FScreen; }
    TChildrenPanel* Children() const;
    // The folder everything is written into: the family's own (TContentRoots::UserFolder) unless set (tests).
    void SetUserFolder(const QString& Folder) { FDesk.UserFolder = Folder; }
    QString UserFolder() const { return FDesk.UserFolder; }

    // Who prints "Успехи" (the printer of the colouring pages).
    std::function<IPrinter*()> Printer;
    // The corner closed after it changed the content: the window reads what depends on it anew.
    std::function<void()> OnContentChanged;
    // The children were added, renamed or removed.
    std::function<void()> OnChildrenChanged;
    // The corner was left (the window asks who plays).
    std::function<void()> OnClosed;

protected:
    void keyPressEvent(QKeyEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void dragEnterEvent(QDragEnterEvent* Event) override;
    void dropEvent(QDropEvent* Event) override;

private:
    void Build();
    void AddProgressSection();
    void Passed();

    TCornerDesk FDesk;
    TCornerGate* FGate = nullptr;
    TCornerScreen* FScreen = nullptr;
    TProgressStore* FStore = nullptr;
    IJournalSettingsFile* FJournalFile = nullptr;
    std::unique_ptr<TCornerVoice> FVoice;
    std::unique_ptr<TCornerPictures> FPictures;
    std::unique_ptr<TCornerPages> FPages;
    std::unique_ptr<TCornerProgress> FProgress;
};
