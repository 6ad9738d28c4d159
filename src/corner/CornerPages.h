#pragma once
// The corner's "Раскраски": a colouring page drawn from a photo chosen (or dropped), as simple or
// as detailed as the slider says, kept under a theme of the colouring book; and the pages kept so
// far, each removed (a theme left empty goes with its last page).
#include "pictures/ColouringPages.h"

#include <QString>

struct TCornerDesk;

class TCornerPages {
public:
    explicit TCornerPages(TCornerDesk& Desk);

    // The pages kept, as "theme/page".
    void Show();
    // "Сделать раскраску": a photo chosen in the file dialog.
    void Make();
    // The page of the photo at Path, previewed at the slider's detail.
    void Open(const QString& Path);
    void ShowDetail(int Detail);
    // "Сохранить раскраску": under the theme typed.
    void Save();
    // Page is "theme/page".
    void Remove(const QString& Page);

private:
    TCornerDesk& FDesk;
    pages::TPageMaker FPage;
};
