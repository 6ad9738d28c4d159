#include "progress/ChildrenPanel.h"

#include "core/Settings.h"
#include "platform/widgets/Dialogs.h"
#include "progress/ProgressScreen.h"
#include "progress/ProgressStore.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* Button(QWidget* Parent, const QString& Caption, std::function<void()> Press)
{
    auto* button = new QPushButton(Caption, Parent);
    button->setAccessibleName(Caption);
    QObject::connect(button, &QPushButton::clicked, Parent, std::move(Press));
    return button;
}

}  // namespace

QImage ChildPicture(const TSettings& Settings, const QString& Animal, QSize Size)
{
    QImageReader reader(
        Settings.Content.Locate(Settings.ContentFolder + content::layout::kWordPictures + Animal + QStringLiteral(".jpg")));
    reader.setAutoTransform(true);
    if (reader.size().isValid()) reader.setScaledSize(reader.size().scaled(Size, Qt::KeepAspectRatio));
    return reader.read();
}

QStringList TChildrenPanel::Animals()
{
    return {QStringLiteral("кот"),  QStringLiteral("собака"), QStringLiteral("заяц"),    QStringLiteral("медведь"),
            QStringLiteral("лиса"), QStringLiteral("слон"),   QStringLiteral("жираф"),   QStringLiteral("пингвин"),
            QStringLiteral("сова"), QStringLiteral("тигр"),   QStringLiteral("дельфин"), QStringLiteral("улитка")};
}

TChildrenPanel::TChildrenPanel(TProgressStore& Store, IDialogs& Dialogs, std::function<QImage(const QString&)> PictureOf,
                               QWidget* Parent)
    : QWidget(Parent),
      FStore(Store),
      FDialogs(Dialogs),
      FChildren(new QComboBox(this)),
      FName(new QLineEdit(this)),
      FAnimal(new QComboBox(this)),
      FSentence(new QLabel(this)),
      FProgress(new TProgressScreen(Store, Dialogs, this))
{
    setObjectName(QStringLiteral("ChildrenPanel"));
    FChildren->setAccessibleName(QStringLiteral("Ребёнок"));
    connect(FChildren, &QComboBox::currentIndexChanged, this, [this] { ShowChosen(); });
    FName->setAccessibleName(QStringLiteral("Имя"));
    FName->setPlaceholderText(QStringLiteral("Имя ребёнка"));
    FName->setMaxLength(20);
    FAnimal->setAccessibleName(QStringLiteral("Картинка"));
    FAnimal->setIconSize(QSize(48, 36));
    for (const QString& animal : Animals()) {
        const QImage picture = PictureOf ? PictureOf(animal) : QImage();
        FAnimal->addItem(picture.isNull() ? QIcon() : QIcon(QPixmap::fromImage(picture.scaled(48, 36, Qt::KeepAspectRatio))),
                         animal, animal);
    }
    FSentence->setWordWrap(true);

    auto* who = new QHBoxLayout;
    who->addWidget(new QLabel(QStringLiteral("Ребёнок:"), this));
    who->addWidget(FChildren, 1);
    who->addWidget(Button(this, QStringLiteral("Переименовать"), [this] { Rename(); }));
    who->addWidget(Button(this, QStringLiteral("Удалить ребёнка"), [this] { Remove(); }));
    auto* add = new QHBoxLayout;
    add->addWidget(FName, 1);
    add->addWidget(FAnimal);
    add->addWidget(Button(this, QStringLiteral("Добавить ребёнка"), [this] { Add(); }));
    auto* column = new QVBoxLayout(this);
    column->addLayout(who);
    column->addLayout(add);
    column->addWidget(FSentence);
    column->addWidget(FProgress, 1);
    Refresh();
}

qint64 TChildrenPanel::Chosen() const
{
    return FChildren->currentData().toLongLong();
}

void TChildrenPanel::Refresh()
{
    const qint64 chosen = Chosen();
    const QSignalBlocker quiet(FChildren);
    FChildren->clear();
    const std::vector<TChild> children = FStore.Children();
    if (children.empty()) FChildren->addItem(QStringLiteral("Без имени"), qint64(0));
    for (const TChild& child : children) FChildren->addItem(child.ShownName(), child.Id);
    const int again = FChildren->findData(chosen);
    FChildren->setCurrentIndex(again >= 0 ? again : 0);
    ShowChosen();
}

void TChildrenPanel::ShowChosen()
{
    const qint64 child = Chosen();
    FProgress->ShowChild(child, child ? FChildren->currentText() : QString());
}

void TChildrenPanel::Say(const QString& Sentence)
{
    FSentence->setText(Sentence);
}

void TChildrenPanel::Add()
{
    qint64 id = 0;
    const QString refusal = FStore.AddChild(FName->text(), FAnimal->currentData().toString(), &id);
    if (!refusal.isEmpty()) return Say(refusal);
    Say(QStringLiteral("Добавлен ребёнок: %1.").arg(FName->text().simplified()));
    FName->clear();
    Refresh();
    FChildren->setCurrentIndex(FChildren->findData(id));
    if (OnChildrenChanged) OnChildrenChanged();
}

void TChildrenPanel::Rename()
{
    const qint64 child = Chosen();
    if (!child) return Say(QStringLiteral("Сначала добавьте ребёнка."));
    if (FName->text().trimmed().isEmpty())
        return Say(QStringLiteral("Напишите новое имя в поле «Имя» и нажмите «Переименовать»."));
    const QString refusal = FStore.RenameChild(child, FName->text());
    if (!refusal.isEmpty()) return Say(refusal);
    Say(QString());
    FName->clear();
    Refresh();
    if (OnChildrenChanged) OnChildrenChanged();
}

void TChildrenPanel::Remove()
{
    const qint64 child = Chosen();
    if (!child) return Say(QStringLiteral("Сначала добавьте ребёнка."));
    const QString name = FChildren->currentText();
    if (!FDialogs.AskYesNoDefaultNo(QStringLiteral("Успехи"),
                                    QStringLiteral("Удалить ребёнка «%1» и все его успехи?").arg(name)))
        return;
    if (!FStore.RemoveChild(child)) return Say(FStore.Note());
    Say(QStringLiteral("Ребёнок «%1» удалён.").arg(name));
    Refresh();
    if (OnChildrenChanged) OnChildrenChanged();
}
