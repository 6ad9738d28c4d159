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
inline const QStringList kVoiceFolders = {QStringLiteral("Женский голос"), QStringLiteral("Мужской голос")};
inline const QString kLetterNames = QStringLiteral("Буквы/");
inline const QString kLetterSounds = QStringLiteral("Звуки/");
inline const QString kPhrases = QStringLiteral("Фразы/");
inline const QString kPraise = QStringLiteral("Фразы/Правильно/");
inline const QString kTryAgain = QStringLiteral("Фразы/Неправильно/");
// The single phrase files the program asks for by name.
inline const QStringList kNamedPhrases = {QStringLiteral("Буква.mp3"), QStringLiteral("Звук.mp3"),
                                          QStringLiteral("Покажи_букву.mp3"), QStringLiteral("Звучит_как.mp3"),
                                          QStringLiteral("Ты_справился_молодец.mp3")};

inline const QString kLetterPictures = QStringLiteral("Pic/Alphabet/Rus/");
inline const QString kWordPictures = QStringLiteral("Pic/Images/Rus/");
inline const QString kColouringRoot = QStringLiteral("Pic/Raskraska/");
inline const QString kWordPictureMask = QStringLiteral("*.jpg;*jpeg");
inline const QString kColouringMask = QStringLiteral("*.flim");

// Letters without a sound of their own (no file under "Звуки/").
inline const QString kSilentLetters = QStringLiteral("ъь");

}  // namespace layout
}  // namespace content
