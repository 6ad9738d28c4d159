#include "colouring/PagePrinting.h"

#include "platform/Dialogs.h"

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
    if (Picture.isNull() || Picture.width() <= 0 || Picture.height() <= 0) return false;
    if (!Dialogs.ExecutePrintDialog(Printer)) return false;

    const int widthBefore = Printer.PageWidth();
    Printer.SetOrientation(IPrinter::TOrientation::Portrait);
    if (Picture.height() < Picture.width()) Printer.SetOrientation(IPrinter::TOrientation::Landscape);
    const TPrintPlan plan = PlanPrint(widthBefore, Printer.PageWidth(), Printer.PageHeight(), Picture.size());

    Printer.BeginDoc();
    Printer.StretchDraw(plan.PictureRect, Picture);
    Printer.SetFontSize(kLinePointSize);
    Printer.TextOut(plan.TitleAt.x(), plan.TitleAt.y(), TitleLine);
    Printer.TextOut(plan.CopyrightAt.x(), plan.CopyrightAt.y(), CopyrightLine);
    Printer.EndDoc();
    return true;
}
