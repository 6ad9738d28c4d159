#pragma once
// The door to the grown-ups' corner: a sum an adult answers at once and a child of 3 to 7 cannot
// ("Сколько будет 7 × 8?", both factors 3 to 9), asked anew every time the corner opens. Enter or
// "Войти" checks the typed answer; the third wrong answer, "Закрыть" or Esc closes the door.
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

class TCornerGate : public QWidget {
public:
    explicit TCornerGate(QWidget* Parent = nullptr);

    // A new question, an empty field and no wrong answers yet.
    void Ask();
    // For tests: a question with these factors.
    void Ask(int First, int Second);
    QString Question() const;
    int Answer() const { return FFirst * FSecond; }

    std::function<void()> OnPassed;
    std::function<void()> OnClosed;

    QLabel* QuestionLabel() const { return FQuestion; }
    QLineEdit* AnswerEdit() const { return FAnswer; }
    QPushButton* EnterButton() const { return FEnter; }
    QPushButton* CloseButton() const { return FClose; }

protected:
    void keyPressEvent(QKeyEvent* Event) override;

private:
    void Check();
    void Close();

    int FFirst = 7, FSecond = 8, FWrong = 0;
    QLabel* FQuestion;
    QLineEdit* FAnswer;
    QPushButton* FEnter;
    QPushButton* FClose;
    QLabel* FHint;
};
