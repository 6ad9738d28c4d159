#include "games/GameJoins.h"

#include "core/AppContext.h"
#include "core/Speech.h"
#include "games/ExamGame.h"
#include "games/GameImgPanels.h"
#include "games/GameLetterPanels.h"
#include "games/MakeWBuffer.h"
#include "games/PicGameBuffer.h"
#include "letters/Letter.h"

void JoinSpeech(TLetterGame& Game, TAppContext& Context)
{
    Game.Outcomes.Listen([&Context](TOutcome Outcome) {
        switch (Outcome) {
            case TOutcome::otRight:
                Context.Speech->SayPraise();  // returns once its box is closed
                break;
            case TOutcome::otWrong:
                Context.Speech->SayTryAgain();
                break;
            case TOutcome::otFinished:
                Context.Speech->SayWellDone();
                break;
        }
    });
}

void JoinBoard(TRusLetterPanelCollection& Board, TLetterGame& Game)
{
    Board.LetterPicked = [&Game](const TLetter& Letter) { Game.Answer(Letter.LowerLetter); };
}

void JoinExamBoard(TRusExamLetterPanelCollection& Board, TExamGame& Game)
{
    Game.Letters = Board.Letters.get();
    JoinBoard(Board, Game);
}

void JoinStrip(TFirstLImgPanelCollection& Strip, TPicGameBuffer& Game)
{
    Strip.PictureSelected = [&Strip, &Game](int Index) { Game.PictureShown(Strip.GetTile(Index)->Name); };
    Game.NextPicture = [&Strip] { return Strip.NextPicture(); };
}

void JoinStrip(TMakeWImgPanelCollection& Strip, TMakeWBuffer& Game)
{
    Strip.PictureSelected = [&Strip, &Game](int Index) {
        Game.PictureShown(Strip.GetTile(Index)->Name);
        Game.ShowWord(Strip.WordPanel);
    };
    Game.NextPicture = [&Strip] { return Strip.NextPicture(); };
}

void JoinLearningBoard(TRusSndLetterPanelCollection& Board, TAppContext& Context)
{
    Board.LetterPicked = [&Context](const TLetter& Letter) {
        TAnswer heard;
        heard.Game = TGameKind::gkLearning;
        heard.Sounds = Context.Settings.LetterSetMode == lsSounds;
        heard.Asked = heard.Picked = cp1251::ToUnicode(cp1251::LetterString(Letter.LowerLetter));
        Context.Answers.Announce(heard);
    };
}
