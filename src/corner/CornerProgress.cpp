#include "corner/CornerProgress.h"

#include "core/AppContext.h"
#include "core/Vendor.h"
#include "corner/CornerDesk.h"
#include "corner/CornerJournal.h"
#include "pictures/PagePrinting.h"
#include "platform/widgets/Dialogs.h"
#include "progress/ChildrenPanel.h"
#include "progress/KnownLettersPage.h"
#include "progress/ProgressScreen.h"
#include "progress/ProgressStore.h"

#include <QDate>
#include <QGroupBox>
#include <QHBoxLayout>

TCornerProgress::TCornerProgress(TCornerDesk& Desk, TProgressStore& Store, std::function<IPrinter*()> Printer)
    : FDesk(Desk), FStore(Store), FPrinter(std::move(Printer)), FPage(new QWidget)
{
    FPage->setObjectName(QStringLiteral("ProgressSectionPanel"));
    const TSettings& settings = FDesk.Context.Settings;
    FChildren = new TChildrenPanel(FStore, *FDesk.Context.Dialogs, [&settings](const QString& Animal) {
        return ChildPicture(settings, Animal, QSize(200, 150));
    });
    FChildren->Progress()->OnPrint = [this] { Print(); };
    FChildren->Progress()->OnSaveTable = [this] { SaveTable(); };
    auto* row = new QHBoxLayout(FPage);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(FChildren, 1);
}

TCornerProgress::~TCornerProgress() = default;

void TCornerProgress::SetJournalFile(IJournalSettingsFile* File)
{
    if (!File || FJournal) return;
    FJournal = std::make_unique<TCornerJournal>(FDesk, FStore, *File);
    FJournal->Box()->setFixedWidth(340);
    FJournal->OnStateShown = [this] { ChildrenMayHaveChanged(); };
    FPage->layout()->addWidget(FJournal->Box());
    if (FPage->isVisible()) FJournal->Opened();
}

namespace {

// The children's ids and names as the list shows them.
QString ChildrenSeen(TProgressStore& Store)
{
    QString seen;
    for (const TChild& child : Store.Children()) seen += QString::number(child.Id) + u':' + child.ShownName() + u'\n';
    return seen;
}

}  // namespace

void TCornerProgress::Opened()
{
    FChildren->Choose(FStore.Player());
    FChildren->ClearSentence();
    FChildrenSeen = ChildrenSeen(FStore);
    if (FJournal) FJournal->Opened();
}

void TCornerProgress::Closed()
{
    if (FJournal) FJournal->Closed();
}

// Children another computer added, renamed or removed reach the list while the corner is open.
void TCornerProgress::ChildrenMayHaveChanged()
{
    QString seen = ChildrenSeen(FStore);
    if (seen == FChildrenSeen) return;
    FChildrenSeen = std::move(seen);
    FChildren->Refresh();
}

// "<Имя> знает буквы" on one sheet, through the printing the colouring pages use.
void TCornerProgress::Print()
{
    IPrinter* printer = FPrinter ? FPrinter() : nullptr;
    if (!FDesk.Context.Dialogs || !printer) return;
    const TProgressScreen& progress = *FChildren->Progress();
    const QString title = KnownLettersTitle(progress.ChildName());
    PrintColouringPage(KnownLettersPage(title, KnownLetters(progress.Summary(), progress.Kind())), *FDesk.Context.Dialogs,
                       *printer, kVendorWebAddress, QString());
}

// The table is written on the store's reading thread: the group's answers may take a server's time.
void TCornerProgress::SaveTable()
{
    if (!FDesk.Context.Dialogs) return;
    TProgressScreen* progress = FChildren->Progress();
    const QString name = progress->ChildName().isEmpty() ? QStringLiteral("ребёнка") : progress->ChildName();
    const QString proposed = QStringLiteral("Успехи %1 %2.csv").arg(name, QDate::currentDate().toString(Qt::ISODate));
    const QString path = FDesk.Context.Dialogs->ChooseFileToSave(QStringLiteral("Сохранить таблицу"), proposed,
                                                                 QStringLiteral("Таблица (*.csv)"));
    if (path.isEmpty()) return;
    // The unnamed child's answers never leave this computer: its table is this computer's anyway.
    const bool group = FStore.JournalStatus().Outcome != journaldb::TOutcome::joNotSet && progress->Child() != 0;
    FDesk.Say(QStringLiteral("Сохраняю таблицу…"));
    FStore.SaveTableLater(progress->Child(), path, FPage, [this, path, group](const QString& Refusal, bool FromJournal) {
        if (!Refusal.isEmpty()) return FDesk.Say(Refusal);
        const QString saved = QStringLiteral("Таблица сохранена: %1").arg(path);
        // A child of the group whose table holds this computer's answers alone is told so.
        FDesk.Say(group && !FromJournal ? saved + QStringLiteral(". ") + TProgressStore::OnlyThisComputerNote() : saved);
    });
}
