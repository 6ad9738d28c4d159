#pragma once
// What the two picture games ("Найди букву", "Дед Буквоед") prepare alike when they open.
class QWidget;
class TImgPanelCollection;
class TRusLetterPanelCollection;
class TScrollBox;
struct TSettings;

// The picture games always play with the 33 letter names, so their letter row is built and laid
// out in Container only when it was built for another set (in practice on the first opening).
void PrepareLetterChoiceRow(TSettings& Settings, TRusLetterPanelCollection& Row, QWidget* Container);
// The word pictures are read into the strip and placed in Box once per run.
void LoadWordPicturesOnce(TImgPanelCollection& Strip, TScrollBox* Box);
