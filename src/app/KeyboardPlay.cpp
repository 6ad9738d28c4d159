#include "app/KeyboardPlay.h"

#include "platform/widgets/Label.h"
#include "platform/widgets/Stacking.h"

#include <QAbstractButton>
#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <algorithm>
#include <optional>

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

TKeyboardPlay::TKeyboardPlay(IKeyWindow& Window)
    : FWindow(Window),
      FForm(*Window.Window()),
      FCodes(ScanCodesOf(QGuiApplication::platformName())),
      FPreview(std::make_unique<TKeyPreview>(
          &FForm, [this](QKeyEvent* Key) { return FormKeyDown(Key); }, [this] { FormMouseDown(); }))
{}

TKeyboardPlay::~TKeyboardPlay() = default;

void TKeyboardPlay::AddScreen(const QWidget* Panel, ui::TKeyScreen Screen)
{
    FScreens.emplace_back(Panel, std::move(Screen));
}

void TKeyboardPlay::SetMenu(const QWidget* Panel, ui::TKeyScreen Menu)
{
    FMenu = {Panel, std::move(Menu)};
}

// --- What is shown ---

bool TKeyboardPlay::MenuOpen() const
{
    return Shown(FMenu.first);
}

const ui::TKeyScreen* TKeyboardPlay::ScreenOf(const QWidget* Panel) const
{
    if (!Panel) return nullptr;
    const auto it = std::find_if(FScreens.begin(), FScreens.end(), [Panel](const auto& s) { return s.first == Panel; });
    return it == FScreens.end() ? nullptr : &it->second;
}

const ui::TKeyScreen* TKeyboardPlay::CoveringScreen() const
{
    QWidget* system = FWindow.SystemScreen();
    if (!Shown(system) || !Above(system, FWindow.GamesArea())) return nullptr;
    return ScreenOf(TopChild(system));
}

const ui::TKeyScreen* TKeyboardPlay::ShownScreen() const
{
    // A screen over the whole window (the grown-ups' corner, "Кто играет?") lies over every other;
    // of two, the one raised last.
    const ui::TKeyScreen* over = nullptr;
    const QWidget* overPanel = nullptr;
    for (const auto& [panel, screen] : FScreens)
        if (panel->parentWidget() == &FForm && panel->isVisible() && (!overPanel || Above(panel, overPanel))) {
            over = &screen;
            overPanel = panel;
        }
    if (over) return over;
    if (const ui::TKeyScreen* covering = CoveringScreen()) return covering;
    return ScreenOf(TopChild(FWindow.GamesArea(), FWindow.Rules()));
}

// Open, and not covered by a screen raised after it (the start screen covers it without hiding it).
bool TKeyboardPlay::RulesOpen() const
{
    QWidget* rules = FWindow.Rules();
    return Shown(rules) && TopChild(FWindow.GamesArea()) == rules && !CoveringScreen();
}

bool TKeyboardPlay::Usable(const TItem& Item) const
{
    const QWidget* w = Item.Clicked ? Item.Clicked : Item.Widget;
    return w && w->isVisibleTo(&FForm) && w->isEnabled();
}

void TKeyboardPlay::AddUsable(std::vector<TRegion>& Regions, const TRegion& Region) const
{
    TRegion usable;
    for (size_t i = 0; i < Region.Items.size(); ++i) {
        if (!Usable(Region.Items[i])) continue;
        if (i == Region.Entry) usable.Entry = usable.Items.size();
        usable.Items.push_back(Region.Items[i]);
    }
    if (!usable.Items.empty()) Regions.push_back(std::move(usable));
}

std::vector<TKeyboardPlay::TRegion> TKeyboardPlay::Regions() const
{
    std::vector<TRegion> regions;
    if (FWindow.Loading()) return regions;  // nothing to press yet

    if (MenuOpen()) {
        if (FMenu.second.Regions)
            for (const TRegion& region : FMenu.second.Regions()) AddUsable(regions, region);
        return regions;
    }

    // The rules lie over the screen: closing them comes first.
    if (RulesOpen()) AddUsable(regions, ui::ButtonRegion({FWindow.RulesClose()}));
    const ui::TKeyScreen* screen = ShownScreen();
    if (!screen) return regions;
    if (screen->Regions)
        for (const TRegion& region : screen->Regions()) AddUsable(regions, region);
    if (screen->WindowRegions && Shown(FWindow.VoiceChoice())) {
        TRegion voice = ui::ButtonRegion(FWindow.VoiceButtons());
        for (size_t i = 0; i < voice.Items.size(); ++i)
            if (static_cast<QAbstractButton*>(voice.Items[i].Widget)->isChecked()) voice.Entry = i;
        AddUsable(regions, voice);
    }
    return regions;
}

// --- Keys ---

bool TKeyboardPlay::FormKeyDown(QKeyEvent* Key)
{
    const ui::TKeyScreen* screen = ShownScreen();
    if (screen && screen->OwnKeys) return false;
    // Nothing takes keys while the loading overlay is up or the screen's content is being read.
    if (FWindow.Loading() || (screen && screen->Busy && screen->Busy())) return false;
    const Qt::KeyboardModifiers modifiers = Key->modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    // A held key repeats: moving on is welcome, pressing the same thing again and again is not.
    const bool repeat = Key->isAutoRepeat();

    if (modifiers == Qt::ControlModifier &&
        (Key->key() == Qt::Key_P || LetterOfKey({QString(), Key->key(), Key->nativeScanCode()}, FCodes) == kZe)) {
        if (!screen || !screen->Print) return false;
        if (!repeat) screen->Print->trigger();
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
    if (letter == 0 || !screen || !screen->LetterTile) return false;
    const std::optional<TItem> tile = screen->LetterTile(letter);
    if (!tile) return false;  // no board made yet
    // On a board the letters are the game's, also while the menu covers it (then they do nothing).
    if (!repeat && !MenuOpen()) PickLetter(*tile);
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
    if (MenuOpen() && FMenu.second.Close)
        FMenu.second.Close->trigger();
    else if (RulesOpen())
        FWindow.CloseRules();
    else
        FWindow.OpenMenu();
    if (alive) Settle(nullptr);
}

// F1: the rules of the screen shown, as its menu entry shows them.
void TKeyboardPlay::ShowRules()
{
    const ui::TKeyScreen* screen = ShownScreen();
    if (!screen || !screen->Rules) return;
    screen->Rules->trigger();
    FWindow.OpenRules();
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
    QPointer<QWidget> opener(item.OpensNext ? item.Widget : nullptr);
    item.Press();  // may show a modal box and wait for it
    if (alive) Settle(opener);
}

void TKeyboardPlay::PickLetter(const TItem& Tile)
{
    // A tile the mouse could not click (the examination's board before its start) takes no key.
    if (!Tile.Widget || !Usable(Tile)) return;
    FocusOn(Tile.Widget);
    QPointer<TKeyboardPlay> alive(this);
    Tile.Press();  // may show a modal box and wait for it
    if (alive) Settle(nullptr);
}

void TKeyboardPlay::Settle(const QWidget* Opener)
{
    const std::vector<TRegion> regions = Regions();
    if (regions.empty()) {
        FFocus.MoveTo(nullptr);
        return;
    }
    size_t r = 0, i = 0;
    for (size_t n = 0; Opener && n + 1 < regions.size(); ++n)
        for (const TItem& item : regions[n].Items)
            if (item.Widget == Opener) {
                FocusOn(regions[n + 1].Items[regions[n + 1].Entry].Widget);
                return;
            }
    Locate(regions, r, i);
    FocusOn(regions[r].Items[i].Widget);
}
