// The tables the demo content is made from: a complete alphabet, and words both games can ask for.
#include "content/ContentData.h"
#include "content/IconArt.h"
#include "content/IconPackage.h"
#include "support/QtPrint.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>

using namespace content;

namespace {
const TContentData& Tables()
{
    static const TContentData data = [] {
        QString error;
        TContentData d = TContentData::Load(QStringLiteral(KV_CONTENT_DATA), error);
        EXPECT_EQ(error, QString());
        return d;
    }();
    return data;
}

QList<TPictureRef> AllPictures()
{
    QList<TPictureRef> refs;
    for (const TLetterEntry& l : Tables().Letters) refs << l.CardPicture;
    for (const TWordEntry& w : Tables().Words) refs << w.Picture;
    for (const TColouringPage& p : Tables().Pages) refs << p.Picture;
    return refs;
}
}  // namespace

TEST(ContentTables, AlphabetIsCompleteAndInOrder)
{
    const QList<TLetterEntry>& letters = Tables().Letters;
    ASSERT_EQ(letters.size(), 33);
    for (int i = 0; i < 33; ++i) {
        const TLetterEntry& l = letters[i];
        SCOPED_TRACE(l.Small.toStdString());
        EXPECT_EQ(l.Small, kSmallLetters.mid(i, 1));
        EXPECT_EQ(l.Capital, l.Small.toUpper());
        EXPECT_FALSE(l.NameText.isEmpty());
        EXPECT_FALSE(l.CardPicture.Icon.isEmpty());
        EXPECT_FALSE(l.CardPicture.CodePoints.isEmpty());
        EXPECT_TRUE(l.CardWord.contains(l.Small)) << "the card's word must hold its letter: " << l.CardWord.toStdString();
        const bool sign = l.Small == u"ъ" || l.Small == u"ь";
        EXPECT_EQ(l.HasSound(), !sign);
        EXPECT_EQ(l.Kind == u"sign", sign);
    }
}

TEST(ContentTables, EveryWordCanBeAskedAndEveryFirstLetterIsCovered)
{
    QSet<QString> seen, firstLetters;
    for (const TWordEntry& w : Tables().Words) {
        EXPECT_TRUE(IsAnswerableWord(w.Word)) << w.Word.toStdString();
        EXPECT_FALSE(seen.contains(w.Word)) << "twice: " << w.Word.toStdString();
        seen.insert(w.Word);
        firstLetters.insert(w.Word.left(1));
    }
    EXPECT_GE(Tables().Words.size(), 50);
    // Every letter a Russian word can begin with; й and ю only where a picture exists.
    for (QChar ch : QStringLiteral("абвгдеёжзиклмнопрстуфхцчшщэя"))
        EXPECT_TRUE(firstLetters.contains(QString(ch))) << "no word begins with " << QString(ch).toStdString();
    for (QChar ch : QStringLiteral("ъыь")) EXPECT_FALSE(firstLetters.contains(QString(ch)));
}

TEST(ContentTables, AnswerableWordsUseTheThirtyThreeSmallLettersOnly)
{
    EXPECT_TRUE(IsAnswerableWord(QStringLiteral("ёж")));
    EXPECT_TRUE(IsAnswerableWord(QStringLiteral("подъезд")));
    EXPECT_FALSE(IsAnswerableWord(QString()));
    EXPECT_FALSE(IsAnswerableWord(QStringLiteral("йо-йо")));
    EXPECT_FALSE(IsAnswerableWord(QStringLiteral("Кот")));
    EXPECT_FALSE(IsAnswerableWord(QStringLiteral("кот 2")));
    EXPECT_FALSE(IsAnswerableWord(QStringLiteral("cat")));
}

TEST(ContentTables, ThemesHaveFiveToEightPagesAndBothVoicesExist)
{
    QMap<QString, int> pages;
    for (const TColouringPage& p : Tables().Pages) ++pages[p.Theme];
    EXPECT_GE(pages.size(), 3);
    EXPECT_LE(pages.size(), 4);
    for (auto it = pages.cbegin(); it != pages.cend(); ++it) {
        EXPECT_GE(it.value(), 5) << it.key().toStdString();
        EXPECT_LE(it.value(), 8) << it.key().toStdString();
    }
    QStringList folders;
    for (const TVoiceEntry& v : Tables().Voices) folders << v.Folder;
    EXPECT_EQ(folders, (QStringList{QStringLiteral("Женский голос"), QStringLiteral("Мужской голос")}));
    EXPECT_NE(Tables().Voices[0].EspeakVoice, Tables().Voices[1].EspeakVoice);
}

TEST(ContentTables, MalformedRowsAreReported)
{
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("words.txt")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("# comment\n\nкот\tcat\t1f408\nсобака\tdog\n");
    f.close();
    QString error;
    const TContentData data = TContentData::Load(dir.path(), error);
    EXPECT_EQ(data.Words.size(), 1);
    EXPECT_TRUE(error.contains(QStringLiteral("words.txt:4"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("letters.txt"))) << "a missing table is named";
}

// Offline builds draw from the emoji font: it must have every picture the tables name.
TEST(ContentTables, EmojiFontHasEveryPicture)
{
    const TEmojiFontArt font;
    for (const TPictureRef& ref : AllPictures())
        EXPECT_TRUE(font.Has(ref)) << ref.Icon.toStdString() << " " << ref.CodePoints.toStdString();
}

TEST(ContentTables, SvgSetHasEveryPicture)
{
    const QString json = TIconPackage(QStringLiteral(KV_BUILD_TREE "/content-cache")).CachedIconsJson();
    if (json.isEmpty()) GTEST_SKIP() << "the picture package was not fetched (no network at build time)";
    QString error;
    const auto art = TFluentIconArt::FromFile(json, error);
    ASSERT_TRUE(art) << error.toStdString();
    for (const TPictureRef& ref : AllPictures()) EXPECT_TRUE(art->Has(ref)) << ref.Icon.toStdString();
}
