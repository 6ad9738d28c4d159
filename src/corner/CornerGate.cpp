#include "corner/CornerGate.h"

#include "platform/Random.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kWrongAnswersAllowed = 3;
}  // namespace

TCornerGate::TCornerGate(QWidget* Parent)
    : QWidget(Parent),
      FQuestion(new QLabel(this)),
      FAnswer(new QLineEdit(this)),
      FEnter(new QPushButton(QStringLiteral("Войти"), this)),
      FClose(new QPushButton(QStringLiteral("Закрыть"), this)),
      FHint(new QLabel(QStringLiteral("Для взрослых: ответьте на вопрос."), this))
{
    setObjectName(QStringLiteral("CornerGatePanel"));
    FQuestion->setObjectName(QStringLiteral("GateQuestionLabel"));
    FHint->setObjectName(QStringLiteral("GateHintLabel"));
    QFont big = FQuestion->font();
    big.setPointSize(20);
    FQuestion->setFont(big);
    FAnswer->setObjectName(QStringLiteral("GateAnswerEdit"));
    FAnswer->setAccessibleName(QStringLiteral("Ответ"));
    FAnswer->setMaxLength(3);
    FAnswer->setFont(big);
    FAnswer->setFixedWidth(FAnswer->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 24);
    FEnter->setObjectName(QStringLiteral("GateEnterButton"));
    FClose->setObjectName(QStringLiteral("GateCloseButton"));

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(FAnswer);
    row->addWidget(FEnter);
    row->addStretch();
    auto* column = new QVBoxLayout(this);
    column->addStretch();
    column->addWidget(FHint, 0, Qt::AlignHCenter);
    column->addWidget(FQuestion, 0, Qt::AlignHCenter);
    column->addLayout(row);
    column->addWidget(FClose, 0, Qt::AlignHCenter);
    column->addStretch();

    connect(FAnswer, &QLineEdit::returnPressed, this, [this] { Check(); });
    connect(FEnter, &QPushButton::clicked, this, [this] { Check(); });
    connect(FClose, &QPushButton::clicked, this, [this] { Close(); });
    Ask();
}

void TCornerGate::Ask()
{
    Randomize();
    Ask(3 + Random(7), 3 + Random(7));
}

void TCornerGate::Ask(int First, int Second)
{
    FFirst = First;
    FSecond = Second;
    FWrong = 0;
    FQuestion->setText(Question());
    FQuestion->setAccessibleName(Question());  // the question is read out as itself
    FHint->setText(QStringLiteral("Для взрослых: ответьте на вопрос."));
    FAnswer->clear();
    FAnswer->setFocus();
}

QString TCornerGate::Question() const
{
    return QStringLiteral("Сколько будет %1 × %2?").arg(FFirst).arg(FSecond);
}

void TCornerGate::Check()
{
    bool number = false;
    const int typed = FAnswer->text().trimmed().toInt(&number);
    if (number && typed == Answer()) {
        if (OnPassed) OnPassed();
        return;
    }
    FAnswer->clear();
    if (++FWrong >= kWrongAnswersAllowed) {
        Close();
        return;
    }
    FHint->setText(QStringLiteral("Неверно. Попробуйте ещё раз."));
}

void TCornerGate::Close()
{
    if (OnClosed) OnClosed();
}

void TCornerGate::keyPressEvent(QKeyEvent* Event)
{
    if (Event->key() == Qt::Key_Escape) {
        Close();
        return;
    }
    QWidget::keyPressEvent(Event);
}
