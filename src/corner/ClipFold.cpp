#include "corner/ClipFold.h"

#include <QPushButton>
#include <QVBoxLayout>

TClipFold::TClipFold(const QString& Key, const QString& Caption, const QString& Within,
                     std::function<void(QVBoxLayout& Rows)> Build, QWidget* Parent)
    : QWidget(Parent),
      FKey(Key),
      FCaption(Caption),
      FWithin(Within),
      FBuild(std::move(Build)),
      FButton(new QPushButton(this)),
      FBody(new QWidget(this)),
      FRows(new QVBoxLayout(FBody))
{
    setObjectName(QStringLiteral("Fold:") + Key);
    FButton->setObjectName(QStringLiteral("FoldButton:") + Key);
    FButton->setAccessibleName(Caption);
    FButton->setCheckable(true);
    FButton->setFlat(true);
    // Outside a dialog a push button takes only Space; a fold is opened with Enter as well.
    FButton->setAutoDefault(true);
    connect(FButton, &QPushButton::toggled, this, [this](bool Open) { Toggled(Open); });
    FRows->setContentsMargins(24, 0, 0, 0);
    FBody->hide();
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(FButton, 0, Qt::AlignLeft);
    column->addWidget(FBody);
    ShowState(false);
}

void TClipFold::SetOpen(bool Open)
{
    FButton->setChecked(Open);
}

bool TClipFold::IsOpen() const
{
    return FButton->isChecked();
}

void TClipFold::Toggled(bool Open)
{
    if (Open && !FBuilt) BuildRows();
    FBody->setVisible(Open);
    ShowState(Open);
    if (OnToggled) OnToggled(Open);
}

void TClipFold::BuildRows()
{
    FBuilt = true;
    if (FBuild) FBuild(*FRows);
    // Widgets made now join the Tab order at its end: they are moved to right after the button.
    QWidget* previous = FButton;
    for (QWidget* widget : FBody->findChildren<QWidget*>())
        if (widget->focusPolicy() & Qt::TabFocus) {
            QWidget::setTabOrder(previous, widget);
            previous = widget;
        }
}

void TClipFold::ShowState(bool Open)
{
    FButton->setText((Open ? QStringLiteral("▾ ") : QStringLiteral("▸ ")) + FCaption);
    const QString state = Open ? QStringLiteral("развёрнуто") : QStringLiteral("свёрнуто");
    FButton->setAccessibleDescription(FWithin.isEmpty() ? state : FWithin + QStringLiteral(", ") + state);
}
