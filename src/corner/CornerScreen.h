#pragma once
// The grown-ups' corner's three sections as widgets, each button named for what it does and for
// which item ("Записать: бэ"), so 33 "Записать" buttons can be told apart by a screen reader.
// The sections show the lists; what a press does is the caller's (callbacks), so the screen can be
// wired to the window, the recorder and the file dialog by whoever owns them.
#include "sound/OwnClips.h"

#include <QWidget>

#include <functional>
#include <vector>

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

    // The "Голос" section's rows: one per clip, with "Послушать", "Записать" and, for the family's
    // own clip, "Вернуть прежнюю запись".
    void ShowClips(const std::vector<ownclips::TSpokenClip>& Clips);
    // The "Картинки" section's list of own pictures, each with "Переименовать" and "Удалить".
    void ShowOwnWords(const QStringList& Words);
    void ShowStatus(const QString& Sentence);
    void ShowPreview(const QImage& Page);

    std::function<void(const ownclips::TSpokenClip&)> OnListen, OnRecord, OnRevert;
    std::function<void(const QString&Word)> OnRename, OnRemove;
    std::function<void()> OnClose, OnAddPicture, OnSaveWord, OnMakePage, OnSavePage;
    // The recording bar: "Стоп" while recording, then "Оставить" or "Ещё раз".
    std::function<void()> OnStop, OnKeep, OnAgain;
    std::function<void(const QString& Voice)> OnVoice;
    // The level meter while recording, in dB below full scale (-60 and below shows nothing).
    void ShowLevel(double LevelDb);
    std::function<void(int Detail)> OnDetail;

    QLineEdit* WordEdit() const { return FWord; }
    QLineEdit* ThemeEdit() const { return FTheme; }
    QSlider* DetailSlider() const { return FDetail; }

private:
    QWidget* BuildVoice();
    QWidget* BuildPictures();
    QWidget* BuildColouring();

    QStackedWidget* FSections;
    QVBoxLayout* FClipRows = nullptr;
    QVBoxLayout* FWordRows = nullptr;
    QLineEdit* FWord = nullptr;
    QLineEdit* FTheme = nullptr;
    QSlider* FDetail = nullptr;
    QLabel* FStatus = nullptr;
    QLabel* FPreview = nullptr;
    QProgressBar* FLevel = nullptr;
};
