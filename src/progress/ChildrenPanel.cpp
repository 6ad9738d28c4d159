#include "progress/ChildrenPanel.h"

#include "core/Settings.h"
#include "platform/storage/ProgressDatabase.h"
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

#include <algorithm>

namespace {

QPushButton* Button(QWidget* Parent, const char* Name, const QString& Caption, std::function<void()> Press)
{
    auto* button = new QPushButton(Caption, Parent);
    button->setObjectName(QLatin1String(Name));
    button->setAccessibleName(Caption);
    QObject::connect(button, &QPushButton::clicked, Parent, std::move(Press));
    return button;
}

// The caption before a field. On Linux a screen reader names a drop-down by its value and hears
// what it is from the label it is the buddy of.
QLabel* Caption(QWidget* Parent, const QString& Text, QWidget* Field)
{
    auto* label = new QLabel(Text + u':', Parent);
    label->setBuddy(Field);
    Field->setAccessibleName(Text);
    return label;
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
      FMerge(Button(this, "MergeChildButton", QString(), [this] { Merge(); })),
      FSentence(new QLabel(this)),
      FProgress(new TProgressScreen(Store, Dialogs, this))
{
    setObjectName(QStringLiteral("ChildrenPanel"));
    FChildren->setObjectName(QStringLiteral("ChildComboBox"));
    connect(FChildren, &QComboBox::currentIndexChanged, this, [this] { ShowChosen(); });
    FName->setObjectName(QStringLiteral("ChildNameEdit"));
    FName->setAccessibleName(QStringLiteral("Имя"));
    FName->setPlaceholderText(QStringLiteral("Имя ребёнка"));
    FName->setMaxLength(20);
    FAnimal->setObjectName(QStringLiteral("AnimalComboBox"));
    FAnimal->setIconSize(QSize(48, 36));
    // A picture the content does not have would show the child nothing on "Кто играет?".
    for (const QString& animal : Animals()) {
        const QImage picture = PictureOf ? PictureOf(animal) : QImage();
        if (!picture.isNull())
            FAnimal->addItem(QIcon(QPixmap::fromImage(picture.scaled(48, 36, Qt::KeepAspectRatio))), animal, animal);
    }
    FSentence->setWordWrap(true);

    auto* who = new QHBoxLayout;
    who->addWidget(Caption(this, QStringLiteral("Ребёнок"), FChildren));
    who->addWidget(FChildren, 1);
    who->addWidget(Button(this, "RenameChildButton", QStringLiteral("Переименовать"), [this] { Rename(); }));
    who->addWidget(FMerge);
    who->addWidget(Button(this, "RemoveChildButton", QStringLiteral("Удалить ребёнка"), [this] { Remove(); }));
    auto* add = new QHBoxLayout;
    add->addWidget(FName, 1);
    QLabel* animalCaption = Caption(this, QStringLiteral("Картинка"), FAnimal);
    add->addWidget(animalCaption);
    add->addWidget(FAnimal);
    animalCaption->setVisible(FAnimal->count() > 0);
    FAnimal->setVisible(FAnimal->count() > 0);
    add->addWidget(Button(this, "AddChildButton", QStringLiteral("Добавить ребёнка"), [this] { Add(); }));
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
    Choose(Chosen());
}

void TChildrenPanel::Choose(qint64 Child)
{
    const qint64 chosen = Child;
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
    ShowMerge();
}

namespace {

// The entries of one name as the chosen one's: the one that keeps the plain name, and another.
struct TNamesakes {
    const TChild* Plain = nullptr;
    const TChild* Other = nullptr;
};

TNamesakes NamesakesOf(const std::vector<TChild>& Children, qint64 Chosen)
{
    const auto chosen = std::find_if(Children.begin(), Children.end(), [Chosen](const TChild& C) { return C.Id == Chosen; });
    if (chosen == Children.end()) return {};
    const QString key = progressdb::NameKey(chosen->Name);
    const auto namesake = [&](const TChild& C) { return progressdb::NameKey(C.Name) == key; };
    // The entry made first keeps the plain name (TProgressStore::Children).
    const auto plain = std::find_if(Children.begin(), Children.end(),
                                    [&](const TChild& C) { return namesake(C) && C.ShownName() == C.Name; });
    if (plain == Children.end()) return {};
    if (plain != chosen) return {&*plain, &*chosen};
    const auto other =
        std::find_if(Children.begin(), Children.end(), [&](const TChild& C) { return namesake(C) && C.Id != Chosen; });
    return other == Children.end() ? TNamesakes{} : TNamesakes{&*plain, &*other};
}

}  // namespace

// "Объединить" shows for a child that has a namesake: the two entries become the one with the plain name.
void TChildrenPanel::ShowMerge()
{
    const std::vector<TChild> children = FStore.Children();
    const TNamesakes pair = NamesakesOf(children, Chosen());
    FMerge->setVisible(pair.Plain != nullptr);
    if (!pair.Plain) return;
    FMerge->setText(
        QStringLiteral("Объединить с «%1»").arg((pair.Plain->Id == Chosen() ? pair.Other : pair.Plain)->ShownName()));
    FMerge->setAccessibleName(
        QStringLiteral("Объединить «%1» и «%2» в одного ребёнка").arg(pair.Other->ShownName(), pair.Plain->ShownName()));
}

void TChildrenPanel::Merge()
{
    const std::vector<TChild> children = FStore.Children();
    const TNamesakes pair = NamesakesOf(children, Chosen());
    if (!pair.Plain) return;
    const QString gone = pair.Other->ShownName(), kept = pair.Plain->ShownName();
    if (!FDialogs.AskYesNoDefaultNo(
            QStringLiteral("Успехи"),
            QStringLiteral("«%1» и «%2» — один и тот же ребёнок? Все его ответы останутся у «%2».").arg(gone, kept)))
        return;
    const qint64 keptId = pair.Plain->Id;
    if (!FStore.MergeChildren(pair.Other->Id, keptId)) return Say(FStore.Note());
    Say(QStringLiteral("«%1» и «%2» теперь один ребёнок.").arg(gone, kept));
    Choose(keptId);
    if (OnChildrenChanged) OnChildrenChanged();
}

void TChildrenPanel::ClearSentence()
{
    Say(QString());
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
