#pragma once
// "Успехи" in the grown-ups' corner: who the children are, and the progress of the one chosen. A
// child is added with a name and one of a few animal pictures, renamed (to the name typed) and
// removed with its answers after a question. With no children set up, the progress shown is the
// unnamed child's, which is who plays then.
#include <QImage>
#include <QWidget>

#include <functional>

struct TSettings;
class IDialogs;
class QComboBox;
class QLabel;
class QLineEdit;
class TProgressScreen;
class TProgressStore;

// The picture of a child's animal (a word picture of the content), read at about Size.
QImage ChildPicture(const TSettings& Settings, const QString& Animal, QSize Size);

class TChildrenPanel : public QWidget {
public:
    // PictureOf gives the picture of a child's animal (a word of the picture games), or a null image.
    TChildrenPanel(TProgressStore& Store, IDialogs& Dialogs, std::function<QImage(const QString&)> PictureOf,
                   QWidget* Parent = nullptr);

    // The animals a child can choose from, as the picture games name them.
    static QStringList Animals();

    // Reads the children and the chosen child's progress anew (the corner opened, a child played).
    void Refresh();
    TProgressScreen* Progress() const { return FProgress; }
    QLineEdit* NameEdit() const { return FName; }
    QComboBox* ChildChoice() const { return FChildren; }
    QComboBox* AnimalChoice() const { return FAnimal; }

    // The children were added, renamed or removed.
    std::function<void()> OnChildrenChanged;

private:
    void ShowChosen();
    void Add();
    void Rename();
    void Remove();
    void Say(const QString& Sentence);
    qint64 Chosen() const;

    TProgressStore& FStore;
    IDialogs& FDialogs;
    QComboBox* FChildren;
    QLineEdit* FName;
    QComboBox* FAnimal;
    QLabel* FSentence;
    TProgressScreen* FProgress;
};
