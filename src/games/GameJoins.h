#pragma once
// How the game states are joined to what they judge and to what listens to them: a board's picks
// go to its game's Answer, a strip's selection becomes its game's question, a game's outcomes are
// spoken, and the letters heard on the learning board go to the program's answers. LoadGameObjects
// joins each pair as soon as both exist; whoever makes them by hand joins them the same way.
struct TAppContext;
class TExamGame;
class TFirstLImgPanelCollection;
class TLetterGame;
class TMakeWBuffer;
class TMakeWImgPanelCollection;
class TPicGameBuffer;
class TRusExamLetterPanelCollection;
class TRusLetterPanelCollection;
class TRusSndLetterPanelCollection;

// The praise, the try-again phrase and the well-done phrase for Game's outcomes, through the
// speech the context holds when they happen.
void JoinSpeech(TLetterGame& Game, TAppContext& Context);
// Every letter picked on Board is an answer to Game.
void JoinBoard(TRusLetterPanelCollection& Board, TLetterGame& Game);
// JoinBoard, and the questions are asked from the board's letters.
void JoinExamBoard(TRusExamLetterPanelCollection& Board, TExamGame& Game);
// A selected picture is Game's question; a right pick moves the strip on.
void JoinStrip(TFirstLImgPanelCollection& Strip, TPicGameBuffer& Game);
// The same, and the word is spelled in the strip's word panel at each selection.
void JoinStrip(TMakeWImgPanelCollection& Strip, TMakeWBuffer& Game);
// Every letter told on the learning board goes to the program's answers.
void JoinLearningBoard(TRusSndLetterPanelCollection& Board, TAppContext& Context);
