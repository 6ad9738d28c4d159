#include "content/ContentData.h"

#include <QFile>
#include <QStringList>

namespace content {

QString TPictureRef::EmojiText() const
{
    QString text;
    for (const QString& part : CodePoints.split(u'-', Qt::SkipEmptyParts)) {
        bool ok = false;
        const char32_t cp = part.toUInt(&ok, 16);
        if (ok) text += QString::fromUcs4(&cp, 1);
    }
    return text;
}

bool IsAnswerableWord(const QString& Word)
{
    if (Word.isEmpty()) return false;
    for (QChar ch : Word)
        if (!kSmallLetters.contains(ch)) return false;
    return true;
}

namespace {

// The tab-separated rows of a table, skipping blank lines and '#' comments. Each row must have
// exactly Columns fields; a row that has not is reported in Error.
QList<QStringList> ReadTable(const QString& Folder, const QString& Name, int Columns, QString& Error)
{
    QList<QStringList> rows;
    QFile file(Folder + u'/' + Name);
    if (!file.open(QIODevice::ReadOnly)) {
        Error += QStringLiteral("cannot read %1\n").arg(file.fileName());
        return rows;
    }
    int lineNo = 0;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        ++lineNo;
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() != Columns) {
            Error += QStringLiteral("%1:%2: expected %3 tab-separated fields, found %4\n")
                         .arg(Name)
                         .arg(lineNo)
                         .arg(Columns)
                         .arg(fields.size());
            continue;
        }
        rows.append(fields);
    }
    return rows;
}

}  // namespace

TContentData TContentData::Load(const QString& Folder, QString& Error)
{
    TContentData data;
    for (const QStringList& f : ReadTable(Folder, QStringLiteral("letters.txt"), 8, Error)) {
        const QString phonemes = f[4] == u"-" ? QString() : f[4];
        data.Letters.append({f[0], f[1], f[2], f[3], phonemes, f[5], {f[6], f[7]}});
    }
    for (const QStringList& f : ReadTable(Folder, QStringLiteral("words.txt"), 3, Error))
        data.Words.append({f[0], {f[1], f[2]}});
    for (const QStringList& f : ReadTable(Folder, QStringLiteral("phrases.txt"), 2, Error))
        data.Phrases.append({f[0], f[1]});
    for (const QStringList& f : ReadTable(Folder, QStringLiteral("voices.txt"), 2, Error)) data.Voices.append({f[0], f[1]});
    for (const QStringList& f : ReadTable(Folder, QStringLiteral("themes.txt"), 4, Error))
        data.Pages.append({f[0], f[1], {f[2], f[3]}});
    data.Syllables = true;
    return data;
}

}  // namespace content
