// The program's real message boxes: Enter answers the careful question with No.
#include "platform/widgets/Dialogs.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Presses Key in the next modal box to come up, and notes which button was its default.
void PressInNextBox(Qt::Key Key, QString* DefaultButton)
{
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        *DefaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        QTest::keyClick(box, Key);
    });
}

}  // namespace

TEST(QtDialogs, EnterAnswersTheCarefulQuestionNoAndTheOrdinaryOneYes)
{
    TQtDialogs dialogs(nullptr);
    QString defaultButton;
    PressInNextBox(Qt::Key_Return, &defaultButton);
    EXPECT_FALSE(dialogs.AskYesNoDefaultNo(QStringLiteral("Кварнель"), QStringLiteral("Выйти из программы?")));
    EXPECT_TRUE(defaultButton.contains(QStringLiteral("No")) || defaultButton.contains(QStringLiteral("Нет")))
        << defaultButton.toStdString();

    PressInNextBox(Qt::Key_Return, &defaultButton);
    EXPECT_TRUE(dialogs.AskYesNo(QStringLiteral("Вельмок"), QStringLiteral("Перейти на страничку детского сайта?")));
}
