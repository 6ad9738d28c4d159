#include "progress/ProgressTable.h"

#include "progress/Log.h"
#include "progress/Mastery.h"

#include <QDateTime>
#include <QDir>
#include <QSaveFile>

namespace {

QString GameName(TGameKind Game)
{
    switch (Game) {
        case TGameKind::gkLearning:
            return QStringLiteral("Обучение");
        case TGameKind::gkFindLetter:
            return QStringLiteral("Найди букву");
        case TGameKind::gkMakeWord:
            return QStringLiteral("Дед Буквоед");
        case TGameKind::gkExamination:
            return QStringLiteral("Экзамен");
        case TGameKind::gkSyllables:
            return QStringLiteral("Слоги");
    }
    return {};
}

QString Field(const QString& Text)
{
    if (!Text.contains(u';') && !Text.contains(u'"') && !Text.contains(u'\n')) return Text;
    return u'"' + QString(Text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString YesNo(bool Value)
{
    return Value ? QStringLiteral("да") : QStringLiteral("нет");
}

}  // namespace

QString ProgressTableHeader()
{
    return QStringLiteral("время;ребёнок;игра;режим;спрошено;выбрано;слово;верно;первая_попытка");
}

QString ProgressTableLine(const progressdb::TAnswerRow& Row, const QString& ChildName)
{
    const QDateTime time = QDateTime::fromSecsSinceEpoch(Row.Time, Qt::OffsetFromUTC, Row.UtcOffset);
    const QStringList fields{time.toString(Qt::ISODate),
                             Field(ChildName),
                             GameName(GameOfCode(Row.Game)),
                             ModeName(Row.Game, Row.Mode),
                             Field(Row.Asked),
                             Field(Row.Picked),
                             Field(Row.Word),
                             YesNo(Row.Right),
                             YesNo(Row.FirstTry)};
    return fields.join(u';');
}

QString SaveProgressTable(const QString& Path,
                          const std::function<bool(const std::function<void(const progressdb::TAnswerRow&)>&)>& ForEach,
                          const std::map<qint64, QString>& ChildNames)
{
    const QString refusal = QStringLiteral("Не удалось сохранить таблицу в «%1».").arg(QDir::toNativeSeparators(Path));
    QSaveFile file(Path);
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(lcProgress) << "Cannot write the table" << Path << file.errorString();
        return refusal;
    }
    QByteArray text("\xEF\xBB\xBF");
    text += ProgressTableHeader().toUtf8() + "\r\n";
    const bool read = ForEach([&](const progressdb::TAnswerRow& Row) {
        const auto name = ChildNames.find(Row.Child);
        text += ProgressTableLine(Row, name == ChildNames.end() ? QString() : name->second).toUtf8() + "\r\n";
    });
    if (!read || file.write(text) != text.size() || !file.commit()) {
        qCWarning(lcProgress) << "Cannot write the table" << Path << file.errorString();
        file.cancelWriting();
        return refusal;
    }
    return {};
}
