#pragma once
// Modal dialogs and the printer behind one small interface, so that tests answer them with a
// recording fake and never block on a modal box.
#include <QImage>
#include <QRect>
#include <QString>

// The printer as printing a page needs it. Sizes are in the printer's device pixels.
class IPrinter {
public:
    enum class TOrientation { Portrait, Landscape };
    virtual ~IPrinter() = default;
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;
    virtual void SetOrientation(TOrientation Orientation) = 0;
    virtual void BeginDoc() = 0;
    virtual void EndDoc() = 0;
    // Copies the whole of Image stretched onto Dest.
    virtual void StretchDraw(const QRect& Dest, const QImage& Image) = 0;
    virtual void SetFontSize(int Points) = 0;
    // Text whose top-left corner is at (X, Y).
    virtual void TextOut(int X, int Y, const QString& Text) = 0;
};

class IDialogs {
public:
    virtual ~IDialogs() = default;
    // A modal box with one OK button; returns when it is closed. Timers and sound go on meanwhile.
    virtual void ShowMessage(const QString& Title, const QString& Text) = 0;
    // A modal question with Yes and No; true for Yes.
    virtual bool AskYesNo(const QString& Title, const QString& Text) = 0;
    // The same question where No is the answer Enter or Space gives: for what a child must not
    // do by pressing keys at random.
    virtual bool AskYesNoDefaultNo(const QString& Title, const QString& Text) { return AskYesNo(Title, Text); }
    // The print dialog for Printer; false when the user cancels.
    virtual bool ExecutePrintDialog(IPrinter& Printer) = 0;
    // A file to read, chosen by the user among those Filter admits ("Картинки (*.jpg *.png)");
    // empty when the user cancels. Dialogs that cannot ask anyone (a run without a screen) cancel.
    virtual QString ChooseFileToOpen(const QString&, const QString&) { return QString(); }
    // Where to write a file, proposed as Name in the user's documents; empty when the user cancels.
    virtual QString ChooseFileToSave(const QString&, const QString&, const QString&) { return QString(); }
};

// The program's dialogs: Qt's message boxes and print dialog, owned by the window Parent.
class QWidget;
class TQtDialogs : public IDialogs {
public:
    explicit TQtDialogs(QWidget* Parent) : FParent(Parent) {}
    void ShowMessage(const QString& Title, const QString& Text) override;
    bool AskYesNo(const QString& Title, const QString& Text) override;
    bool AskYesNoDefaultNo(const QString& Title, const QString& Text) override;
    bool ExecutePrintDialog(IPrinter& Printer) override;
    QString ChooseFileToOpen(const QString& Title, const QString& Filter) override;
    QString ChooseFileToSave(const QString& Title, const QString& Name, const QString& Filter) override;

private:
    QWidget* FParent;
};
