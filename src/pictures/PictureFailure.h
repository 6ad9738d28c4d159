#pragma once
// Why a picture file gave no picture, in the plain Russian of the program's boxes. The readers
// only say yes or no, on worker threads and as fast as they can; a failure is rare, so its reason
// is found afterwards by looking at the file again.
#include <QString>

enum class TPictureKind {
    Jpeg,           // a word or letter picture
    ColouringPage,  // a scrambled bitmap
};

// "нет такого файла", "это папка, а не файл", "нет доступа", "файл пуст", "не JPEG (это PNG)",
// "слишком большой рисунок (…)", "JPEG обрезан", "страница раскраски повреждена", …
QString PictureFailureReason(const QString& Path, TPictureKind Kind);
