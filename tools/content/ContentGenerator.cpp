#include "content/ContentGenerator.h"

#include "content/CommittedSpeech.h"
#include "content/IconArt.h"
#include "content/IconPackage.h"
#include "content/PictureMaker.h"
#include "content/SpeechSynthesizer.h"
#include "core/ContentLayout.h"
#include "core/Syllables.h"

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
    QString Source;  // who made it, for the credits: kEspeakSource, a committed clip's voice or the picture source
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
// A drawn-out syllable lasts at least this long.
constexpr double kMinDrawnOutSeconds = 0.8;

const QString kEspeakSource = QStringLiteral("espeak-ng");
const QString kRhvoicePrefix = QStringLiteral("rhvoice:");

QList<TJob> PlanSpeech(const TContentData& Data, const TCommittedSpeech& Committed)
{
    QList<TJob> jobs;
    const auto add = [&](const QString& RelPath, const TSpeechRequest& Request) {
        const QString underSound = RelPath.mid(layout::kSoundRoot.size());
        if (const TSpeechRecord* record = Committed.Find(underSound)) {
            const QString source = Committed.Folder + underSound;
            QFile f(source);
            const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            jobs.append({RelPath, kRhvoicePrefix + record->Voice,
                         QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(16),
                         [bytes](const QString& Path, QString& Error) { return WriteFileAtomically(Path, bytes, Error); }});
            return;
        }
        const QString recipe = TSpeechSynthesizer::Recipe() + u'|' + Request.Voice + u'|' + Request.Text + u'|' +
                               QString::number(Request.Phonemes) + u'|' + QString::number(Request.MinSeconds);
        jobs.append({RelPath, kEspeakSource, Hash(recipe), [Request](const QString& Path, QString& Error) {
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
        // "Слоги": every syllable as it is read and drawn out (eSpeak NG can only say it slowly), every word.
        if (!Data.Syllables) continue;
        for (const syllables::TSyllable& s : syllables::AllSyllables()) {
            add(root + layout::kSyllables + s.Text + QStringLiteral(".mp3"), {voice.EspeakVoice, s.Text, false, 0.0});
            add(root + layout::kDrawnOutSyllables + s.Text + QStringLiteral(".mp3"),
                {voice.EspeakVoice, s.Text, false, kMinDrawnOutSeconds});
        }
        for (const syllables::TWord& w : syllables::Words())
            add(root + layout::kWords + w.Text + QStringLiteral(".mp3"), {voice.EspeakVoice, w.Text, false, 0.0});
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

QString Credits(const QSet<QString>& Sources, const QList<TVoiceEntry>& Voices, const TCommittedSpeech& Committed)
{
    QString text = QStringLiteral(
        "Кварнель demo content\n"
        "=====================\n\n"
        "This tree was generated at build time by tools/kvarnel_content_gen from the tables in tools/data.\n\n");
    QStringList rhvoices;
    for (const QString& source : Sources)
        if (source.startsWith(kRhvoicePrefix)) rhvoices << source.mid(kRhvoicePrefix.size());
    rhvoices.sort();
    for (const QString& voice : rhvoices) {
        const TSpeechVoice v = Committed.Voices.value(voice);
        text += QStringLiteral(
                    "Speech: synthesized with RHVoice (https://github.com/RHVoice/RHVoice), Russian voice \"%1\",\n"
                    "  %2, copyright %3; made by scripts/make-speech.sh,\n"
                    "  recorded clip by clip in tools/data/speech/clips.txt, encoded with LAME.\n")
                    .arg(voice, v.Licence, v.Copyright);
    }
    if (Sources.contains(kEspeakSource)) {
        QStringList voices;
        for (const TVoiceEntry& v : Voices) voices << v.EspeakVoice;
        text += QStringLiteral(
                    "Speech (clips the repository lacks): synthesized with eSpeak NG (GPL-3.0-or-later), voices %1,\n"
                    "  encoded with LAME.\n")
                    .arg(voices.join(QStringLiteral(", ")));
    }
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

// The DEP-5 paragraphs of the content as installed under usr/share/kvarnel: one per source, naming a
// whole folder when all of it came from that source, else each file ('?' stands for a space).
QString ContentCopyright(const TManifest& Manifest, const TCommittedSpeech& Committed)
{
    const auto folderOf = [](const QString& RelPath) {
        return RelPath.startsWith(layout::kSoundRoot) ? RelPath.section(u'/', 0, 1) : RelPath.section(u'/', 0, 0);
    };
    QMap<QString, QSet<QString>> sourcesOfFolder;
    for (auto it = Manifest.cbegin(); it != Manifest.cend(); ++it) sourcesOfFolder[folderOf(it.key())].insert(it->Source);
    QMap<QString, QStringList> patterns;  // by source
    for (auto it = Manifest.cbegin(); it != Manifest.cend(); ++it) {
        const QString folder = folderOf(it.key());
        const QString pattern = sourcesOfFolder[folder].size() == 1 ? folder + QStringLiteral("/*") : it.key();
        QStringList& list = patterns[it->Source];
        const QString installed = QStringLiteral("usr/share/kvarnel/") + QString(pattern).replace(u' ', u'?');
        if (!list.contains(installed)) list << installed;
    }
    QString text;
    for (auto it = patterns.cbegin(); it != patterns.cend(); ++it) {
        QString copyright, licence, comment;
        if (it.key().startsWith(kRhvoicePrefix)) {
            const TSpeechVoice v = Committed.Voices.value(it.key().mid(kRhvoicePrefix.size()));
            copyright = v.Copyright;
            licence = QString(v.Licence)
                          .replace(QStringLiteral(".0-or-later"), QStringLiteral("+"))
                          .replace(QStringLiteral("-or-later"), QStringLiteral("+"));
            comment = QStringLiteral(
                          "Speech synthesized with RHVoice, voice \"%1\"; the text and making of each\n"
                          " clip are in tools/data/speech/clips.txt of the source.")
                          .arg(v.Voice);
        } else if (it.key() == kEspeakSource) {
            copyright = QStringLiteral("eSpeak NG contributors");
            licence = QStringLiteral("GPL-3+");
            comment = QStringLiteral("Speech synthesized with eSpeak NG.");
        } else if (it.key() == TFluentIconArt::kId) {
            copyright = QStringLiteral("Microsoft Corporation");
            licence = QStringLiteral("Expat");
            comment = QStringLiteral("Drawn from Fluent Emoji \"flat\" (npm package %1@%2).")
                          .arg(kIconPackage, kIconPackageVersion);
        } else {
            copyright = QStringLiteral("2013-2017 Google Inc.");
            licence = QStringLiteral("OFL-1.1");
            comment = QStringLiteral("Drawn from the Noto Color Emoji font (Debian fonts-noto-color-emoji).");
        }
        text += QStringLiteral("Files: %1\nCopyright: %2\nLicense: %3\nComment: %4\n\n")
                    .arg(it.value().join(QStringLiteral("\n ")), copyright, licence, comment);
    }
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
    for (const TJob& job : PlanSpeech(Data, TCommittedSpeech()) + PlanPictures(Data, QString(), nullptr))
        files << job.RelPath;
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

    QString speechError;
    const TCommittedSpeech committed = TCommittedSpeech::Load(Options.SpeechFolder, speechError);
    if (!speechError.isEmpty()) report.Errors << speechError.trimmed();
    const QList<TJob> speech = PlanSpeech(Data, committed);
    QStringList spoken;
    for (const TJob& job : speech)
        if (job.Source == kEspeakSource) spoken << job.RelPath;
    if (!spoken.isEmpty())
        report.Notes << QStringLiteral(
                            "%1 of %2 clips not in the repository's speech folder, said by eSpeak NG instead: %3%4")
                            .arg(spoken.size())
                            .arg(speech.size())
                            .arg(spoken.mid(0, 3).join(QStringLiteral(", ")),
                                 spoken.size() > 3 ? QStringLiteral(", …") : QString());

    QList<TJob> all = speech + pictures;
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
        !WriteFileAtomically(root + CreditsName(), Credits(sources, Data.Voices, committed).toUtf8(), error) ||
        !WriteFileAtomically(root + CopyrightName(), ContentCopyright(manifest, committed).toUtf8(), error))
        report.Errors << error;
    return report;
}

}  // namespace content
