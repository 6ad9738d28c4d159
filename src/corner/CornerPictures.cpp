#include "corner/CornerPictures.h"

#include "core/AppContext.h"
#include "corner/CornerDesk.h"
#include "corner/CornerScreen.h"
#include "pictures/PictureDecoding.h"
#include "pictures/WordPictures.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>

namespace {

// A small picture of a file the grown-up chose, in any format Qt reads, read at about the size it
// is shown (a phone photo is not decoded whole).
QImage Small(const QString& File, QSize Size)
{
    QImageReader reader(File);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (full.isValid()) reader.setScaledSize(full.scaled(Size, Qt::KeepAspectRatio));
    return reader.read();
}

}  // namespace

TCornerPictures::TCornerPictures(TCornerDesk& Desk) : FDesk(Desk) {}

void TCornerPictures::Show()
{
    const QStringList words = wordpics::OwnWords(FDesk.UserFolder);
    QList<QImage> small;
    // The kept pictures are JPEGs: the games' own reader scales them as it decodes.
    for (const QString& word : words) {
        const TFittedDecode read = DecodeJpegFileToFit(wordpics::OwnPicturePath(FDesk.UserFolder, word), QSize(64, 48));
        small << (read ? read->Picture : QImage());
    }
    FDesk.Screen->ShowOwnWords(words, small);
}

void TCornerPictures::Add()
{
    if (const QString file = FDesk.ChoosePicture(QStringLiteral("Добавить картинку")); !file.isEmpty()) Choose(file);
}

void TCornerPictures::Choose(const QString& Path)
{
    const QImage picture = Small(Path, QSize(96, 72));
    if (picture.isNull()) return FDesk.Say(wordpics::UnreadablePictureSentence(Path));
    FPicture = Path;
    FDesk.Screen->ShowSection(TCornerScreen::csPictures);
    FDesk.Screen->ShowChosenPicture(picture);
    FDesk.Screen->WordEdit()->setFocus();
    FDesk.Say(QStringLiteral("Картинка выбрана: %1. Напишите слово и нажмите «Сохранить».").arg(QFileInfo(Path).fileName()));
}

void TCornerPictures::Save()
{
    if (FPicture.isEmpty()) return FDesk.Say(QStringLiteral("Сначала выберите картинку: «Добавить картинку»."));
    const wordpics::TWordCheck check =
        wordpics::CheckWord(FDesk.Screen->WordEdit()->text(), FDesk.Context.Settings.Content.Folders());
    if (!check.Ok) return FDesk.Say(check.Refusal);
    if (!check.Question.isEmpty() && !FDesk.Confirm(check.Question)) return;
    if (const auto error = wordpics::ImportWordPicture(FPicture, check.Word, FDesk.UserFolder)) return FDesk.Say(*error);
    FDesk.Say(QStringLiteral("Картинка «%1» сохранена. %2").arg(check.Word, check.UsedBy));
    FPicture.clear();
    FDesk.Screen->ShowChosenPicture(QImage());
    FDesk.Screen->WordEdit()->clear();
    FDesk.Changed = true;
    Show();
}

void TCornerPictures::Rename(const QString& Word)
{
    const QString typed = FDesk.Screen->WordEdit()->text();
    if (typed.trimmed().isEmpty()) {
        FDesk.Screen->WordEdit()->setFocus();
        return FDesk.Say(QStringLiteral("Напишите новое слово в поле «Слово» и нажмите «Переименовать» ещё раз."));
    }
    if (const auto error = wordpics::RenameOwnPicture(FDesk.UserFolder, Word, typed)) return FDesk.Say(*error);
    FDesk.Say(QStringLiteral("«%1» теперь называется «%2».").arg(Word, typed.simplified().toLower()));
    FDesk.Screen->WordEdit()->clear();
    FDesk.Changed = true;
    Show();
}

void TCornerPictures::Remove(const QString& Word)
{
    if (!FDesk.Confirm(QStringLiteral("Удалить свою картинку «%1»?").arg(Word))) return;
    if (const auto error = wordpics::RemoveOwnPicture(FDesk.UserFolder, Word)) return FDesk.Say(*error);
    FDesk.Say(QStringLiteral("Картинка «%1» удалена.").arg(Word));
    FDesk.Changed = true;
    Show();
}
