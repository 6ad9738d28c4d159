#include "games/PicGameBuffer.h"

TPicGameBuffer::TPicGameBuffer(TAppContext& Context) : TLetterGame(Context, TGameKind::gkFindLetter) {}

void TPicGameBuffer::Reset()
{
    Word.clear();
    TargetLetter.clear();
    QuestionAsked();
}

void TPicGameBuffer::PictureShown(const AnsiString& Name)
{
    Word = Name;
    TargetLetter = Name.empty() ? AnsiString() : Name.substr(0, 1);
    QuestionAsked();
}

void TPicGameBuffer::DescribeQuestion(TAnswer& Answer) const
{
    Answer.Word = cp1251::ToUnicode(Word);
    Answer.Asked = cp1251::ToUnicode(TargetLetter);
}

bool TPicGameBuffer::NextQuestion()
{
    return NextPicture && NextPicture();
}
