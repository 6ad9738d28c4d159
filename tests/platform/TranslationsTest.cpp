#include "platform/Translations.h"

#include <gtest/gtest.h>
#include <QCoreApplication>

TEST(Translations, TheStandardButtonsSpeakRussian)
{
    ASSERT_TRUE(InstallRussianTranslations()) << "Qt's Russian translations are not installed";
    // The message box's "Yes" as Qt's own dialogs translate it.
    const QString yes = QCoreApplication::translate("QPlatformTheme", "&Yes");
    EXPECT_EQ(yes, QStringLiteral("&Да"));
}
