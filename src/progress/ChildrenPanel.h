#pragma once
// "Успехи" in the grown-ups' corner: who the children are, and the progress of the one chosen. A
// child is added with a name and one of a few animal pictures (those the content has), renamed (to
// the name typed) and removed with its answers after a question. Two entries of one name (made on
// two computers of a group that did not see each other) are told apart by the computer's name
// until one is renamed or the two are merged. With no children set up, the progress shown is the
// unnamed child's, which is who plays then.
#include <QImage>
#include <QWidget>

#include <functional>

struct TSettings;
class IDialogs;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TProgressScreen;
class TProgressStore;

// The picture of a child's animal (a word picture of the content), read at about Size.
QImage ChildPicture(const TSettings& Settings, const QString& Animal, QSize Size);

class TChildrenPanel : public QWidget {
public:
    // PictureOf gives the picture of a child's animal (a word of the picture games), or a null image.
    TChildrenPanel(TProgressStore& Store, IDialogs& Dialogs, std::function<QImage(const QString&)> PictureOf,
                   QWidget* Parent = nullptr);

    // The animals a child can choose from, as the picture games name them; only those with a
    // picture are offered.
    static QStringList Animals();

    // Reads the children and the chosen child's progress anew (a child played).
    void Refresh();
    // Reads them anew with Child chosen (the one who plays, as the corner opens).
    void Choose(qint64 Child);
    // The sentence about the last thing done goes (the corner opened again).
    void ClearSentence();
    TProgressScreen* Progress() const { return FProgress; }
    QLineEdit* NameEdit() const { return FName; }
    QComboBox* ChildChoice() const { return FChildren; }
    QComboBox* AnimalChoice() const { return FAnimal; }
    QPushButton* MergeButton() const { return FMerge; }

    // The children were added, renamed or removed.
    std::function<void()> OnChildrenChanged;

private:
    void ShowChosen();
    void Add();
    void Rename();
    void Remove();
    void Merge();
    void ShowMerge();
    void Say(const QString& Sentence);
    qint64 Chosen() const;

    TProgressStore& FStore;
    IDialogs& FDialogs;
    QComboBox* FChildren;
    QLineEdit* FName;
    QComboBox* FAnimal;
    QPushButton* FMerge;
    QLabel* FSentence;
    TProgressScreen* FProgress;
};
