// Content in layers: where the program looks, which file wins, what a listing holds, and what a
// path outside the content is left as.
#include "platform/ContentRoots.h"
#include "support/QtPrint.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

void Put(const QString& Path, const QByteArray& Bytes = "x")
{
    QDir().mkpath(QFileInfo(Path).path());
    QFile f(Path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << Path.toStdString();
    f.write(Bytes);
}

QByteArray Read(const QString& Path)
{
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Sets an environment variable for the life of the object, and puts the old value back.
class TEnv {
public:
    TEnv(const char* Name, const QByteArray& Value) : FName(Name), FHad(qEnvironmentVariableIsSet(Name)), FOld(qgetenv(Name))
    {
        qputenv(Name, Value);
    }
    ~TEnv()
    {
        if (FHad)
            qputenv(FName, FOld);
        else
            qunsetenv(FName);
    }

private:
    const char* FName;
    bool FHad;
    QByteArray FOld;
};

// A user's folder over an installed one, both with content.
struct TLayers {
    QTemporaryDir UserDir, InstalledDir;
    QString User = UserDir.path() + "/";
    QString Installed = InstalledDir.path() + "/";
    TContentRoots Roots{QStringList{User, Installed}};

    // A path as the program builds it: against the installed (last) root.
    QString At(const char* Relative) const { return Installed + QString::fromUtf8(Relative); }
};

}  // namespace

TEST(ContentRoots, AUsersFileHidesTheInstalledOneAndTheRestComesFromTheInstalledRoot)
{
    TLayers l;
    Put(l.At("Sound/Женский голос/Буквы/а.mp3"), "installed");
    Put(l.At("Sound/Женский голос/Буквы/б.mp3"), "installed");
    Put(l.User + QStringLiteral("Sound/Женский голос/Буквы/а.mp3"), "mine");

    EXPECT_EQ(l.Roots.Base(), l.Installed);
    EXPECT_EQ(Read(l.Roots.Locate(l.At("Sound/Женский голос/Буквы/а.mp3"))), "mine");
    EXPECT_EQ(Read(l.Roots.Locate(l.At("Sound/Женский голос/Буквы/б.mp3"))), "installed");
    EXPECT_TRUE(l.Roots.FileExists(l.At("Sound/Женский голос/Буквы/б.mp3")));
    // Missing everywhere: the path where it was expected, in the installed root.
    EXPECT_FALSE(l.Roots.FileExists(l.At("Sound/Женский голос/Буквы/в.mp3")));
    EXPECT_EQ(l.Roots.Locate(l.At("Sound/Женский голос/Буквы/в.mp3")), l.At("Sound/Женский голос/Буквы/в.mp3"));
    // A folder of the name in the user's root does not hide the installed file.
    QDir().mkpath(l.User + QStringLiteral("Pic/Images/Rus/кот.jpg"));
    Put(l.At("Pic/Images/Rus/кот.jpg"), "installed");
    EXPECT_EQ(Read(l.Roots.Locate(l.At("Pic/Images/Rus/кот.jpg"))), "installed");
    // A folder that only the user has still exists.
    QDir().mkpath(l.User + QStringLiteral("Pic/Raskraska/Мои"));
    EXPECT_TRUE(l.Roots.DirectoryExists(l.At("Pic/Raskraska/Мои")));
}

TEST(ContentRoots, AListedFolderIsTheUnionInListingOrderEachNameOnce)
{
    TLayers l;
    for (const char* n : {"Вишня.jpg", "банан.jpg", "енот.jpg", ".скрытый.jpg", "рис.png"})
        Put(l.At("Pic/Images/Rus/") + QString::fromUtf8(n), "installed");
    for (const char* n : {"Арбуз.jpg", "банан.jpg", "ёж.jpg", ".мой.jpg"})
        Put(l.User + "Pic/Images/Rus/" + QString::fromUtf8(n), "mine");
    const QString folder = l.At("Pic/Images/Rus/");

    const QStringList names = l.Roots.ListFiles(folder, QStringLiteral("*.jpg;*jpeg"));
    EXPECT_EQ(names, (QStringList{"Арбуз.jpg", "банан.jpg", "Вишня.jpg", "ёж.jpg", "енот.jpg"}));
    EXPECT_EQ(Read(l.Roots.Locate(folder + "банан.jpg")), "mine");
    EXPECT_EQ(Read(l.Roots.Locate(folder + "Вишня.jpg")), "installed");

    // Sub-folders likewise: a theme of the user's beside the installed ones.
    QDir().mkpath(l.At("Pic/Raskraska/Еда"));
    QDir().mkpath(l.At("Pic/Raskraska/Звери"));
    QDir().mkpath(l.User + "Pic/Raskraska/Звери");
    QDir().mkpath(l.User + "Pic/Raskraska/Автобусы");
    EXPECT_EQ(l.Roots.ListSubFolders(l.At("Pic/Raskraska")), (QStringList{"Автобусы", "Еда", "Звери"}));
    // A folder only one root has is listed from that root alone; one no root has lists nothing.
    EXPECT_EQ(l.Roots.ListFiles(l.At("Pic/Alphabet/Rus/")), QStringList());
}

TEST(ContentRoots, APathOutsideTheContentIsTakenAsItStands)
{
    TLayers l;
    QTemporaryDir elsewhere;
    const QString file = elsewhere.path() + "/звук.mp3";
    Put(file);
    EXPECT_EQ(l.Roots.Locate(file), file);
    EXPECT_TRUE(l.Roots.FileExists(file));
    EXPECT_EQ(l.Roots.ListFiles(elsewhere.path() + "/"), QStringList{"звук.mp3"});
}

TEST(ContentRoots, TheProgramLooksInTheUsersFolderItsOwnTheSystemsAndBesideItsPrefixOnce)
{
    QTemporaryDir home, sys1, sys2, prefix;
    const TEnv dataHome("XDG_DATA_HOME", QFile::encodeName(home.path()));
    const TEnv dataDirs("XDG_DATA_DIRS",
                        QFile::encodeName(sys1.path() + ":" + sys2.path() + ":" + prefix.path() + "/share"));
    const QString program = prefix.path() + "/bin/";
    QDir().mkpath(program);

    const QStringList candidates = TContentRoots::Candidates(program, QStringLiteral("../share/kvarnel"));
    EXPECT_EQ(candidates, (QStringList{home.path() + "/kvarnel/", program, sys1.path() + "/kvarnel/",
                                       sys2.path() + "/kvarnel/", prefix.path() + "/share/kvarnel/"}))
        << "the prefix's share folder is both a data dir and the one beside the program: looked at once";

    // Only folders with content are roots: the program's own folder has none, the user's has only
    // pictures, the second system folder has nothing at all.
    QDir().mkpath(home.path() + "/kvarnel/Pic");
    QDir().mkpath(sys1.path() + "/kvarnel/Sound");
    QDir().mkpath(sys2.path() + "/kvarnel");
    QDir().mkpath(prefix.path() + "/share/kvarnel/Sound");
    const TContentRoots roots = TContentRoots::Discover(program, QStringLiteral("../share/kvarnel"));
    EXPECT_EQ(roots.Folders(),
              (QStringList{home.path() + "/kvarnel/", sys1.path() + "/kvarnel/", prefix.path() + "/share/kvarnel/"}));
    EXPECT_EQ(roots.Searched(), candidates);
    EXPECT_EQ(roots.Base(), prefix.path() + "/share/kvarnel/");

    // The family's own folder stays the first root while it is empty, so what is added there
    // later is found without a new start.
    QDir(home.path() + "/kvarnel").removeRecursively();
    EXPECT_EQ(TContentRoots::Discover(program, QStringLiteral("../share/kvarnel")).Folders().value(0),
              home.path() + "/kvarnel/");
}

TEST(ContentRoots, NoContentAnywhereGivesNoRootAndTheListOfPlacesSearched)
{
    QTemporaryDir home, sys, program;
    const TEnv dataHome("XDG_DATA_HOME", QFile::encodeName(home.path()));
    const TEnv dataDirs("XDG_DATA_DIRS", QFile::encodeName(sys.path()));
    const TContentRoots roots = TContentRoots::Discover(program.path(), QStringLiteral("../share/kvarnel"));
    EXPECT_TRUE(roots.IsEmpty());
    EXPECT_EQ(roots.Base(), QString());
    EXPECT_EQ(roots.Searched().size(), 4);
    // Paths then pass through as they are.
    EXPECT_FALSE(roots.FileExists(program.path() + "/Sound/x.mp3"));
}
