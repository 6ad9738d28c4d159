#include "sound/InstalledLoudness.h"

#include "core/ContentLayout.h"
#include "core/Loudness.h"
#include "platform/audio/Mp3Decoder.h"

#include <QDir>
#include <QDirIterator>
#include <QHash>

#include <algorithm>
#include <mutex>
#include <vector>

namespace clip {

namespace {

double Median(std::vector<double> Values)
{
    std::sort(Values.begin(), Values.end());
    const std::size_t n = Values.size();
    return n % 2 ? Values[n / 2] : (Values[n / 2 - 1] + Values[n / 2]) / 2.0;
}

double Measure(const QStringList& Folders)
{
    std::vector<double> levels;
    for (const QString& folder : Folders) {
        QDirIterator it(folder, {QStringLiteral("*.mp3")}, QDir::Files);
        while (it.hasNext()) {
            const TMp3Result decoded = Mp3DecodeFile(it.next());
            if (!decoded.Ok()) continue;
            const loudness::TClipMeasure m = loudness::Measure(
                loudness::ToMonoFloat(decoded.Sound.Samples, decoded.Sound.Channels), decoded.Sound.SampleRate);
            if (!m.Silent) levels.push_back(m.LoudnessDb);
        }
    }
    return levels.empty() ? kDefaultLoudnessDb : Median(std::move(levels));
}

}  // namespace

double MedianLoudnessDb(const QStringList& Folders)
{
    static std::mutex guard;
    static QHash<QString, double> remembered;
    const QString key = Folders.join(QLatin1Char('\n'));
    {
        std::lock_guard lock(guard);
        if (auto it = remembered.constFind(key); it != remembered.constEnd()) return *it;
    }
    const double median = Measure(Folders);
    std::lock_guard lock(guard);
    remembered.insert(key, median);
    return median;
}

QStringList LetterClipFolders(const QStringList& Roots, const QString& Voice)
{
    namespace layout = content::layout;
    QStringList folders;
    for (const QString& root : Roots)
        for (const QString& letters : {layout::kLetterNames, layout::kLetterSounds})
            folders << QDir(root).filePath(layout::kSoundRoot + Voice + u'/' + letters);
    return folders;
}

}  // namespace clip
