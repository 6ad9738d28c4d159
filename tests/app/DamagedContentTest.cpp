// Every kind of damaged content a parent may copy in, run through the whole program: the window,
// its loader, the real sound (SDL's dummy driver) and the games, with the dialogs recorded. Each
// case builds its tree in a temporary folder, usually as a parent's folder in front of the demo
// content, and checks the boxes the user sees (one per broken thing, naming the file and the
// reason), that the program goes on, and that nothing is written into any content folder.
#include "app/MainForm.h"
#include "games/GameObjects.h"
#include "letters/LetterPanel.h"
#include "letters/LetterPanelCollection.h"
#include "pictures/ImgPanel.h"
#include "pictures/ImgPanelCollection.h"
#include "pictures/PictureFiles.h"
#include "platform/ContentRoots.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/SpeedButton.h"
#include "sound/SoundSystem.h"
#include "support/FakeDialogs.h"
#include "support/TestForm.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>
#include <cstdio>
#include <functional>

namespace {

const QString kDemo = QStringLiteral(KV_BUILD_TREE "/");
const QString kLetterSounds = QStringLiteral("Sound/Женский голос/Буквы/");
const QString kWords = QStringLiteral("Pic/Images/Rus/");
const QString kLetterPictures = QStringLiteral("Pic/Alphabet/Rus/");

QByteArray ReadAll(const QString& Path)
{
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& Path, const QByteArray& Bytes)
{
    QDir().mkpath(QFileInfo(Path).path());
    testpics::WriteBytes(Path, Bytes);
}

// Every file and folder under Root with its size and modification time.
QStringList Snapshot(const QString& Root)
{
    QStringList out;
    QDirIterator it(Root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        out << info.filePath() + ' ' + QString::number(info.size()) + ' ' +
                   QString::number(info.lastModified().toMSecsSinceEpoch());
    }
    out.sort();
    return out;
}

// Copies the demo tree's Folder (relative) into Root.
void CopyDemo(const QString& Folder, const QString& Root)
{
    QDirIterator it(kDemo + Folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        Write(Root + from.mid(kDemo.size()), ReadAll(from));
    }
}

// What the user does after start-up.
enum class TAction {
    Nothing,
    SayLetterA,      // the learning board with the letter names, then a click on А
    OpenFindLetter,  // "Найди букву"
    OpenFindLetterTwice,
    OpenFirstTheme,  // the colouring menu, then its first theme
};

struct TCase {
    const char* Name;
    // Puts the damage into User (a parent's folder, first of the roots). Returns false when the
    // case cannot be made here (a file made unreadable is still read by root).
    std::function<bool(const QString& User)> Damage;
    TAction Action;
    // The boxes' texts, User standing for the parent's folder; the title is checked separately.
    std::vector<QString> Boxes;
    bool Loaded = true;
    bool UserFolderAlone = false;  // the parent's folder is the only root (no demo behind it)
    // What else must hold afterwards.
    std::function<void(TTestForm&, const QString& User)> Then = nullptr;
};

// The window as the program makes it, with its real sound.
struct TProgram {
    TFakeDialogs Dialogs;
    std::unique_ptr<TTestForm> Form;
    std::unique_ptr<TSoundSystem> Sound;

    explicit TProgram(const TContentRoots& Roots)
    {
        Form = std::make_unique<TTestForm>(&Dialogs, TSettings::ForContent(Roots, kDemo));
        Sound = MakeSoundSystem(Dialogs, Form->Context().Settings, [this] { Form->StartPanelShowExecute(); });
        Form->SetSpeech(Sound->Speech.get());
        Form->FormActivate();
        Form->WaitForLoading();
    }
    ~TProgram()
    {
        Form->SetSpeech(nullptr);
        Sound.reset();
        Form.reset();
    }

    void Do(TAction Action)
    {
        TTestForm& f = *Form;
        switch (Action) {
            case TAction::Nothing:
                break;
            case TAction::SayLetterA:
                Named<QAction>(f, "SoundLetters")->trigger();
                Named<TSpeedButton>(f, "LetterrsNamesSpeedButton")->click();
                f.Objects.SndLetterPanels->GetTile(0)->ClickLabel->Press();
                break;
            case TAction::OpenFindLetter:
                Named<QAction>(f, "FindLetter")->trigger();
                FinishPictureReading(f.Objects);
                break;
            case TAction::OpenFindLetterTwice:
                Do(TAction::OpenFindLetter);
                Do(TAction::OpenFindLetter);
                break;
            case TAction::OpenFirstTheme: {
                Named<QAction>(f, "ShowRaskraskaMenu")->trigger();
                const auto themes = Named<TPanel>(f, "RaskraskaPopupMenuPanel")->findChildren<TSpeedButton*>();
                if (!themes.isEmpty()) themes.front()->click();
                break;
            }
        }
        QTest::qWait(100);  // the sound's end, queued work
    }
};

bool IsRoot()
{
    return ::geteuid() == 0;
}

QByteArray DemoMp3()
{
    return ReadAll(kDemo + kLetterSounds + QStringLiteral("а.mp3"));
}

QByteArray DemoJpeg()
{
    return ReadAll(kDemo + kLetterPictures + QStringLiteral("б.jpg"));
}

// A small JPEG whose header says it is 30000 × 30000 pixels.
QByteArray HugeJpeg()
{
    QByteArray jpeg = testpics::Encode(testpics::Solid(16, 16, Qt::green), "JPG");
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    jpeg[sof + 5] = char(0x75);
    jpeg[sof + 6] = char(0x30);
    jpeg[sof + 7] = char(0x75);
    jpeg[sof + 8] = char(0x30);
    return jpeg;
}

QString ReadBox(const QString& Path, const char* Reason)
{
    return QStringLiteral("Ошибка чтения файла\n") + Path + '\n' + QString::fromUtf8(Reason);
}

QString SoundBox(const QString& Path, const char* Reason)
{
    return QStringLiteral("Ошыбка открытия файла: ") + Path + '\n' + QString::fromUtf8(Reason);
}

bool HasWord(TTestForm& Form, const char* Word)
{
    const TFirstLImgPanelCollection& strip = *Form.Objects.FirstLImgPanels;
    for (int i = 0; i < strip.Count(); ++i)
        if (strip.GetTile(static_cast<unsigned short>(i))->Name == Cp(Word)) return true;
    return false;
}

void PlayingFindLetter(TTestForm& Form, const QString&)
{
    EXPECT_GT(Form.Objects.FirstLImgPanels->Count(), 0);
    EXPECT_EQ(Form.Objects.FirstLImgPanels->SelectedIndex, 0) << "the first picture is current";
}

// The screen on top of the games area (the last child raised that is not hidden).
void BackAtTheStartScreen(TTestForm& Form, const QString&)
{
    const QObjectList& children = Named<TPanel>(Form, "GamesPanel")->children();
    QWidget* top = nullptr;
    for (auto it = children.rbegin(); it != children.rend() && !top; ++it)
        if (auto* w = qobject_cast<QWidget*>(*it); w && !w->isHidden()) top = w;
    EXPECT_EQ(top, Named<TPanel>(Form, "StartPanel")) << (top ? top->objectName().toStdString() : "nothing");
}

const QString U = QStringLiteral("<user>/");  // stands for the parent's folder in expected texts

std::vector<TCase> Cases()
{
    return {
        {"EmptyMp3",
         [](const QString& User) {
             Write(User + kLetterSounds + "а.mp3", {});
             return true;
         },
         TAction::SayLetterA,
         {SoundBox(U + kLetterSounds + "а.mp3", "файл пуст")}},
        {"TruncatedMp3",
         [](const QString& User) {
             const QByteArray whole = DemoMp3();
             Write(User + kLetterSounds + "а.mp3", whole.left(whole.size() / 3));
             return true;
         },
         TAction::SayLetterA,
         {SoundBox(U + kLetterSounds + "а.mp3", "MP3 обрезан: звучит только его начало")}},
        {"RandomBytesMp3",
         [](const QString& User) {
             QByteArray noise(20000, '\0');
             quint32 x = 12345;
             for (char& c : noise) c = char((x = x * 1103515245u + 12345u) >> 24);
             Write(User + kLetterSounds + "а.mp3", noise);
             return true;
         },
         TAction::SayLetterA,
         {SoundBox(U + kLetterSounds + "а.mp3", "не MP3")}},
        {"Id3TagOnlyMp3",
         [](const QString& User) {
             // An ID3v2 header announcing 100 bytes of tag, and the tag: no sound at all.
             QByteArray tag("ID3\x03\x00\x00\x00\x00\x00\x64", 10);
             tag.append(QByteArray(100, '\0'));
             Write(User + kLetterSounds + "а.mp3", tag);
             return true;
         },
         TAction::SayLetterA,
         {SoundBox(U + kLetterSounds + "а.mp3", "не MP3")}},
        {"PngNamedJpg",
         [](const QString& User) {
             Write(User + kWords + "арбуз.jpg", testpics::Encode(testpics::Solid(40, 30, Qt::red), "PNG"));
             return true;
         },
         TAction::OpenFindLetter,
         {ReadBox(U + kWords + "арбуз.jpg", "не JPEG (это PNG)")},
         true,
         false,
         [](TTestForm& Form, const QString& User) {
             PlayingFindLetter(Form, User);
             EXPECT_FALSE(HasWord(Form, "арбуз")) << "the parent's broken арбуз hides the installed one";
         }},
        {"EmptyJpeg",
         [](const QString& User) {
             Write(User + kWords + "кот.jpg", {});
             return true;
         },
         TAction::OpenFindLetter,
         {ReadBox(U + kWords + "кот.jpg", "файл пуст")},
         true,
         false,
         PlayingFindLetter},
        {"TruncatedJpeg",
         [](const QString& User) {
             const QByteArray whole = DemoJpeg();
             Write(User + kWords + "кот.jpg", whole.left(whole.size() / 2));
             return true;
         },
         TAction::OpenFindLetter,
         {ReadBox(U + kWords + "кот.jpg", "JPEG обрезан")},
         true,
         false,
         PlayingFindLetter},
        {"FileOfGigabytes",
         [](const QString& User) {
             // Sparse: it takes no room on the disk, but would take 300 MiB to read.
             Write(User + kWords + "кот.jpg", DemoJpeg());
             QFile f(User + kWords + "кот.jpg");
             return f.resize(qint64(300) * 1024 * 1024);
         },
         TAction::OpenFindLetter,
         {ReadBox(U + kWords + "кот.jpg", "слишком большой файл")},
         true,
         false,
         PlayingFindLetter},
        {"JpegDeclaring30000x30000",
         [](const QString& User) {
             Write(User + kWords + "кот.jpg", HugeJpeg());
             return true;
         },
         TAction::OpenFindLetter,
         {ReadBox(U + kWords + "кот.jpg", "слишком большой рисунок (30000 × 30000 точек)")},
         true,
         false,
         PlayingFindLetter},
        {"NameNotUtf8",
         [](const QString& User) {
             // "кот.jpg" in Windows-1251, as an old archive unpacks it.
             // Written by its bytes: Qt's own file names are always valid UTF-8.
             QDir().mkpath(User + kWords);
             const QByteArray name = QFile::encodeName(User + kWords) + QByteArray("\xEA\xEE\xF2.jpg");
             std::FILE* f = std::fopen(name.constData(), "wb");
             if (!f) return false;
             const QByteArray bytes = DemoJpeg();
             const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f) == size_t(bytes.size());
             return std::fclose(f) == 0 && written;
         },
         TAction::OpenFindLetter,
         {ReadBox(U + kWords + "\\xea\\xee\\xf2.jpg", "имя файла не в кодировке UTF-8: переименуйте файл")},
         true,
         false,
         PlayingFindLetter},
        {"DecomposedShortI",
         [](const QString& User) {
             // й as и and a combining breve, as a Mac writes names: the same word.
             Write(User + kWords + QString::fromUtf8("и\u0306од.jpg"), DemoJpeg());
             return true;
         },
         TAction::OpenFindLetter,
         {},
         true,
         false,
         [](TTestForm& Form, const QString& User) {
             PlayingFindLetter(Form, User);
             EXPECT_TRUE(HasWord(Form, "йод"));
         }},
        {"FolderNamedLikeAPicture",
         [](const QString& User) { return QDir().mkpath(User + kWords + "кот.jpg"); },
         TAction::OpenFindLetter,
         {},
         true,
         false,
         [](TTestForm& Form, const QString& User) {
             PlayingFindLetter(Form, User);
             EXPECT_TRUE(HasWord(Form, "кот")) << "the installed кот.jpg is a file: it wins over a folder";
         }},
        {"UnreadableFile",
         [](const QString& User) {
             Write(User + kWords + "кот.jpg", DemoJpeg());
             QFile::setPermissions(User + kWords + "кот.jpg", QFileDevice::Permissions());
             return !IsRoot();
         },
         TAction::OpenFindLetter,
         {ReadBox(U + kWords + "кот.jpg", "нет доступа")},
         true,
         false,
         PlayingFindLetter},
        {"UnreadableFolder",
         [](const QString& User) {
             Write(User + "Pic/Raskraska/Аа мои/кошка.flim", {});
             QFile::setPermissions(User + "Pic/Raskraska/Аа мои", QFileDevice::Permissions());
             return !IsRoot();
         },
         TAction::OpenFirstTheme,
         {},
         true,
         false,
         [](TTestForm& Form, const QString&) { EXPECT_EQ(Form.Objects.RaskrasImgPanels->Count(), 0); }},
        {"SymbolicLinkLoops",
         [](const QString& User) {
             // A picture that points at itself, and a theme that points at the folder holding it.
             QDir().mkpath(User + kWords);
             QDir().mkpath(User + "Pic/Raskraska");
             return ::symlink("петля.jpg", QFile::encodeName(User + kWords + "петля.jpg").constData()) == 0 &&
                    ::symlink("..", QFile::encodeName(User + "Pic/Raskraska/Аа петля").constData()) == 0;
         },
         TAction::OpenFirstTheme,
         {},
         true,
         false,
         [](TTestForm& Form, const QString& User) {
             EXPECT_EQ(Form.Objects.RaskrasImgPanels->Count(), 0) << "the looping theme holds no page";
             Named<QAction>(Form, "FindLetter")->trigger();
             FinishPictureReading(Form.Objects);
             PlayingFindLetter(Form, User);
         }},
        {"ThreeThousandSmallPictures",
         [](const QString& User) {
             const QByteArray small = testpics::Encode(testpics::Solid(8, 8, Qt::blue), "JPG");
             // Words no installed picture has: none begins with ъ.
             const QString letters = QStringLiteral("абвгдежзиклмнопрстуфхцчшэюя");
             for (int i = 0; i < 3000; ++i) {
                 QString word = QStringLiteral("ъ");
                 for (int n = i; word.size() < 4; n /= letters.size()) word += letters[n % letters.size()];
                 Write(User + kWords + word + ".jpg", small);
             }
             return true;
         },
         TAction::OpenFindLetter,
         {},
         true,
         false,
         [](TTestForm& Form, const QString& User) {
             PlayingFindLetter(Form, User);
             const int demo = QDir(kDemo + kWords).entryList({"*.jpg"}, QDir::Files).size();
             EXPECT_EQ(Form.Objects.FirstLImgPanels->Count(), 3000 + demo);
         }},
        {"NoSoundFolder",
         [](const QString& User) {
             CopyDemo("Pic/", User);
             return true;
         },
         TAction::SayLetterA,
         // The board says "Буква" and then the letter: two files, two boxes.
         {QStringLiteral("Файл не найден: ") + U + "Sound/Женский голос/Фразы/Буква.mp3",
          QStringLiteral("Файл не найден: ") + U + kLetterSounds + "а.mp3"},
         true,
         true},
        // A folder given as the only content root is taken at its word: one box says nothing was
        // found there, the games open, and each says what it misses. (Found by searching, an
        // empty folder is no root at all.)
        {"NothingAtAll",
         [](const QString&) { return true; },
         TAction::OpenFindLetterTwice,
         {QStringLiteral("Кварнель не нашла свои картинки и звуки.\nИскала здесь:\n") + U,
          QStringLiteral("Директория ") + U + kWords + " не существует.",
          QStringLiteral("Директория ") + U + kWords + " не существует."},
         true,
         true,
         BackAtTheStartScreen},
        {"EmptyLetterPicture",
         [](const QString& User) {
             Write(User + kLetterPictures + "а.jpg", {});
             return true;
         },
         TAction::Nothing,
         {QStringLiteral("Ошибка загрузки. Недостаточно памяти\n") + ReadBox(U + kLetterPictures + "а.jpg", "файл пуст")},
         false},
        {"EmptyPictureFolder",
         [](const QString& User) {
             CopyDemo("Pic/Alphabet/", User);
             CopyDemo("Pic/Raskraska/", User);
             return QDir().mkpath(User + kWords);
         },
         TAction::OpenFindLetter,
         {QStringLiteral("В папке ") + U + kWords + " нет ни одной картинки, которую можно открыть."},
         true,
         true,
         BackAtTheStartScreen},
        {"OnlyUndecodablePictures",
         [](const QString& User) {
             CopyDemo("Pic/Alphabet/", User);
             CopyDemo("Pic/Raskraska/", User);
             Write(User + kWords + "кот.jpg", "not a picture");
             return true;
         },
         TAction::OpenFindLetter,
         {ReadBox(U + kWords + "кот.jpg", "не JPEG"),
          QStringLiteral("В папке ") + U + kWords + " нет ни одной картинки, которую можно открыть."},
         true,
         true,
         BackAtTheStartScreen},
        {"DamagedColouringPage",
         [](const QString& User) {
             const QByteArray page =
                 ReadAll(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../fuzz/corpus/fuzz_colouring_page/"
                                                              "regression-rle8-data-offset-past-end.flim"));
             Write(User + "Pic/Raskraska/Аа мои/страница.flim", page);
             return !page.isEmpty();
         },
         TAction::OpenFirstTheme,
         {ReadBox(U + "Pic/Raskraska/Аа мои/страница.flim", "страница раскраски повреждена")},
         true,
         false,
         [](TTestForm& Form, const QString&) { EXPECT_EQ(Form.Objects.RaskrasImgPanels->Count(), 0); }},
    };
}

class DamagedContent : public ::testing::TestWithParam<TCase> {};

TEST_P(DamagedContent, OneClearBoxPerBrokenThingAndTheProgramGoesOn)
{
    const TCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString user = dir.path() + QStringLiteral("/");
    if (!c.Damage(user)) GTEST_SKIP() << "this case cannot be made here (running as root?)";
    const QStringList userBefore = Snapshot(user);
    const QStringList demoBefore = Snapshot(kDemo + "Pic");

    {
        TProgram program(c.UserFolderAlone ? TContentRoots({user}) : TContentRoots({user, kDemo}));
        EXPECT_EQ(Named<QAction>(*program.Form, "SoundLetters")->isEnabled(), c.Loaded);
        if (c.Loaded) program.Do(c.Action);

        std::vector<QString> shown;
        for (const TDialogCall& call : program.Dialogs.Calls) {
            EXPECT_EQ(call.Kind, TDialogCall::Message) << call.Text.toStdString();
            QString text = call.Text;
            shown.push_back(text.replace(user, U));
        }
        EXPECT_EQ(shown, c.Boxes);
        if (c.Then) c.Then(*program.Form, user);
    }

    EXPECT_EQ(Snapshot(user), userBefore) << "nothing is written into the parent's folder";
    EXPECT_EQ(Snapshot(kDemo + "Pic"), demoBefore) << "nor into the installed content";
    // Put back what the case took away, so that the folder can be removed; Qt cannot remove a
    // name that is not UTF-8 by itself.
    ::unlink((QFile::encodeName(user + kWords) + QByteArray("\xEA\xEE\xF2.jpg")).constData());
    QFile::setPermissions(user + "Pic/Raskraska/Аа мои",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, DamagedContent, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<TCase>& Info) { return std::string(Info.param.Name); });

}  // namespace
