#pragma once
// Letter tiles: the clickable squares of a letter board. A tile does not hold its letter: it
// always stands for the letter at its own index in its board's catalogue, so when the board
// shuffles its letters the tiles stay in place and show and speak other letters.
#include "platform/Collection.h"

#include <QImage>
#include <QPointer>
#include <QString>

#include <QFrame>
class QLabel;
class QWidget;
struct TAppContext;
class TLetter;
class TRusLetterPanelCollection;
class TTileImage;
class TTileClickLabel;

class TLetterPanel : public TCollectionItem {
public:
    // Board must be a letter board (TRusLetterPanelCollection). The new tile waits hidden in the
    // main window's parking panel until its board lays it out.
    explicit TLetterPanel(TCollection* Board);
    ~TLetterPanel() override;

    // What a click (left button) on the tile does; nothing on the base tile.
    virtual void LetterClick();
    // Any mouse button: the tile sinks while the button is held, and rises again on release.
    void ClickLabelMouseDown();
    void ClickLabelMouseUp();

    // The widgets, owned by the main window's widget tree; all four go with the tile.
    QFrame* Panel() const { return FPanel; }
    QWidget* Image() const;
    QLabel* LetterLabel() const { return FLetterLabel; }
    QWidget* ClickLabel() const;

    // What the tile shows: the capital letter as a caption, and the picture drawn over it.
    void SetCaption(const QString& Caption);
    QString Caption() const;
    void SetPicture(const QImage& Picture);
    QImage Picture() const;
    bool Pressed() const;
    // The caption's font size in points, height and top inside the panel.
    void SetCaptionLayout(int FontPoints, int Height, int Top);
    // Moves the tile into Container at the given place and shows it.
    void Place(QWidget* Container, int Left, int Top, int Width, int Height);

    TRusLetterPanelCollection& Board() const;
    // The letter this tile stands for: the board's letter at the tile's index.
    TLetter& Letter() const;
    TAppContext& Context() const;

private:
    QPointer<QFrame> FPanel;
    TTileImage* FImage = nullptr;
    QLabel* FLetterLabel = nullptr;
    TTileClickLabel* FClickLabel = nullptr;
};

// The learning board's tile: a click tells the letter.
class TSndLetterPanel : public TLetterPanel {
public:
    using TLetterPanel::TLetterPanel;
    enum TSayPurpose : short { spTell = 1, spAsk = 2 };

    void LetterClick() override;
    // Speaks the tile's letter as a pair of recordings: a lead-in phrase, then the letter's name
    // (lsNames) or sound (lsSounds). Tell is a click on the learning board, ask an exam question.
    void SayLetter(short Purpose);
};

// The examination board's tile: a click answers the question asked.
class TExamLetterPanel : public TSndLetterPanel {
public:
    using TSndLetterPanel::TSndLetterPanel;
    void LetterClick() override;
};

// The find-the-first-letter choice: a click judges the letter against the picture's first letter.
class TPicLetterPanel : public TLetterPanel {
public:
    using TLetterPanel::TLetterPanel;
    void LetterClick() override;
};

// The missing-letter choice: a click judges the letter against the one left out of the word.
class TMakeWLetterPanel : public TLetterPanel {
public:
    using TLetterPanel::TLetterPanel;
    void LetterClick() override;
};

// A cell of the missing-letter game's word: it only shows its letter.
class TMakeWWordLetterPanel : public TLetterPanel {
public:
    using TLetterPanel::TLetterPanel;
};
