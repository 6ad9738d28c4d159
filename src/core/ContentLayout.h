#pragma once
// How a content tree is laid out: where the program looks for each piece of content, relative to
// a content root. The program, its content check and the demo content generator share it.
#include <QString>
#include <QStringList>

namespace content {

// The 33 small letters in alphabet order; every answerable word is spelled with these only.
inline const QString kSmallLetters = QStringLiteral("абвгдеёжзийклмнопрстуфхцчшщъыьэюя");

namespace layout {

inline const QString kSoundRoot = QStringLiteral("Sound/");
// The voices' folders under kSoundRoot, without a trailing separator.
inline const QString kFemaleVoice = QStringLiteral("Женский голос");
inline const QString kMaleVoice = QStringLiteral("Мужской голос");
inline const QStringList kVoiceFolders = {kFemaleVoice, kMaleVoice};
// Under a voice's folder.
inline const QString kLetterNames = QStringLiteral("Буквы/");
inline const QString kLetterSounds = QStringLiteral("Звуки/");
inline const QString kPhrases = QStringLiteral("Фразы/");
// Under kPhrases: the folders of the phrases one is drawn from at random.
inline const QString kPraiseFolder = QStringLiteral("Правильно/");
inline const QString kTryAgainFolder = QStringLiteral("Неправильно/");
inline const QString kPraise = kPhrases + kPraiseFolder;
inline const QString kTryAgain = kPhrases + kTryAgainFolder;
// Under kPhrases: the single phrase files the program asks for by name. Before a letter's name on
// the learning board, before its sound there, before a letter's name asked in the examination,
// before a sound asked there, and at the end of a picture game or an examination.
inline const QString kLetterPhrase = QStringLiteral("Буква.mp3");
inline const QString kSoundPhrase = QStringLiteral("Звук.mp3");
inline const QString kFindLetterPhrase = QStringLiteral("Покажи_букву.mp3");
inline const QString kSoundsLikePhrase = QStringLiteral("Звучит_как.mp3");
inline const QString kWellDonePhrase = QStringLiteral("Ты_справился_молодец.mp3");
inline const QStringList kNamedPhrases = {kLetterPhrase, kSoundPhrase, kFindLetterPhrase, kSoundsLikePhrase,
                                          kWellDonePhrase};

inline const QString kLetterPictures = QStringLiteral("Pic/Alphabet/Rus/");
inline const QString kWordPictures = QStringLiteral("Pic/Images/Rus/");
inline const QString kColouringRoot = QStringLiteral("Pic/Raskraska/");
inline const QString kWordPictureMask = QStringLiteral("*.jpg;*jpeg");
inline const QString kColouringMask = QStringLiteral("*.flim");

// Letters without a sound of their own (no file under "Звуки/").
inline const QString kSilentLetters = QStringLiteral("ъь");

// The activity "Слоги", under a voice's folder: each syllable said as it is read ("ма.mp3"), the
// same drawn out for fusing its sounds (the consonant held into the vowel, or after a stop the
// vowel held), and each first word ("мама.mp3").
inline const QString kSyllables = QStringLiteral("Слоги/");
inline const QString kDrawnOutSyllables = kSyllables + QStringLiteral("Протяжно/");
inline const QString kWords = QStringLiteral("Слова/");
// Under kPhrases: its questions. Before a syllable to find, before one to build from letters, and
// before a word to read.
inline const QString kFindSyllablePhrase = QStringLiteral("Найди_слог.mp3");
inline const QString kBuildSyllablePhrase = QStringLiteral("Собери_слог.mp3");
inline const QString kReadWordPhrase = QStringLiteral("Прочитай_слово.mp3");
inline const QStringList kSyllablePhrases = {kFindSyllablePhrase, kBuildSyllablePhrase, kReadWordPhrase};

}  // namespace layout
}  // namespace content
