#include "pictures/PagePrinting.h"

#include "platform/widgets/Dialogs.h"

namespace {
// The title and copyright lines are 12 points high whatever the printer's resolution.
constexpr int kLinePointSize = 12;
}  // namespace

TPrintPlan PlanPrint(int PageWidthBefore, int PageWidth, int PageHeight, QSize Picture)
{
    TPrintPlan plan;
    // unit = PW0 / 8.4, top = unit * 0.4, left = unit * 0.5, each truncated, in exact integers.
    const long long unit = (5LL * PageWidthBefore) / 42;
    plan.Top = static_cast<int>((2 * unit) / 5);
    plan.Left = static_cast<int>(unit / 2);
    plan.Landscape = Picture.height() < Picture.width();

    const long long w = Picture.width(), h = Picture.height();
    const long long pw = PageWidth, ph = PageHeight;
    long long fullW, fullH;
    if (pw * h >= w * ph) {  // the page is relatively wider than the picture: fill the height
        fullH = ph;
        fullW = w * ph / h;
    } else {
        fullW = pw;
        fullH = h * pw / w;
    }
    plan.PictureRect =
        QRect(plan.Left, plan.Top, static_cast<int>(fullW - 2LL * plan.Left), static_cast<int>(fullH - 2LL * plan.Top));
    plan.TitleAt = QPoint(plan.Left, 0);
    plan.CopyrightAt = QPoint(plan.Left, PageHeight - plan.Top);
    return plan;
}

bool PrintColouringPage(const QImage& Picture, IDialogs& Dialogs, IPrinter& Printer, const QString& TitleLine,
                        const QString& CopyrightLine)
{
    return PrintColouringPage(
        Picture, [&Picture] { return Picture; }, Dialogs, Printer, TitleLine, CopyrightLine);
}

bool PrintColouringPage(const QImage& Shown, const std::function<QImage()>& FullPage, IDialogs& Dialogs, IPrinter& Printer,
                        const QString& TitleLine, const QString& CopyrightLine)
{
    if (Shown.isNull() || Shown.width() <= 0 || Shown.height() <= 0) return false;
    if (!Dialogs.ExecutePrintDialog(Printer)) return false;
    QImage picture = FullPage();
    if (picture.isNull()) picture = Shown;

    const int widthBefore = Printer.PageWidth();
    Printer.SetOrientation(IPrinter::TOrientation::Portrait);
    if (picture.height() < picture.width()) Printer.SetOrientation(IPrinter::TOrientation::Landscape);
    const TPrintPlan plan = PlanPrint(widthBefore, Printer.PageWidth(), Printer.PageHeight(), picture.size());

    Printer.BeginDoc();
    Printer.StretchDraw(plan.PictureRect, picture);
    Printer.SetFontSize(kLinePointSize);
    Printer.TextOut(plan.TitleAt.x(), plan.TitleAt.y(), TitleLine);
    Printer.TextOut(plan.CopyrightAt.x(), plan.CopyrightAt.y(), CopyrightLine);
    Printer.EndDoc();
    return true;
}
