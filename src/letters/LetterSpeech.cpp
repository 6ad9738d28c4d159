#include "letters/LetterSpeech.h"

#include "core/AppContext.h"
#include "core/ContentLayout.h"
#include "core/Speech.h"
#include "letters/Letter.h"

void SayLetter(TAppContext& Context, const TLetter& Letter, short Purpose)
{
    namespace layout = content::layout;
    const TSettings& s = Context.Settings;
    const QString letterFile = cp1251::ToUnicode(Letter.SoundFileName);
    const QString voice = s.SoundRoot + s.VoiceFolder;
    const QString phrases = voice + layout::kPhrases;
    const bool names = s.LetterSetMode == lsNames;
    if (s.LetterSetMode != lsNames && s.LetterSetMode != lsSounds) return;
    const QString letterFolder = voice + (names ? layout::kLetterNames : layout::kLetterSounds);
    QString phrase;
    if (Purpose == spTell)
        phrase = names ? layout::kLetterPhrase : layout::kSoundPhrase;
    else if (Purpose == spAsk)
        phrase = names ? layout::kFindLetterPhrase : layout::kSoundsLikePhrase;
    else
        return;
    Context.Speech->PlaySoundPair(phrases + phrase, letterFolder + letterFile);
}
