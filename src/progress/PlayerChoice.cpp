#include "progress/PlayerChoice.h"

#include "core/Palette.h"
#include "platform/widgets/Accessibility.h"
#include "platform/widgets/Align.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/Style.h"
#include "progress/ProgressStore.h"
#include "progress/WhoPlays.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

TPlayerChoice::TPlayerChoice(QWidget& Window, QWidget& Ribbon, TProgressStore& Store,
                             std::function<QImage(const QString&)> PictureOf)
    : QWidget(&Window), FStore(Store), FPictureOf(std::move(PictureOf)), FName(new TLabel(&Ribbon))
{
    setObjectName(QStringLiteral("PlayerChoice"));
    setAccessibleName(QStringLiteral("Кто играет?"));
    setLayout(new QVBoxLayout);
    layout()->setContentsMargins(0, 0, 0, 0);
    hide();
    Window.installEventFilter(this);

    FName->setObjectName(QStringLiteral("PlayerLabel"));
    ui::SetFont(FName, fonts::StandIn(QStringLiteral("Arial Black"), 16), palette::Yellow);
    FName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FName->SetHandCursor(true);
    // Left of the mute mark and the voice chooser, kept beside them as the ribbon widens.
    ui::SetBase(FName, QRect(748, 13, 200, 32), akRight | akTop);
    connect(FName, &TLabel::Clicked, this, [this] { Ask(); });
    ui::SetAccessible(FName, ui::TAccessRole::Button, [this] { FName->Press(); });
    FName->hide();
}

TPlayerChoice::~TPlayerChoice() = default;

void TPlayerChoice::AskWhenNeeded()
{
    const std::vector<TChild> children = FStore.Children();
    if (children.size() >= 2) return Ask();
    Choose(children.empty() ? 0 : children.front().Id);
    WaitForTheJournalsChildren();
}

// A computer's first start in a group's journal: the group's children come with the journal's first
// reading, a moment after the start (longer when the server is down), and who plays is asked then.
// Without a journal the look ends at its first tick.
void TPlayerChoice::WaitForTheJournalsChildren()
{
    constexpr int kLookEveryMs = 1000, kLongestLooks = 600;
    if (FJournalWait) return;
    FJournalWait = new QTimer(this);
    FJournalWait->setInterval(kLookEveryMs);
    connect(FJournalWait, &QTimer::timeout, this, [this, looks = 0]() mutable {
        const journaldb::TOutcome outcome = FStore.JournalOutcome();
        const bool read = outcome == journaldb::TOutcome::joConnected;
        if (read || outcome == journaldb::TOutcome::joNotSet || ++looks >= kLongestLooks) FJournalWait->stop();
        if (read && !FAsked && FStore.Children().size() >= 2 && (!MayAsk || MayAsk())) Ask();
    });
    FJournalWait->start();
}

void TPlayerChoice::Ask()
{
    const std::vector<TChild> children = FStore.Children();
    if (children.size() < 2) return;
    FAsked = true;
    if (!isVisible()) FFocusBefore = QApplication::focusWidget();
    FQuestion.reset();  // the question shown goes before the new one takes its place
    FQuestion = std::make_unique<TWhoPlays>(children, FPictureOf, this);
    FQuestion->OnChoose = [this](qint64 Child) { Choose(Child); };
    layout()->addWidget(FQuestion.get());
    setGeometry(parentWidget()->rect());
    raise();
    show();
    // The focus starts on the child playing now, so Enter alone keeps the same child.
    const auto& tiles = FQuestion->Tiles();
    size_t focus = 0;
    for (size_t i = 0; i < children.size() && i < tiles.size(); ++i)
        if (children[i].Id == FStore.Player()) focus = i;
    if (!tiles.empty()) tiles[focus]->setFocus();
}

void TPlayerChoice::Choose(qint64 Child)
{
    FStore.SetPlayer(Child);
    // Only the question hands the keys back, to what had them before it when that still shows (the
    // corner's door), else to the window; settled without asking (after the start, or a child
    // removed in the corner), the focus stays where it is.
    const bool asked = isVisible();
    hide();
    // Choose runs inside the question's own click: it is freed once that has ended.
    if (FQuestion) FQuestion.release()->deleteLater();
    if (asked && FFocusBefore && FFocusBefore->isVisible())
        FFocusBefore->setFocus();
    else if (asked && parentWidget())
        parentWidget()->setFocus();
    ShowName();
}

void TPlayerChoice::ChildrenChanged()
{
    const std::vector<TChild> children = FStore.Children();
    const bool stillThere =
        std::any_of(children.begin(), children.end(), [this](const TChild& Child) { return Child.Id == FStore.Player(); });
    if (!stillThere) FStore.SetPlayer(children.size() == 1 ? children.front().Id : 0);
    ShowName();
}

void TPlayerChoice::ShowName()
{
    const std::vector<TChild> children = FStore.Children();
    QString name;
    for (const TChild& child : children)
        if (child.Id == FStore.Player()) name = child.Name;
    FName->setText(name);
    FName->setAccessibleName(QStringLiteral("Кто играет: %1").arg(name));
    // The name shows who plays when there is a choice to make.
    FName->setVisible(children.size() >= 2 && !name.isEmpty());
}

bool TPlayerChoice::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched == parentWidget() && Event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return false;
}
