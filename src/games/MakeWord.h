#pragma once
// "Дед Буквоед": the word of a picture is spelled under it with one letter left out, and the child
// clicks the missing letter. The game's action opens it in two parts around raising its screen
// and rules page.
class TMainForm;

// Before the screen comes up: the 33 names in force, the choice row built once for them, the word
// pictures read once per run, then a new order with every picture shown.
void PrepareMakeWordGame(TMainForm& Form);
// After the rules page: the first picture of the new order becomes current, with a newly hidden
// letter. With no pictures at all there is none: empty picture, empty word, every pick wrong.
void SelectFirstMakeWordPicture(TMainForm& Form);
