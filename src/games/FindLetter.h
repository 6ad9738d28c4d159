#pragma once
// "Найди букву": a picture is shown large and the child clicks the letter its word begins with.
// The game's action opens it in two parts around raising its screen and rules page.
class TMainForm;

// Before the screen comes up: the 33 names in force, the letter row built once for them, the game
// state cleared, the word pictures read once per run, then a new order with every picture shown.
void PrepareFindLetterGame(TMainForm& Form);
// After the rules page: the first picture of the new order becomes current. With no pictures at
// all there is none: the big picture stays empty and every pick is answered as wrong.
void SelectFirstFindLetterPicture(TMainForm& Form);
