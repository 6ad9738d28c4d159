#pragma once
// A heading or a lesson of the corner's "Голос" that folds what lies under it: "Слоги", then
// "М: ма мо му мы …". Its rows are built the first time it opens, so the hundreds of clips of
// "Слоги" cost nothing until a grown-up looks at them. Enter or Space on its button opens or folds
// it; opened, its rows come next in the Tab order, right after the button, which keeps the focus.
#include <QWidget>

#include <functional>

class QPushButton;
class QVBoxLayout;

class TClipFold : public QWidget {
public:
    // Key names the fold's button ("FoldButton:Слоги/м"); Caption is shown and is its accessible
    // name; Within says where it lies ("Слоги протяжно"), read after the name. Build adds its rows.
    TClipFold(const QString& Key, const QString& Caption, const QString& Within,
              std::function<void(QVBoxLayout& Rows)> Build, QWidget* Parent = nullptr);

    void SetOpen(bool Open);
    bool IsOpen() const;
    bool Built() const { return FBuilt; }
    QString Key() const { return FKey; }
    QPushButton* Button() const { return FButton; }

    // The grown-up opened or folded it.
    std::function<void(bool Open)> OnToggled;

private:
    void Toggled(bool Open);
    void BuildRows();
    void ShowState(bool Open);

    QString FKey, FCaption, FWithin;
    std::function<void(QVBoxLayout& Rows)> FBuild;
    QPushButton* FButton;
    QWidget* FBody;
    QVBoxLayout* FRows;
    bool FBuilt = false;
};
