#pragma once
// Printing one picture on one sheet (a colouring page, "<Имя> знает буквы"): the picture scaled to
// the sheet, a title line at the top and a copyright line at the bottom.
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>

#include "core/Vendor.h"

class IDialogs;
class IPrinter;

// Where things go on the sheet, worked out from the page sizes and the picture size.
struct TPrintPlan {
    int Left = 0;  // margins, from the page width before the orientation was set
    int Top = 0;
    bool Landscape = false;
    QRect PictureRect;   // where the whole picture is stretched to
    QPoint TitleAt;      // top-left of the title line
    QPoint CopyrightAt;  // top-left of the copyright line
};

// The margins come from PageWidthBefore (the page width in the orientation the printer had);
// PageWidth/PageHeight are the sizes after the orientation for Picture was set.
TPrintPlan PlanPrint(int PageWidthBefore, int PageWidth, int PageHeight, QSize Picture);

// Prints Picture after the print dialog: nothing for an empty picture or a cancelled dialog.
// Returns true when a sheet was printed.
bool PrintColouringPage(const QImage& Picture, IDialogs& Dialogs, IPrinter& Printer,
                        const QString& TitleLine = kVendorWebAddress, const QString& CopyrightLine = kPagesCopyrightLine);
// The same for a page shown smaller than it is: Shown decides whether there is anything to print,
// and FullPage, called once the dialog has been accepted, gives the page at full resolution.
bool PrintColouringPage(const QImage& Shown, const std::function<QImage()>& FullPage, IDialogs& Dialogs, IPrinter& Printer,
                        const QString& TitleLine = kVendorWebAddress, const QString& CopyrightLine = kPagesCopyrightLine);
