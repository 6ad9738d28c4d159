#pragma once
// Alignment and anchors: the one helper that places a widget's children from their base
// geometry whenever the widget changes size, or one of its aligned children is shown or hidden.
//
// Every child is described at its parent's base size: its base bounds, an alignment and
// anchors. Aligned children share the parent's client rectangle in the order top, bottom, left,
// right, then client; hidden ones take no space. Children that are not aligned keep the distances
// to the edges they are anchored to; a child with no anchor on an axis keeps its relative place
// there (its centre scales with the parent). A child that code moves or resizes keeps its new
// bounds as its new base bounds, at the parent size of that moment.
#include <QRect>
#include <QSize>

class QWidget;

enum class TAlign { None, Top, Bottom, Left, Right, Client };

enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;
inline constexpr TAnchors akNone = 0;
inline constexpr TAnchors akLeftTop = akLeft | akTop;
inline constexpr TAnchors akAll = akLeft | akTop | akRight | akBottom;

// A widget that keeps part of its area for itself (bevels, a border) gives its children the rest.
class IAlignClient {
public:
    virtual ~IAlignClient() = default;
    // The rectangle its aligned children share, in its own coordinates.
    virtual QRect AlignClientRect() const = 0;
};

namespace ui {

// Places Child at Bounds (at its parent's base size) and keeps it there by Align and Anchors.
// Bounds.size() also becomes Child's own base size for its children.
void SetBase(QWidget* Child, const QRect& Bounds, TAlign Align = TAlign::None, TAnchors Anchors = akLeftTop);
// The same for a child that is not aligned.
inline void SetBase(QWidget* Child, const QRect& Bounds, TAnchors Anchors)
{
    SetBase(Child, Bounds, TAlign::None, Anchors);
}

// Alignment or anchors for a child at its current bounds and its parent's current size, as code
// that creates widgets at run time (tiles) sets them.
void SetAlign(QWidget* Child, TAlign Align);
void SetAnchors(QWidget* Child, TAnchors Anchors);

// The size a widget's children were laid out against, for a widget whose own bounds do not come
// from SetBase (the window's client area).
void SetBaseSize(QWidget* Parent, const QSize& Size);

// Places Parent's children now, and theirs in turn.
void Realign(QWidget* Parent);

// The bounds Child was laid out with (or last moved to by code) and the parent size they belong
// to; false when the helper does not place Child.
bool BaseOf(const QWidget* Child, QRect* Bounds, QSize* ParentSize);

TAlign AlignOf(const QWidget* Child);
TAnchors AnchorsOf(const QWidget* Child);

}  // namespace ui
