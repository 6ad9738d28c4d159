#pragma once
// A widget that an object makes and frees with itself, while the window's widget tree is its
// parent. The tree may free it first (the window going away at program end); the owner then has
// nothing left to free.
#include <QPointer>

template <class T>
class TOwnedWidget {
public:
    TOwnedWidget() = default;
    explicit TOwnedWidget(T* Widget) : FWidget(Widget) {}
    ~TOwnedWidget() { delete FWidget.data(); }
    TOwnedWidget(const TOwnedWidget&) = delete;
    TOwnedWidget& operator=(const TOwnedWidget&) = delete;

    T* data() const { return FWidget.data(); }
    T* operator->() const { return FWidget.data(); }
    operator T*() const { return FWidget.data(); }

private:
    QPointer<T> FWidget;
};
