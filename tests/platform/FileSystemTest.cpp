#include "platform/FileSystem.h"
#include "support/QtPrint.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {
void Touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
}
}  // namespace

TEST(FileSystem, ListsOrdinaryVisibleFilesInCaseInsensitiveRussianOrder)
{
    QTemporaryDir tmp;
    const QString d = tmp.path() + "/";
    for (const char* n : {"Вишня.jpg", "банан.jpg", "Арбуз.jpg", "ёж.jpg", "енот.jpg", "жук.jpg", ".скрытый.jpg"})
        Touch(d + QString::fromUtf8(n));
    QDir(d).mkdir(QStringLiteral("папка.jpg"));
    const QStringList got = fs::ListFiles(d, QStringLiteral("*.jpg"));
    const QStringList want = {QStringLiteral("Арбуз.jpg"), QStringLiteral("банан.jpg"), QStringLiteral("Вишня.jpg"),
                              // ё sorts as е: ёж before енот because ж comes before н
                              QStringLiteral("ёж.jpg"), QStringLiteral("енот.jpg"), QStringLiteral("жук.jpg")};
    EXPECT_EQ(got, want);
}

TEST(FileSystem, MasksAreSemicolonSeparatedCaseInsensitiveWildcards)
{
    QTemporaryDir tmp;
    const QString d = tmp.path();
    for (const char* n : {"кот.jpg", "КИТ.JPG", "котjpeg", "сом.jpeg", "рис.png", "a.flim", "temp.tmp", "b1.x", "b22.x"})
        Touch(d + "/" + QString::fromUtf8(n));
    EXPECT_EQ(fs::ListFiles(d, QStringLiteral("*.jpg;*jpeg")),
              (QStringList{QStringLiteral("КИТ.JPG"), QStringLiteral("кот.jpg"), QStringLiteral("котjpeg"),
                           QStringLiteral("сом.jpeg")}));
    EXPECT_EQ(fs::ListFiles(d, QStringLiteral("*.flim")), QStringList{QStringLiteral("a.flim")});
    EXPECT_EQ(fs::ListFiles(d, QStringLiteral("b?.x")), QStringList{QStringLiteral("b1.x")});
    EXPECT_EQ(fs::ListFiles(d).size(), 9);
    EXPECT_TRUE(fs::ListFiles(d + "/нет такой").isEmpty());
}

TEST(FileSystem, SubFoldersAndExistence)
{
    QTemporaryDir tmp;
    QDir d(tmp.path());
    for (const char* n : {"Транспорт", "животные", "Еда", ".скрытая"}) d.mkdir(QString::fromUtf8(n));
    Touch(tmp.path() + "/файл");
    EXPECT_EQ(fs::ListSubFolders(tmp.path()),
              (QStringList{QStringLiteral("Еда"), QStringLiteral("животные"), QStringLiteral("Транспорт")}));
    EXPECT_TRUE(fs::DirectoryExists(tmp.path() + "/Еда/"));
    EXPECT_FALSE(fs::DirectoryExists(tmp.path() + "/файл"));
    EXPECT_TRUE(fs::FileExists(tmp.path() + "/файл"));
    EXPECT_FALSE(fs::FileExists(tmp.path() + "/Еда"));
    EXPECT_FALSE(fs::DirectoryExists(QString()));
}

TEST(FileSystem, NamesThatAreNotUtf8AreFoundAndShownByteForByte)
{
    QTemporaryDir tmp;
    const QByteArray dir = QFile::encodeName(tmp.path()) + '/';
    for (const QByteArray& name :
         {QByteArray("\xea\xee\xf2.jpg"), QByteArray("ёж\xff.jpg"), QByteArray(".\xff"), QByteArray("кот.jpg")}) {
        FILE* f = std::fopen((dir + name).constData(), "wb");
        ASSERT_NE(f, nullptr);
        std::fclose(f);
    }
    EXPECT_EQ(fs::ListUndecodableNames(tmp.path()),
              (QStringList{QStringLiteral("\\xea\\xee\\xf2.jpg"), QStringLiteral("ёж\\xff.jpg")}));
    EXPECT_EQ(fs::ListFiles(tmp.path()), QStringList{QStringLiteral("кот.jpg")}) << "the listing cannot hold them";
}
