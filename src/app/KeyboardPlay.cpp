#include "app/KeyboardPlay.h"

#include "app/MainForm.h"
#include "games/GameObjects.h"
#include "letters/Letter.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Panel.h"
#include "platform/SpeedButton.h"
#include "platform/Stacking.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QRadioButton>
#include <QTimer>

using ui::Above;
using ui::TopChild;

namespace {

bool Shown(const QWidget* Widget)
{
    return Widget && !Widget->isHidden();
}

// The small ze, on the P key: Ctrl with it prints under any layout.
constexpr unsigned char kZe = 0xE7;

}  // namespace

TKeyboardPlay::TKeyboardPlay(TMainForm& Form)
    : FForm(Form),
      FCodes(ScanCodesOf(QGuiApplication::platformName())),
      FPreview(std::make_unique<TKeyPreview>(
          &Form, [this](QKeyEvent* Key) { return FormKeyDown(Key); }, [this] { FormMouseDown(); }))
{}

TKeyboardPlay::~TKeyboardPlay() = default;

// --- What is shown ---

bool TKeyboardPlay::MenuOpen() const
{
    return Shown(FForm.PopupMenuPanel) || Shown(FForm.RaskraskaPopupMenuPanel);
}

// The system screen with a game-type chooser covers the games area.
bool TKeyboardPlay::ChooserUp() const
{
    return Shown(FForm.SysPanel) && Above(FForm.SysPanel, FForm.GamesPanel) &&
           (Shown(FForm.GameSndTypePanel) || Shown(FForm.GameExamTypePanel));
}

TKeyboardPlay::TScreen TKeyboardPlay::ShownScreen() const
{
    if (ChooserUp()) return TScreen::Chooser;
    const QWidget* top = TopChild(FForm.GamesPanel, FForm.RulesPanel);
    if (!top) return TScreen::None;
    if (top == FForm.GameSndPanel) return TScreen::Learning;
    if (top == FForm.GamePicPanel) return TScreen::FindLetter;
    if (top == FForm.GameMakeWPanel) return TScreen::MakeWord;
    if (top == FForm.GameExamPanel) return TScreen::Exam;
    if (top == FForm.RaskraskaPanel) return TScreen::Colouring;
    return TScreen::None;  // the start screen
}

// Open, and not covered by a screen raised after it (the start screen covers it without hiding it).
bool TKeyboardPlay::RulesOpen() const
{
    return Shown(FForm.RulesPanel) && TopChild(FForm.GamesPanel) == FForm.RulesPanel && !ChooserUp();
}

TRusLetterPanelCollection* TKeyboardPlay::LetterBoard() const
{
    const TGameObjects& o = FForm.Objects;
    switch (ShownScreen()) {
        case TScreen::Learning:
            return o.SndLetterPanels.get();
        case TScreen::FindLetter:
            return o.PicLetterPanels.get();
        case TScreen::MakeWord:
            return o.MakeWLetterPanels.get();
        case TScreen::Exam:
            return o.ExamLetterPanels.get();
        default:
            return nullptr;
    }
}

std::vector<TKeyboardPlay::TRegion> TKeyboardPlay::Regions() const
{
    std::vector<TRegion> regions;
    if (FForm.Timer1 && FForm.Timer1->isActive()) return regions;  // loading: nothing to press yet

    // What can be pressed is what a click would reach: shown (were the window shown) and enabled.
    const auto usable = [this](const QWidget* w) { return w && w->isVisibleTo(&FForm) && w->isEnabled(); };
    const auto add = [&regions](TRegion Region) {
        if (Region.Items.empty()) return;
        if (Region.Entry >= Region.Items.size()) Region.Entry = 0;
        regions.push_back(std::move(Region));
    };
    const auto buttons = [&usable](std::initializer_list<QAbstractButton*> Buttons) {
        TRegion r;
        for (QAbstractButton* b : Buttons)
            if (usable(b)) r.Items.push_back({b, [b] { ui::PressButton(b); }});
        return r;
    };
    const auto board = [&usable](const TRusLetterPanelCollection* Board) {
        TRegion r;
        for (int i = 0; Board && i < Board->Count(); ++i) {
            const TLetterPanel* tile = Board->GetTile(static_cast<unsigned short>(i));
            TLabel* label = tile->ClickLabel;
            if (usable(label)) r.Items.push_back({tile->Panel, [label] { label->Press(); }});
        }
        return r;
    };
    const auto strip = [&usable](const TImgPanelCollection* Strip) {
        TRegion r;
        for (int i = 0; Strip && i < Strip->Count(); ++i) {
            const TImgPanel* tile = Strip->GetTile(static_cast<unsigned short>(i));
            TLabel* label = tile->ClickLabel();
            if (!usable(label)) continue;
            if (i == Strip->SelectedIndex) r.Entry = r.Items.size();  // the current picture
            r.Items.push_back({tile->Panel(), [label] { label->Press(); }});
        }
        return r;
    };

    const TGameObjects& o = FForm.Objects;
    if (MenuOpen()) {
        add(buttons({FForm.SpeedButton3, FForm.SpeedButton4, FForm.SpeedButton5, FForm.SpeedButton6, FForm.SpeedButton7}));
        if (Shown(FForm.RaskraskaPopupMenuPanel)) {
            TRegion themes;
            for (TSpeedButton* b : FForm.RaskraskaPopupMenuPanel->findChildren<TSpeedButton*>(Qt::FindDirectChildrenOnly))
                if (usable(b)) themes.Items.push_back({b, [b] { ui::PressButton(b); }});
            add(std::move(themes));
        }
        return regions;
    }

    // The rules lie over the screen: closing them comes first.
    if (RulesOpen()) add(buttons({FForm.RulesCloseButton}));
    const TScreen screen = ShownScreen();
    switch (screen) {
        case TScreen::Chooser:
            if (Shown(FForm.GameSndTypePanel))
                add(buttons({FForm.LetterrsNamesSpeedButton, FForm.LettersSoundsSpeedButton}));
            else
                add(buttons({FForm.SpeedButton8, FForm.SpeedButton9}));
            break;
        case TScreen::Learning:
            add(board(o.SndLetterPanels.get()));
            break;
        case TScreen::FindLetter:
            add(board(o.PicLetterPanels.get()));
            add(strip(o.FirstLImgPanels.get()));
            break;
        case TScreen::MakeWord:
            add(board(o.MakeWLetterPanels.get()));
            add(strip(o.MakeWImgPanels.get()));
            break;
        case TScreen::Exam:
            if (o.ExamGame) {
                TRegion start;
                if (TImage* image = FForm.StartExamImage; usable(image))
                    start.Items.push_back({image, [image] { image->Press(); }});
                add(std::move(start));
                add(board(o.ExamLetterPanels.get()));
                add(buttons({FForm.RepeatSndButton}));
            }
            break;
        case TScreen::Colouring:
            add(strip(o.RaskrasImgPanels.get()));
            add(buttons({FForm.SpeedButton2}));
            break;
        case TScreen::None:
            break;
    }
    if (screen != TScreen::None && Shown(FForm.GenderVoiceRadioPanel)) {
        TRegion voice = buttons({FForm.FemaleVoiceRadioButton, FForm.MaleVoiceRadioButton});
        if (FForm.MaleVoiceRadioButton && FForm.MaleVoiceRadioButton->isChecked()) voice.Entry = 1;
        add(std::move(voice));
    }
    return regions;
}

// --- Keys ---

bool TKeyboardPlay::FormKeyDown(QKeyEvent* Key)
{
    if (FForm.Timer1 && FForm.Timer1->isActive()) return false;  // the loading overlay is up
    const Qt::KeyboardModifiers modifiers = Key->modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    // A held key repeats: moving on is welcome, pressing the same thing again and again is not.
    const bool repeat = Key->isAutoRepeat();

    if (modifiers == Qt::ControlModifier &&
        (Key->key() == Qt::Key_P || LetterOfKey({QString(), Key->key(), Key->nativeScanCode()}, FCodes) == kZe)) {
        if (ShownScreen() != TScreen::Colouring) return false;
        if (!repeat && FForm.PrintRaskraska) FForm.PrintRaskraska->trigger();
        return true;
    }
    if (modifiers & ~Qt::ShiftModifier) return false;

    switch (Key->key()) {
        case Qt::Key_Escape:
            if (!repeat) Escape();
            return true;
        case Qt::Key_F1:
            if (!repeat) ShowRules();
            return true;
        case Qt::Key_Tab:
            Tab(true);
            return true;
        case Qt::Key_Backtab:
            Tab(false);
            return true;
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            Arrow(Key->key());
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (!repeat) PressFocused();
            return true;
        default:
            break;
    }

    const unsigned char letter = LetterOfKey({Key->text(), Key->key(), Key->nativeScanCode()}, FCodes);
    if (letter == 0 || !LetterBoard()) return false;
    // On a board the letters are the game's, also while the menu covers it (then they do nothing).
    if (!repeat && !MenuOpen()) PickLetter(letter);
    return true;
}

void TKeyboardPlay::FormMouseDown()
{
    FFocus.HideFrame();
}

void TKeyboardPlay::ScreenReady()
{
    if (FFocus.FrameWanted()) Settle(nullptr);
}

void TKeyboardPlay::FocusOn(QWidget* Widget)
{
    FFocus.MoveTo(Widget);
    FFocus.ShowFrame();
}

bool TKeyboardPlay::Locate(const std::vector<TRegion>& Regions, size_t& Region, size_t& Item) const
{
    if (const QWidget* focused = FFocus.Widget())
        for (size_t r = 0; r < Regions.size(); ++r)
            for (size_t i = 0; i < Regions[r].Items.size(); ++i)
                if (Regions[r].Items[i].Widget == focused) {
                    Region = r;
                    Item = i;
                    return true;
                }
    Region = 0;
    Item = Regions.front().Entry;
    return false;
}

// Esc closes what lies on top: the menus, else the rules; with neither open it opens the menu, as
// a click on "Меню" does.
void TKeyboardPlay::Escape()
{
    QPointer<TKeyboardPlay> alive(this);
    if (MenuOpen())
        FForm.MenuHide->trigger();
    else if (RulesOpen())
        FForm.CloseRulesPanel->trigger();
    else if (FForm.MenuLabel)
        FForm.MenuLabel->Press();
    if (alive) Settle(nullptr);
}

// F1: the rules of the activity shown, as its menu entry shows them.
void TKeyboardPlay::ShowRules()
{
    QAction* page = nullptr;
    switch (ShownScreen()) {
        case TScreen::Chooser:
            page = Shown(FForm.GameSndTypePanel) ? FForm.ShowSndGameRules : FForm.ShowExamGameRules;
            break;
        case TScreen::Learning:
            page = FForm.ShowSndGameRules;
            break;
        case TScreen::FindLetter:
            page = FForm.ShowPicGameRules;
            break;
        case TScreen::MakeWord:
            page = FForm.ShowMakeWGameRules;
            break;
        case TScreen::Exam:
            page = FForm.ShowExamGameRules;
            break;
        case TScreen::Colouring:
            page = FForm.ShowRaskraskaRules;
            break;
        case TScreen::None:
            return;
    }
    page->trigger();
    FForm.ShowRulesPanel->trigger();
}

bool TKeyboardPlay::FocusToMoveFrom(const std::vector<TRegion>& Regions, size_t& Region, size_t& Item)
{
    if (Regions.empty()) {
        FFocus.MoveTo(nullptr);  // nothing here to press: no frame either
        return false;
    }
    // The first key only shows where the focus is.
    if (!Locate(Regions, Region, Item) || !FFocus.FrameShown()) {
        FocusOn(Regions[Region].Items[Item].Widget);
        return false;
    }
    return true;
}

void TKeyboardPlay::Tab(bool Forward)
{
    const std::vector<TRegion> regions = Regions();
    size_t r = 0, i = 0;
    if (!FocusToMoveFrom(regions, r, i)) return;
    r = (r + (Forward ? 1 : regions.size() - 1)) % regions.size();
    FocusOn(regions[r].Items[regions[r].Entry].Widget);
}

void TKeyboardPlay::Arrow(int Key)
{
    const std::vector<TRegion> regions = Regions();
    size_t r = 0, i = 0;
    if (!FocusToMoveFrom(regions, r, i)) return;
    std::vector<QRect> cells;
    for (const TItem& item : regions[r].Items)
        cells.emplace_back(item.Widget->mapTo(&FForm, QPoint(0, 0)), item.Widget->size());
    const int to = ui::ArrowTarget(cells, static_cast<int>(i), Key);
    FocusOn(regions[r].Items[static_cast<size_t>(to)].Widget);
}

void TKeyboardPlay::PressFocused()
{
    const std::vector<TRegion> regions = Regions();
    size_t r = 0, i = 0;
    if (!FocusToMoveFrom(regions, r, i)) return;
    const TItem item = regions[r].Items[i];
    QPointer<TKeyboardPlay> alive(this);
    QPointer<QWidget> pressed(item.Widget);
    item.Press();  // may show a modal box and wait for it
    if (alive) Settle(pressed);
}

void TKeyboardPlay::PickLetter(unsigned char Lower)
{
    TRusLetterPanelCollection* board = LetterBoard();
    if (!board) return;
    const int count = std::min(board->Count(), board->Letters->Count());
    for (int i = 0; i < count; ++i) {
        const auto index = static_cast<unsigned short>(i);
        if (board->Letters->GetLetter(index)->LowerLetter != Lower) continue;
        TLetterPanel* tile = board->GetTile(index);
        TLabel* label = tile->ClickLabel;
        // A tile the mouse could not click (the examination's board before its start) takes no key.
        if (!label->isVisibleTo(&FForm) || !label->isEnabled()) return;
        FocusOn(tile->Panel);
        QPointer<TKeyboardPlay> alive(this);
        label->Press();  // may show a modal box and wait for it
        if (alive) Settle(nullptr);
        return;
    }
}

void TKeyboardPlay::Settle(const QWidget* Pressed)
{
    const std::vector<TRegion> regions = Regions();
    if (regions.empty()) {
        FFocus.MoveTo(nullptr);
        return;
    }
    // "Раскраска" opens the theme menu beside the main menu: the choice goes on there.
    if (Pressed && Pressed == FForm.SpeedButton7 && regions.size() > 1) {
        FocusOn(regions[1].Items[regions[1].Entry].Widget);
        return;
    }
    size_t r = 0, i = 0;
    Locate(regions, r, i);
    FocusOn(regions[r].Items[i].Widget);
}
