#include "content/CommittedSpeech.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace content {

namespace {

// The tab-separated rows of Path, skipping blank lines and '#' comments; rows of another width
// are named in Error. A missing file gives no rows.
QList<QStringList> Rows(const QString& Path, int Columns, QString& Error)
{
    QList<QStringList> rows;
    QFile f(Path);
    if (!f.open(QIODevice::ReadOnly)) return rows;
    int lineNo = 0;
    for (const QByteArray& raw : f.readAll().split('\n')) {
        ++lineNo;
        const QString line = QString::fromUtf8(raw);
        if (line.trimmed().isEmpty() || line.startsWith(u'#')) continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() == Columns)
            rows.append(fields);
        else
            Error += QStringLiteral("%1:%2: expected %3 tab-separated fields, found %4\n")
                         .arg(QFileInfo(Path).fileName())
                         .arg(lineNo)
                         .arg(Columns)
                         .arg(fields.size());
    }
    return rows;
}

}  // namespace

TCommittedSpeech TCommittedSpeech::Load(const QString& Folder, QString& Error)
{
    TCommittedSpeech speech;
    if (Folder.isEmpty()) return speech;
    speech.Folder = Folder.endsWith(u'/') ? Folder : Folder + u'/';
    for (const QStringList& f : Rows(speech.Folder + RecordName(), 7, Error)) {
        bool ok = false;
        const int rate = f[4].toInt(&ok);
        if (!ok) Error += QStringLiteral("%1: %2: the rate \"%3\" is not a number\n").arg(RecordName(), f[0], f[4]);
        speech.Records.insert(f[0], {f[0], f[1], f[2], f[3], rate, f[5], f[6]});
    }
    for (const QStringList& f : Rows(speech.Folder + VoicesName(), 3, Error)) speech.Voices.insert(f[0], {f[0], f[1], f[2]});
    for (const TSpeechRecord& r : std::as_const(speech.Records))
        if (!speech.Voices.contains(r.Voice))
            Error += QStringLiteral("%1: %2: the voice %3 has no licence in %4\n")
                         .arg(RecordName(), r.RelPath, r.Voice, VoicesName());
    return speech;
}

const TSpeechRecord* TCommittedSpeech::Find(const QString& RelPath) const
{
    const auto it = Records.constFind(RelPath);
    return it != Records.constEnd() && QFileInfo::exists(Folder + RelPath) ? &*it : nullptr;
}

}  // namespace content
