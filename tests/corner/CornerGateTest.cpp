// The corner's gate: the right product opens it, three wrong answers or Esc close it.
#include "corner/CornerGate.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

struct TGateWorld {
    TCornerGate Gate;
    int Passed = 0, Closed = 0;
    TGateWorld()
    {
        Gate.OnPassed = [this] { ++Passed; };
        Gate.OnClosed = [this] { ++Closed; };
    }
    void Type(const QString& Text, bool ByButton = false)
    {
        Gate.AnswerEdit()->setText(Text);
        if (ByButton)
            Gate.EnterButton()->click();
        else
            QTest::keyClick(Gate.AnswerEdit(), Qt::Key_Return);
    }
};

TEST(CornerGate, QuestionIsAProductOfSmallFactorsReadOutAsItself)
{
    TGateWorld w;
    const QRegularExpression form(QStringLiteral("^Сколько будет ([3-9]) × ([3-9])\\?$"));
    for (int i = 0; i < 20; ++i) {
        w.Gate.Ask();
        const auto m = form.match(w.Gate.QuestionLabel()->text());
        ASSERT_TRUE(m.hasMatch()) << w.Gate.QuestionLabel()->text().toStdString();
        EXPECT_EQ(m.captured(1).toInt() * m.captured(2).toInt(), w.Gate.Answer());
        EXPECT_EQ(w.Gate.QuestionLabel()->accessibleName(), w.Gate.QuestionLabel()->text());
    }
    EXPECT_EQ(w.Gate.AnswerEdit()->accessibleName(), QStringLiteral("Ответ"));
}

TEST(CornerGate, RightAnswerByEnterOrButtonOpens)
{
    TGateWorld w;
    w.Gate.Ask(7, 8);
    w.Type(QStringLiteral("55"));
    w.Type(QStringLiteral("56"));
    EXPECT_EQ(w.Passed, 1);
    w.Gate.Ask(3, 4);
    w.Type(QStringLiteral(" 12 "), true);
    EXPECT_EQ(w.Passed, 2);
    EXPECT_EQ(w.Closed, 0);
}

TEST(CornerGate, ThirdWrongAnswerOrEscCloses)
{
    TGateWorld w;
    w.Gate.Ask(7, 8);
    w.Type(QStringLiteral("1"));
    w.Type(QStringLiteral("абв"));
    EXPECT_EQ(w.Closed, 0);
    w.Type(QStringLiteral("57"));
    EXPECT_EQ(w.Closed, 1);
    w.Gate.Ask(7, 8);  // a new opening starts the count again
    w.Type(QStringLiteral("1"));
    EXPECT_EQ(w.Closed, 1);
    QTest::keyClick(&w.Gate, Qt::Key_Escape);
    EXPECT_EQ(w.Closed, 2);
    EXPECT_EQ(w.Passed, 0);
}

}  // namespace
