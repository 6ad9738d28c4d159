#include "corner/CornerProgress.h"

#include "core/AppContext.h"
#include "core/Vendor.h"
#include "corner/CornerDesk.h"
#include "pictures/PagePrinting.h"
#include "platform/widgets/Dialogs.h"
#include "progress/ChildrenPanel.h"
#include "progress/KnownLettersPage.h"
#include "progress/ProgressScreen.h"
#include "progress/ProgressStore.h"

#include <QDate>

TCornerProgress::TCornerProgress(TCornerDesk& Desk, TProgressStore& Store, std::function<IPrinter*()> Printer)
    : FDesk(Desk), FStore(Store), FPrinter(std::move(Printer))
{
    const TSettings& settings = FDesk.Context.Settings;
    FChildren = new TChildrenPanel(FStore, *FDesk.Context.Dialogs, [&settings](const QString& Animal) {
        return ChildPicture(settings, Animal, QSize(200, 150));
    });
    FChildren->Progress()->OnPrint = [this] { Print(); };
    FChildren->Progress()->OnSaveTable = [this] { SaveTable(); };
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

void TCornerProgress::SaveTable()
{
    if (!FDesk.Context.Dialogs) return;
    TProgressScreen* progress = FChildren->Progress();
    const QString name = progress->ChildName().isEmpty() ? QStringLiteral("ребёнка") : progress->ChildName();
    const QString proposed = QStringLiteral("Успехи %1 %2.csv").arg(name, QDate::currentDate().toString(Qt::ISODate));
    const QString path = FDesk.Context.Dialogs->ChooseFileToSave(QStringLiteral("Сохранить таблицу"), proposed,
                                                                 QStringLiteral("Таблица (*.csv)"));
    if (path.isEmpty()) return;
    const QString error = FStore.SaveTable(progress->Child(), path);
    FDesk.Say(error.isEmpty() ? QStringLiteral("Таблица сохранена: %1").arg(path) : error);
}
