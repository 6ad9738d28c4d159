#include "platform/widgets/Accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QVariant>
#include <QWidget>

namespace {

const char* const kFaceProperty = "kvAccessibleFace";

// What a widget was given for assistive technology; a child object of the widget, so it goes
// with it.
class TAccessibleFace : public QObject {
public:
    explicit TAccessibleFace(QWidget* Widget) : QObject(Widget) {}
    ui::TAccessRole Role = ui::TAccessRole::Graphic;
    std::function<void()> Press;
};

TAccessibleFace* FaceOf(const QWidget* Widget)
{
    return static_cast<TAccessibleFace*>(qvariant_cast<QObject*>(Widget->property(kFaceProperty)));
}

QAccessible::Role RoleOf(ui::TAccessRole Role)
{
    switch (Role) {
        case ui::TAccessRole::Button:
            return QAccessible::Button;
        case ui::TAccessRole::StaticText:
            return QAccessible::StaticText;
        case ui::TAccessRole::Graphic:
            break;
    }
    return QAccessible::Graphic;
}

// The interface of a panel, label or image. The face is looked up at every question, so a face
// given after assistive technology first asked still counts.
class TProgramWidgetAccessible : public QAccessibleWidget {
public:
    TProgramWidgetAccessible(QWidget* Widget, QAccessible::Role PlainRole)
        : QAccessibleWidget(Widget, PlainRole), FPlainRole(PlainRole)
    {}

    QAccessible::Role role() const override
    {
        const TAccessibleFace* face = Face();
        return face ? RoleOf(face->Role) : FPlainRole;
    }
    QString text(QAccessible::Text Kind) const override
    {
        if (Kind != QAccessible::Name) return QAccessibleWidget::text(Kind);
        QString name = widget()->accessibleName();
        if (name.isEmpty())
            if (const auto* label = qobject_cast<const QLabel*>(widget())) name = label->text();
        return name;
    }

    // A widget with a face stands for its children.
    int childCount() const override { return Face() ? 0 : QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int Index) const override { return Face() ? nullptr : QAccessibleWidget::child(Index); }
    int indexOfChild(const QAccessibleInterface* Child) const override
    {
        return Face() ? -1 : QAccessibleWidget::indexOfChild(Child);
    }
    QAccessibleInterface* childAt(int X, int Y) const override
    {
        return Face() ? nullptr : QAccessibleWidget::childAt(X, Y);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (Pressable()) names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& Action) override
    {
        if (Action == pressAction() && Pressable()) {
            if (widget()->isEnabled()) Face()->Press();  // a disabled widget takes no click either
            return;
        }
        QAccessibleWidget::doAction(Action);
    }

private:
    TAccessibleFace* Face() const { return FaceOf(widget()); }
    bool Pressable() const
    {
        const TAccessibleFace* face = Face();
        return face && face->Press;
    }

    QAccessible::Role FPlainRole;
};

// Asked for each class of an object from the most derived up; answers for the program's widgets
// and leaves the rest (and a label without a face, which Qt names by its caption) to Qt.
QAccessibleInterface* ProgramWidgetFactory(const QString& ClassName, QObject* Object)
{
    if (!Object || !Object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(Object);
    if (ClassName == QLatin1String("TPanel")) return new TProgramWidgetAccessible(widget, QAccessible::Pane);
    if (ClassName == QLatin1String("TImage")) return new TProgramWidgetAccessible(widget, QAccessible::Graphic);
    if (ClassName == QLatin1String("TLabel") && FaceOf(widget))
        return new TProgramWidgetAccessible(widget, QAccessible::StaticText);
    return nullptr;
}

void InstallFactoryOnce()
{
    static const bool installed = [] {
        QAccessible::installFactory(&ProgramWidgetFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace

namespace ui {

void SetAccessible(QWidget* Widget, TAccessRole Role, std::function<void()> Press)
{
    InstallFactoryOnce();
    TAccessibleFace* face = FaceOf(Widget);
    if (!face) {
        face = new TAccessibleFace(Widget);
        Widget->setProperty(kFaceProperty, QVariant::fromValue<QObject*>(face));
    }
    face->Role = Role;
    face->Press = std::move(Press);
}

}  // namespace ui
