#include "pictures/PictureName.h"

#include <QList>

AnsiString PictureNameFromFileName(const QString& FileName)
{
    const qsizetype dot = FileName.indexOf(QLatin1Char('.'));
    if (dot < 0) return AnsiString();
    const QString word = FileName.left(dot).normalized(QString::NormalizationForm_C);

    AnsiString name;
    name.reserve(static_cast<size_t>(word.size()));
    for (char32_t ch : word.toUcs4()) {
        unsigned char byte = 0;
        const bool fits = ch <= 0xFFFF && cp1251::FromUnicode(static_cast<char16_t>(ch), byte);
        name.push_back(fits ? static_cast<char>(byte) : '?');
    }
    return name;
}
