#include "platform/widgets/RichEdit.h"

#include <QTextBlock>

TRichEdit::TRichEdit(QWidget* Parent) : QTextEdit(Parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setLineWidth(2);
    setAcceptRichText(false);
    document()->setDocumentMargin(0);  // the border width alone keeps the text off the edge
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);  // the border around the text is white as well
}

void TRichEdit::SetBorderWidth(int Width)
{
    FBorderWidth = Width;
    setViewportMargins(Width, Width, Width, Width);
}

void TRichEdit::SetLines(const QStringList& Lines)
{
    setPlainText(Lines.join(QLatin1Char('\n')));
}

QStringList TRichEdit::Lines() const
{
    QStringList out;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) out << b.text();
    return out;
}
