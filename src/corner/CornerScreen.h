#pragma once
// The grown-ups' corner's three sections as widgets, each button named for what it does and for
// which item ("Записать: бэ"), so 33 "Записать" buttons can be told apart by a screen reader.
// Rows and buttons keep object names a test can find them by: "ClipRow:<clip's path>",
// "RecordButton:<clip's path>", "WordRow:кот", "RemovePageButton:<theme>/<page>", "TabButton:Голос".
// The sections show the lists; what a press does is the caller's (callbacks), so the screen can be
// wired to the recorder and the file dialog by whoever owns them.
#include "sound/OwnClips.h"

#include <QImage>
#include <QWidget>

#include <QSet>

#include <functional>
#include <vector>

class QComboBox;
class TClipFold;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QSlider;
class QStackedWidget;
class QVBoxLayout;
class QLabel;
class QProgressBar;

class TCornerScreen : public QWidget {
public:
    explicit TCornerScreen(QWidget* Parent = nullptr);

    enum TSection { csVoice = 0, csPictures = 1, csColouring = 2 };
    void ShowSection(TSection Section);
    int CurrentSection() const;
    // A further section, after the three, with its pressable name; its index is returned.
    int AddSection(const QString& Name, QWidget* Page);
    void ShowSection(int Index);

    // The "Голос" section's rows: one per clip, with "Послушать", "Записать" and, for the family's
    // own clip, "Вернуть прежнюю запись". The clips of "Слоги" come folded under their headings
    // and lessons (corner/ClipFold.h), their rows built when opened; what was open stays open
    // when the list is shown anew.
    void ShowClips(const std::vector<ownclips::TSpokenClip>& Clips);
    // The "Картинки" section's list of own pictures, each with "Переименовать" and "Удалить", and
    // its small picture when Thumbnails has one at the same index.
    void ShowOwnWords(const QStringList& Words, const QList<QImage>& Thumbnails = {});
    // The "Раскраски" section's list of own pages ("Мои раскраски/кот"), each with "Удалить".
    void ShowOwnPages(const QStringList& Pages);
    // The picture chosen to be added, shown small beside the word field.
    void ShowChosenPicture(const QImage& Picture);
    void ShowStatus(const QString& Sentence);
    // The group journal's state, beside the status line for as long as the corner is open.
    void ShowJournalState(const QString& Sentence);
    void ShowPreview(const QImage& Page);

    std::function<void(const ownclips::TSpokenClip&)> OnListen, OnRecord, OnRevert;
    std::function<void(const QString&Word)> OnRename, OnRemove;
    std::function<void(const QString& Page)> OnRemovePage;
    // "Добавить фразу": the text typed in "Текст фразы" for praise (true) or try-again (false).
    std::function<void(bool Praise, const QString& Text)> OnAddPhrase;
    std::function<void()> OnClose, OnAddPicture, OnSaveWord, OnMakePage, OnSavePage;
    // The recording bar: "Стоп" while recording, then "Оставить" or "Ещё раз".
    std::function<void()> OnStop, OnKeep, OnAgain;
    std::function<void(const QString& Voice)> OnVoice;
    // The microphones to choose from, shown only when there are several.
    void ShowMicrophones(const QStringList& Names);
    // The microphone chosen; empty for the default one.
    QString Microphone() const;
    // Shows Voice ("Женский голос") on the voice switch without running OnVoice.
    void SetVoice(const QString& Voice);
    // The level meter while recording, in dB below full scale (-60 and below shows nothing).
    void ShowLevel(double LevelDb);
    std::function<void(int Detail)> OnDetail;

    QLineEdit* WordEdit() const { return FWord; }
    QLineEdit* PhraseEdit() const { return FPhrase; }
    QLineEdit* ThemeEdit() const { return FTheme; }
    QSlider* DetailSlider() const { return FDetail; }

private:
    QWidget* BuildVoice();
    QWidget* BuildPictures();
    QWidget* BuildColouring();
    QWidget* ClipRow(const ownclips::TSpokenClip& Clip);
    // A heading of "Слоги" with its lessons, or one lesson with its rows, folded unless it was open.
    TClipFold* HeadingFold(ownclips::TClipGroup Group, const std::vector<ownclips::TSpokenClip>& Clips);
    TClipFold* LessonFold(const QString& Heading, const std::vector<ownclips::TSpokenClip>& Clips);
    TClipFold* Fold(const QString& Key, const QString& Caption, const QString& Within,
                    std::function<void(QVBoxLayout& Rows)> Build);

    QStackedWidget* FSections;
    QHBoxLayout* FTabs = nullptr;
    int FFixedTabs = 0;  // the tab row's items before the added sections' names
    QVBoxLayout* FClipRows = nullptr;
    QSet<QString> FOpenFolds;  // the keys of the folds open now
    QVBoxLayout* FWordRows = nullptr;
    QVBoxLayout* FPageRows = nullptr;
    QLineEdit* FPhrase = nullptr;
    QLabel* FChosen = nullptr;
    QLineEdit* FWord = nullptr;
    QLineEdit* FTheme = nullptr;
    QSlider* FDetail = nullptr;
    QLabel* FStatus = nullptr;
    QLabel* FJournalState = nullptr;
    QLabel* FPreview = nullptr;
    QProgressBar* FLevel = nullptr;
    QComboBox* FVoice = nullptr;
    QComboBox* FMicrophone = nullptr;
};
