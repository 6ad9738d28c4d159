#include "content/ContentGenerator.h"

#include "content/IconArt.h"
#include "content/IconPackage.h"
#include "content/PictureMaker.h"
#include "content/SpeechSynthesizer.h"
#include "core/ContentLayout.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QMutex>
#include <QSaveFile>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>
#include <functional>

namespace content {

namespace {

// One file of the tree: how to make it, and the recipe that says whether the file on disk is current.
struct TJob {
    QString RelPath;
    QString Source;  // who made it, for the credits: "espeak-ng" or the picture source
    QByteArray RecipeHash;
    std::function<bool(const QString& Path, QString& Error)> Make;
};

QByteArray Hash(const QString& Recipe)
{
    return QCryptographicHash::hash(Recipe.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
}

bool WriteFileAtomically(const QString& Path, const QByteArray& Bytes, QString& Error)
{
    QSaveFile f(Path);
    if (!f.open(QIODevice::WriteOnly) || f.write(Bytes) != Bytes.size() || !f.commit()) {
        Error = QStringLiteral("cannot write ") + Path;
        return false;
    }
    return true;
}

// A vowel's name said on its own is very short; it is stretched to this length.
constexpr double kMinVowelNameSeconds = 0.5;

QList<TJob> PlanSpeech(const TContentData& Data)
{
    QList<TJob> jobs;
    const auto add = [&](const QString& RelPath, const TSpeechRequest& Request) {
        const QString recipe = TSpeechSynthesizer::Recipe() + u'|' + Request.Voice + u'|' + Request.Text + u'|' +
                               QString::number(Request.Phonemes) + u'|' + QString::number(Request.MinSeconds);
        jobs.append({RelPath, QStringLiteral("espeak-ng"), Hash(recipe), [Request](const QString& Path, QString& Error) {
                         // lame writes the file itself: let it write beside and move it into place.
                         const QString part = Path + QStringLiteral(".part.mp3");
                         if (!TSpeechSynthesizer().MakeMp3(Request, part, Error)) return QFile::remove(part), false;
                         QFile::remove(Path);
                         return QFile::rename(part, Path);
                     }});
    };
    for (const TVoiceEntry& voice : Data.Voices) {
        const QString root = layout::kSoundRoot + voice.Folder + u'/';
        for (const TLetterEntry& letter : Data.Letters) {
            const bool vowelName = letter.Kind == u"vowel";
            add(root + layout::kLetterNames + letter.Small + QStringLiteral(".mp3"),
                {voice.EspeakVoice, letter.NameText, false, vowelName ? kMinVowelNameSeconds : 0.0});
            if (letter.HasSound())
                add(root + layout::kLetterSounds + letter.Small + QStringLiteral(".mp3"),
                    {voice.EspeakVoice, letter.SoundPhonemes, true, 0.0});
        }
        for (const TPhraseEntry& phrase : Data.Phrases)
            add(root + layout::kPhrases + phrase.RelativePath, {voice.EspeakVoice, phrase.Text, false, 0.0});
    }
    return jobs;
}

// Art may be null when the jobs are planned only to compare recipes.
QList<TJob> PlanPictures(const TContentData& Data, const QString& ArtId, const IIconArt* Art)
{
    QList<TJob> jobs;
    const auto add = [&](const QString& RelPath, const TPictureRef& Picture, const QString& Recipe,
                         std::function<QByteArray()> Bytes) {
        jobs.append(
            {RelPath, ArtId, Hash(PictureRecipe() + u'|' + ArtId + u'|' + Recipe),
             [Bytes, Picture, Art](const QString& Path, QString& Error) {
                 if (!Art->Has(Picture)) {
                     Error = QStringLiteral("%1 has no picture %2 (%3)").arg(Art->Id(), Picture.Icon, Picture.CodePoints);
                     return false;
                 }
                 return WriteFileAtomically(Path, Bytes(), Error);
             }});
    };
    for (int i = 0; i < Data.Letters.size(); ++i) {
        const TLetterEntry& l = Data.Letters[i];
        add(layout::kLetterPictures + l.Small + QStringLiteral(".jpg"), l.CardPicture,
            QStringLiteral("card|%1|%2|%3|%4").arg(i).arg(l.Capital + l.Small, l.CardPicture.Icon, l.CardPicture.CodePoints),
            [l, i, Art] { return JpegBytes(LetterCard(l, i, *Art)); });
    }
    for (const TWordEntry& w : Data.Words)
        add(layout::kWordPictures + w.Word + QStringLiteral(".jpg"), w.Picture,
            QStringLiteral("word|%1|%2").arg(w.Picture.Icon, w.Picture.CodePoints),
            [w, Art] { return JpegBytes(WordPicture(w, *Art)); });
    for (const TColouringPage& page : Data.Pages)
        add(layout::kColouringRoot + page.Theme + u'/' + page.Word + QStringLiteral(".flim"), page.Picture,
            QStringLiteral("page|%1|%2|%3").arg(page.Word, page.Picture.Icon, page.Picture.CodePoints),
            [page, Art] { return StoredColouringPage(ColouringPage(page, *Art)); });
    return jobs;
}

// The manifest: for every file made, its recipe hash and its source.
struct TManifestEntry {
    QByteArray RecipeHash;
    QString Source;
};
using TManifest = QMap<QString, TManifestEntry>;

TManifest ReadManifest(const QString& Path)
{
    TManifest m;
    QFile f(Path);
    if (!f.open(QIODevice::ReadOnly)) return m;
    for (const QByteArray& line : f.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() == 3) m.insert(QString::fromUtf8(fields[2]), {fields[0], QString::fromUtf8(fields[1])});
    }
    return m;
}

bool Current(const TJob& Job, const TManifest& Manifest, const QString& Root)
{
    const auto it = Manifest.constFind(Job.RelPath);
    return it != Manifest.constEnd() && it->RecipeHash == Job.RecipeHash && QFileInfo::exists(Root + Job.RelPath);
}

QString Credits(const QSet<QString>& Sources, const QList<TVoiceEntry>& Voices)
{
    QStringList voices;
    for (const TVoiceEntry& v : Voices) voices << v.EspeakVoice;
    QString text =
        QStringLiteral(
            "Кварнель demo content\n"
            "=====================\n\n"
            "This tree was generated at build time by tools/kvarnel_content_gen from the tables in tools/data.\n\n"
            "Speech: synthesized with eSpeak NG (GPL-3.0-or-later), voices %1, encoded with LAME (LGPL-2.0).\n")
            .arg(voices.join(QStringLiteral(", ")));
    if (Sources.contains(TFluentIconArt::kId))
        text += QStringLiteral(
                    "Pictures: Fluent Emoji \"flat\" by Microsoft Corporation, MIT License,\n"
                    "  https://github.com/microsoft/fluentui-emoji/blob/main/LICENSE (npm package %1@%2).\n")
                    .arg(kIconPackage, kIconPackageVersion);
    if (Sources.contains(TEmojiFontArt::kId))
        text += QStringLiteral(
            "Pictures: Noto Color Emoji by Google, SIL Open Font License 1.1 (Debian fonts-noto-color-emoji),\n"
            "  https://github.com/googlefonts/noto-emoji.\n");
    text += QStringLiteral(
        "Colouring pages: outlines redrawn from the same pictures.\n"
        "Fonts: Open Sans ExtraBold (Apache License 2.0, Debian fonts-open-sans) for the letters and the page titles.\n");
    return text;
}

// The SVG set if it is cached or can be fetched, else the colour emoji font (saying why in Notes).
std::unique_ptr<IIconArt> ChoosePictureSource(const TGeneratorOptions& Options, QStringList& Notes)
{
    QString why;
    const TIconPackage package(Options.CacheFolder);
    const QString json = Options.Offline ? package.CachedIconsJson() : package.IconsJson(why);
    if (json.isEmpty() && why.isEmpty()) why = QStringLiteral("offline and the picture package is not cached");
    if (!json.isEmpty())
        if (std::unique_ptr<TFluentIconArt> fluent = TFluentIconArt::FromFile(json, why)) return fluent;
    Notes << QStringLiteral("pictures from the colour emoji font: ") + why;
    return std::make_unique<TEmojiFontArt>();
}

}  // namespace

TContentGenerator::TContentGenerator(TContentData ContentData, TGeneratorOptions GeneratorOptions)
    : Data(std::move(ContentData)), Options(std::move(GeneratorOptions))
{
    if (!Options.OutputRoot.endsWith(u'/')) Options.OutputRoot += u'/';
}

QStringList TContentGenerator::PlannedFiles() const
{
    QStringList files;
    for (const TJob& job : PlanSpeech(Data) + PlanPictures(Data, QString(), nullptr)) files << job.RelPath;
    return files;
}

TGeneratorReport TContentGenerator::Run()
{
    TGeneratorReport report;
    const QString root = Options.OutputRoot;
    const QString manifestPath = root + ManifestName();
    TManifest manifest = ReadManifest(manifestPath);

    // The picture source is looked for only when some picture must be drawn: the SVG set first,
    // the emoji font when it cannot be had (and pictures the font drew stay until the set is back).
    std::unique_ptr<IIconArt> art;
    QList<TJob> pictures = PlanPictures(Data, TFluentIconArt::kId, nullptr);
    if (!std::all_of(pictures.begin(), pictures.end(), [&](const TJob& j) { return Current(j, manifest, root); })) {
        art = ChoosePictureSource(Options, report.Notes);
        report.PictureSource = art->Id();
        pictures = PlanPictures(Data, art->Id(), art.get());
    }

    QList<TJob> all = PlanSpeech(Data) + pictures;
    report.Planned = int(all.size());
    QList<TJob> todo;
    for (const TJob& job : all)
        if (!Current(job, manifest, root)) todo.append(job);
    for (const TJob& job : todo) QDir().mkpath(QFileInfo(root + job.RelPath).path());
    QMutex lock;
    QThreadPool pool;
    pool.setMaxThreadCount(std::max(2, QThread::idealThreadCount()));
    QtConcurrent::blockingMap(&pool, todo, [&](const TJob& job) {
        QString error;
        const bool ok = job.Make(root + job.RelPath, error);
        QMutexLocker guard(&lock);
        if (ok) {
            manifest.insert(job.RelPath, {job.RecipeHash, job.Source});
            ++report.Made;
        } else {
            manifest.remove(job.RelPath);
            report.Errors << job.RelPath + QStringLiteral(": ") + error;
        }
    });

    // Files an earlier run made that the tables no longer ask for.
    QSet<QString> planned;
    for (const TJob& job : all) planned.insert(job.RelPath);
    for (auto it = manifest.begin(); it != manifest.end();) {
        if (!planned.contains(it.key())) {
            if (QFile::remove(root + it.key())) ++report.Removed;
            it = manifest.erase(it);
        } else {
            ++it;
        }
    }

    QByteArray manifestText;
    QSet<QString> sources;
    for (auto it = manifest.cbegin(); it != manifest.cend(); ++it) {
        manifestText += it->RecipeHash + '\t' + it->Source.toUtf8() + '\t' + it.key().toUtf8() + '\n';
        sources.insert(it->Source);
    }
    QString error;
    if (!WriteFileAtomically(manifestPath, manifestText, error) ||
        !WriteFileAtomically(root + CreditsName(), Credits(sources, Data.Voices).toUtf8(), error))
        report.Errors << error;
    return report;
}

}  // namespace content
