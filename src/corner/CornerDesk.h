#pragma once
// What the corner's sections work with: the program's context (content, voice, dialogs, speech),
// the family's own folder everything is written into, the sections' widgets with their status
// line, and whether the content changed while the corner was open.
#include <QString>

struct TAppContext;
class TCornerScreen;

// The corner's name: for screen readers, on its shortcut and as the title of its questions.
inline const QString kCornerTitle = QStringLiteral("Для взрослых");

struct TCornerDesk {
    TCornerDesk(TAppContext& DeskContext, const QString& Folder) : Context(DeskContext), UserFolder(Folder) {}

    TAppContext& Context;
    // The family's own folder (TContentRoots::UserFolder) unless set (tests).
    QString UserFolder;
    // Made when the corner first opens, before any section works.
    TCornerScreen* Screen = nullptr;
    // Something was written or removed: the window reads what depends on it once the corner closes.
    bool Changed = false;

    // The status line under the sections.
    void Say(const QString& Sentence) const;
    // Question asked with "Нет" as the answer Enter gives; no when there is nobody to ask.
    bool Confirm(const QString& Question) const;
    // A picture file the grown-up chooses in the file dialog; empty when cancelled.
    QString ChoosePicture(const QString& Title) const;
};
