#include "platform/widgets/Dialogs.h"
#include "platform/widgets/QtPrinter.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QStandardPaths>

void TQtDialogs::ShowMessage(const QString& Title, const QString& Text)
{
    QMessageBox box(QMessageBox::NoIcon, Title, Text, QMessageBox::Ok, FParent);
    box.exec();
}

bool TQtDialogs::AskYesNo(const QString& Title, const QString& Text)
{
    QMessageBox box(QMessageBox::Question, Title, Text, QMessageBox::Yes | QMessageBox::No, FParent);
    return box.exec() == QMessageBox::Yes;
}

bool TQtDialogs::AskYesNoDefaultNo(const QString& Title, const QString& Text)
{
    QMessageBox box(QMessageBox::Question, Title, Text, QMessageBox::Yes | QMessageBox::No, FParent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool TQtDialogs::ExecutePrintDialog(IPrinter& Printer)
{
    auto* qt = dynamic_cast<TQtPrinter*>(&Printer);
    if (!qt) return false;
    QPrintDialog dialog(&qt->Device(), FParent);
    return dialog.exec() == QDialog::Accepted;
}

namespace {

// Folder when it exists, else the home folder: a folder the dialog cannot open would become its file name.
QString Existing(const QString& Folder)
{
    return QDir(Folder).exists() ? Folder : QDir::homePath();
}

}  // namespace

QString TQtDialogs::ChooseFileToOpen(const QString& Title, const QString& Filter)
{
    const QString pictures = Existing(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    return QFileDialog::getOpenFileName(FParent, Title, pictures, Filter);
}

QString TQtDialogs::ChooseFileToSave(const QString& Title, const QString& Name, const QString& Filter)
{
    const QString documents = Existing(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return QFileDialog::getSaveFileName(FParent, Title, QDir(documents).filePath(Name), Filter);
}
