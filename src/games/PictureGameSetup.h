#pragma once
// What the two picture games ("Найди букву", "Дед Буквоед") prepare alike when they open.
class IDialogs;
class QWidget;
class TImgPanelCollection;
class TRusLetterPanelCollection;
class TScrollBox;
struct TSettings;

// The picture games always play with the 33 letter names, so their letter row is built and laid
// out in Container only when it was built for another set (in practice on the first opening).
// A letter picture that fails meanwhile ends it with a box; false then.
bool PrepareLetterChoiceRow(TSettings& Settings, TRusLetterPanelCollection& Row, QWidget* Container, IDialogs& Dialogs);
// The word pictures are read into the strip once per run, at the size Box's tiles show them: the
// reading is begun here and goes on on the thread pool; once the pictures are in, their tiles are
// placed in Box (before whatever else waits for the strip). Nothing when they are read or being read.
void LoadWordPicturesOnce(TImgPanelCollection& Strip, TScrollBox* Box);
// A strip read with no picture to play with: a box naming the folder (unless its folder was
// missing, which has had its own box).
void ReportNoPictures(const TImgPanelCollection& Strip, const TSettings& Settings, IDialogs& Dialogs);
