#pragma once
// The corner's "Картинки": a family photo chosen (or dropped) for a word of the picture games,
// kept in the family's folder, and the photos kept so far, each renamed or removed.
#include <QString>

struct TCornerDesk;

class TCornerPictures {
public:
    explicit TCornerPictures(TCornerDesk& Desk);

    // The photos kept, with their small pictures.
    void Show();
    // "Добавить картинку": a photo chosen in the file dialog.
    void Add();
    // Path is the photo for the word typed next.
    void Choose(const QString& Path);
    // "Сохранить": the chosen photo kept for the word typed.
    void Save();
    // "Переименовать": Word's photo kept under the word typed.
    void Rename(const QString& Word);
    void Remove(const QString& Word);

private:
    TCornerDesk& FDesk;
    QString FPicture;  // the photo chosen, until it is kept
};
