#include "platform/widgets/Align.h"

#include <QEvent>
#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <cmath>
#include <vector>

namespace {

const char* const kAlignerProperty = "kvAligner";
const char* const kBaseSizeProperty = "kvBaseSize";

// The placing rules of one child.
struct TChildRules {
    QPointer<QWidget> Widget;
    TAlign Align = TAlign::None;
    TAnchors Anchors = akLeftTop;
    QRect Base;            // bounds at OriginalParent
    QSize OriginalParent;  // the parent's size the bounds belong to
    QRect Last;            // bounds as last placed or seen; a difference means code moved the child
};

int MulDiv(int A, int B, int C)
{
    return C == 0 ? 0 : int(std::lround(double(A) * B / C));
}

// A child's bounds at ParentSize by its anchors.
QRect Anchored(const TChildRules& r, const QSize& ParentSize)
{
    const QRect& d = r.Base;
    int left = d.left(), top = d.top(), width = d.width(), height = d.height();
    const int dw = ParentSize.width() - r.OriginalParent.width();
    const int dh = ParentSize.height() - r.OriginalParent.height();
    if (r.Anchors & akRight) {
        if (r.Anchors & akLeft)
            width += dw;
        else
            left += dw;
    } else if (!(r.Anchors & akLeft)) {
        left = MulDiv(d.left() + d.width() / 2, ParentSize.width(), r.OriginalParent.width()) - width / 2;
    }
    if (r.Anchors & akBottom) {
        if (r.Anchors & akTop)
            height += dh;
        else
            top += dh;
    } else if (!(r.Anchors & akTop)) {
        top = MulDiv(d.top() + d.height() / 2, ParentSize.height(), r.OriginalParent.height()) - height / 2;
    }
    return QRect(left, top, std::max(width, 0), std::max(height, 0));
}

// Whether a in the alignment order goes before b, both aligned alike (compares present bounds,
// as classic Windows forms did; ties keep creation order).
bool GoesBefore(const QRect& a, const QRect& b, TAlign Align)
{
    switch (Align) {
        case TAlign::Top:
            return a.top() < b.top();
        case TAlign::Bottom:
            return a.top() + a.height() >= b.top() + b.height();
        case TAlign::Left:
            return a.left() < b.left();
        case TAlign::Right:
            return a.left() + a.width() >= b.left() + b.width();
        default:
            return false;
    }
}

bool IsHiddenChild(const QWidget* w)
{
    return w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide);
}

QSize BaseSizeOf(const QWidget* w)
{
    const QVariant v = w->property(kBaseSizeProperty);
    return v.isValid() ? v.toSize() : w->size();
}

// Kept on a parent: the rules of its children and the placing itself.
class TAligner : public QObject {
public:
    explicit TAligner(QWidget* Parent) : QObject(Parent), FParent(Parent), FLastParentSize(BaseSizeOf(Parent))
    {
        Parent->installEventFilter(this);
    }

    static TAligner* Of(const QWidget* Parent)
    {
        return Parent ? static_cast<TAligner*>(qvariant_cast<QObject*>(Parent->property(kAlignerProperty))) : nullptr;
    }
    static TAligner* Ensure(QWidget* Parent)
    {
        TAligner* a = Of(Parent);
        if (!a) {
            a = new TAligner(Parent);
            Parent->setProperty(kAlignerProperty, QVariant::fromValue<QObject*>(a));
        }
        return a;
    }

    TChildRules* Find(const QWidget* Child)
    {
        for (auto& r : FRules)
            if (r.Widget == Child) return &r;
        return nullptr;
    }

    TChildRules& Register(QWidget* Child)
    {
        if (TChildRules* r = Find(Child)) return *r;
        FRules.push_back(TChildRules{Child, TAlign::None, akLeftTop, Child->geometry(), FParent->size(), Child->geometry()});
        Child->installEventFilter(this);
        return FRules.back();
    }

    void Realign()
    {
        if (FBusy) return;
        FBusy = true;
        DropStrays();
        NoteMovesByCode();
        const QSize parentSize = FParent->size();
        const auto* client = dynamic_cast<const IAlignClient*>(FParent);
        QRect rest = client ? client->AlignClientRect() : FParent->rect();

        std::vector<QRect> placed(FRules.size());
        for (size_t i = 0; i < FRules.size(); ++i) placed[i] = FRules[i].Widget->geometry();
        for (TAlign kind : {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right}) {
            for (size_t i : InAlignOrder(kind)) {
                QRect g = placed[i];
                switch (kind) {
                    case TAlign::Top:
                        g = QRect(rest.left(), rest.top(), rest.width(), g.height());
                        rest.setTop(rest.top() + g.height());
                        break;
                    case TAlign::Bottom:
                        g = QRect(rest.left(), rest.bottom() + 1 - g.height(), rest.width(), g.height());
                        rest.setBottom(rest.bottom() - g.height());
                        break;
                    case TAlign::Left:
                        g = QRect(rest.left(), rest.top(), g.width(), rest.height());
                        rest.setLeft(rest.left() + g.width());
                        break;
                    default:
                        g = QRect(rest.right() + 1 - g.width(), rest.top(), g.width(), rest.height());
                        rest.setRight(rest.right() - g.width());
                        break;
                }
                placed[i] = g;
            }
        }
        for (size_t i = 0; i < FRules.size(); ++i) {
            const TChildRules& r = FRules[i];
            if (r.Align == TAlign::Client) {
                if (!IsHiddenChild(r.Widget))
                    placed[i] = QRect(rest.topLeft(), QSize(std::max(rest.width(), 0), std::max(rest.height(), 0)));
            } else if (r.Align == TAlign::None) {
                placed[i] = Anchored(r, parentSize);
            }
        }
        FLastParentSize = parentSize;
        // Place first, then let each child place its own children: a hidden child gets no resize
        // event until it is shown, yet its children must be right at once.
        std::vector<QPointer<QWidget>> moved;
        for (size_t i = 0; i < FRules.size(); ++i) {
            TChildRules& r = FRules[i];
            r.Last = placed[i];
            if (r.Widget->geometry() != placed[i]) r.Widget->setGeometry(placed[i]);
            moved.push_back(r.Widget);
        }
        FBusy = false;
        for (auto& w : moved)
            if (w)
                if (TAligner* a = Of(w)) a->Realign();
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Watched == FParent) {
            if (Event->type() == QEvent::Resize)
                Realign();
            else if (Event->type() == QEvent::ChildRemoved)
                DropStrays();
            return false;
        }
        switch (Event->type()) {
            case QEvent::ShowToParent:
            case QEvent::HideToParent:
            case QEvent::Resize:
                if (const TChildRules* r = Find(static_cast<QWidget*>(Watched)); r && r->Align != TAlign::None && !FBusy)
                    if (Event->type() != QEvent::Resize || static_cast<QWidget*>(Watched)->geometry() != r->Last) Realign();
                break;
            default:
                break;
        }
        return false;
    }

private:
    // Children that died or moved to another parent leave the rules.
    void DropStrays()
    {
        std::erase_if(FRules, [this](const TChildRules& r) {
            if (r.Widget && r.Widget->parentWidget() != FParent) r.Widget->removeEventFilter(this);
            return !r.Widget || r.Widget->parentWidget() != FParent;
        });
    }

    // A child that code moved or resized since the last placing keeps its new bounds, measured
    // against the parent size of that time.
    void NoteMovesByCode()
    {
        for (auto& r : FRules) {
            const QRect now = r.Widget->geometry();
            if (now == r.Last) continue;
            r.Base = now;
            r.OriginalParent = FLastParentSize;
            r.Last = now;
        }
    }

    // Indices of the visible children aligned as Kind, in the order they take their places.
    std::vector<size_t> InAlignOrder(TAlign Kind) const
    {
        std::vector<size_t> order;
        for (size_t i = 0; i < FRules.size(); ++i) {
            const TChildRules& r = FRules[i];
            if (r.Align != Kind || IsHiddenChild(r.Widget)) continue;
            auto at = order.begin();
            while (at != order.end() && !GoesBefore(r.Widget->geometry(), FRules[*at].Widget->geometry(), Kind)) ++at;
            order.insert(at, i);
        }
        return order;
    }

    QWidget* FParent;
    QSize FLastParentSize;
    std::vector<TChildRules> FRules;
    bool FBusy = false;
};

}  // namespace

namespace ui {

void SetBase(QWidget* Child, const QRect& Bounds, TAlign Align, TAnchors Anchors)
{
    Child->setProperty(kBaseSizeProperty, Bounds.size());
    Child->setGeometry(Bounds);
    QWidget* parent = Child->parentWidget();
    if (!parent) return;
    TChildRules& r = TAligner::Ensure(parent)->Register(Child);
    r.Align = Align;
    r.Anchors = Anchors;
    r.Base = Bounds;
    r.OriginalParent = BaseSizeOf(parent);
    r.Last = Bounds;
}

void SetAlign(QWidget* Child, TAlign Align)
{
    if (QWidget* parent = Child->parentWidget()) {
        TAligner* a = TAligner::Ensure(parent);
        a->Register(Child).Align = Align;
        a->Realign();
    }
}

void SetAnchors(QWidget* Child, TAnchors Anchors)
{
    if (QWidget* parent = Child->parentWidget()) {
        TChildRules& r = TAligner::Ensure(parent)->Register(Child);
        r.Anchors = Anchors;
        r.Base = Child->geometry();
        r.OriginalParent = parent->size();
        r.Last = r.Base;
    }
}

void SetBaseSize(QWidget* Parent, const QSize& Size)
{
    Parent->setProperty(kBaseSizeProperty, Size);
}

void Realign(QWidget* Parent)
{
    if (TAligner* a = TAligner::Of(Parent)) a->Realign();
}

bool BaseOf(const QWidget* Child, QRect* Bounds, QSize* ParentSize)
{
    TAligner* a = TAligner::Of(Child->parentWidget());
    const TChildRules* r = a ? a->Find(Child) : nullptr;
    if (!r) return false;
    *Bounds = r->Base;
    *ParentSize = r->OriginalParent;
    return true;
}

TAlign AlignOf(const QWidget* Child)
{
    TAligner* a = TAligner::Of(Child->parentWidget());
    const TChildRules* r = a ? a->Find(Child) : nullptr;
    return r ? r->Align : TAlign::None;
}

TAnchors AnchorsOf(const QWidget* Child)
{
    TAligner* a = TAligner::Of(Child->parentWidget());
    const TChildRules* r = a ? a->Find(Child) : nullptr;
    return r ? r->Anchors : akLeftTop;
}

}  // namespace ui
