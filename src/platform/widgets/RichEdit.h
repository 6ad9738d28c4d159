#pragma once
// A box of formatted text lines with a sunken edge and an empty border of BorderWidth pixels
// between the edge and the text, black on white by default.
#include <QStringList>
#include <QTextEdit>

class TRichEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit TRichEdit(QWidget* Parent = nullptr);

    void SetBorderWidth(int Width);
    int BorderWidth() const { return FBorderWidth; }
    // One line per string, kept exactly as given (trailing spaces too).
    void SetLines(const QStringList& Lines);
    QStringList Lines() const;

private:
    int FBorderWidth = 0;
};
