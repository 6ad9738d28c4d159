// The grown-ups' corner's module: found beside the program in the build tree and at work there;
// a missing file, a file that is no module and a module of another version are each refused with
// the reason, and the program's own module is found again afterwards, the same one.
#include "platform/modules/ModuleLoader.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Points the loader elsewhere for one test, and back to the program's own module after it.
struct TModuleElsewhere {
    explicit TModuleElsewhere(const QString& Path) { modules::SetCornerModulePath(Path); }
    ~TModuleElsewhere() { modules::SetCornerModulePath(QString()); }
};

TEST(CornerModule, IsFoundBesideTheProgramInABuildTreeAndWorks)
{
    EXPECT_EQ(modules::CornerModulePath(), QCoreApplication::applicationDirPath() + QStringLiteral("/libkvarnel-corner.so"));
    const auto problem = modules::TryCornerModule();
    EXPECT_FALSE(problem.has_value()) << problem->toStdString();
    EXPECT_TRUE(modules::CornerModuleProblem().isEmpty());
}

struct TRefusal {
    const char* Name;
    QString (*Path)(const QTemporaryDir& Dir);
    const char* Says;  // what the problem names
};

class RefusedModule : public testing::TestWithParam<TRefusal> {};

TEST_P(RefusedModule, IsNotUsedAndSaysWhy)
{
    const modules::ICornerModule* own = modules::CornerModule();
    ASSERT_TRUE(own);
    QTemporaryDir dir;
    const QString path = GetParam().Path(dir);
    {
        TModuleElsewhere elsewhere(path);
        EXPECT_FALSE(modules::CornerModule());
        EXPECT_TRUE(modules::CornerModuleProblem().contains(QString::fromUtf8(GetParam().Says)))
            << modules::CornerModuleProblem().toStdString();
        EXPECT_TRUE(modules::TryCornerModule().has_value());
    }
    EXPECT_EQ(modules::CornerModule(), own) << "the program's module, loaded once, is found again";
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedModule,
    testing::Values(TRefusal{"Missing",
                             [](const QTemporaryDir& Dir) { return Dir.filePath(QStringLiteral("libkvarnel-corner.so")); },
                             "libkvarnel-corner.so"},
                    TRefusal{"NotALibrary",
                             [](const QTemporaryDir& Dir) {
                                 const QString path = Dir.filePath(QStringLiteral("libkvarnel-corner.so"));
                                 QFile file(path);
                                 if (file.open(QIODevice::WriteOnly)) file.write("not a library\n");
                                 return path;
                             },
                             "libkvarnel-corner.so"},
                    TRefusal{"AnotherVersion", [](const QTemporaryDir&) { return QStringLiteral(KV_OTHER_VERSION_MODULE); },
                             "org.example.kvarnel.CornerModule/0"}),
    [](const testing::TestParamInfo<TRefusal>& Info) { return std::string(Info.param.Name); });

}  // namespace
