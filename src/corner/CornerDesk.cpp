#include "corner/CornerDesk.h"

#include "core/AppContext.h"
#include "corner/CornerScreen.h"
#include "platform/widgets/Dialogs.h"

namespace {
const QString kPictureFilter = QStringLiteral("Картинки (*.jpg *.jpeg *.png *.bmp *.gif *.webp *.JPG *.JPEG *.PNG)");
}  // namespace

void TCornerDesk::Say(const QString& Sentence) const
{
    Screen->ShowStatus(Sentence);
}

bool TCornerDesk::Confirm(const QString& Question) const
{
    return Context.Dialogs && Context.Dialogs->AskYesNoDefaultNo(kCornerTitle, Question);
}

QString TCornerDesk::ChoosePicture(const QString& Title) const
{
    return Context.Dialogs ? Context.Dialogs->ChooseFileToOpen(Title, kPictureFilter) : QString();
}
