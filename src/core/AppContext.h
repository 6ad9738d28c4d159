#pragma once
// What the program's parts share: the main window's settings, its dialogs, the speech, the
// hidden parking panel where new tiles wait, and the one place where every answer is announced.
// The main window owns it; boards, strips, tiles and games keep a reference.
#include "core/Announcer.h"
#include "core/Settings.h"

#include <exception>
#include <functional>
#include <memory>

class IDialogs;
class IExamPractice;
class IPrinter;
class ISpeech;
class QWidget;

struct TAppContext {
    TSettings Settings;
    IDialogs* Dialogs = nullptr;
    // The printer the colouring pages and the other printed sheets go to, made when first asked
    // (finding the printers takes a while); none: nothing is printed.
    std::function<IPrinter*()> Printer;
    ISpeech* Speech = nullptr;
    QWidget* SourcePanel = nullptr;  // hidden parking area where new tiles wait
    // Whether the program is ending: a long loading checks it between two files and then throws
    // ELoadingStopped. May be called from any thread; none means never.
    std::function<bool()> Ending;
    // Every pick a game judged and every letter heard on the learning board, in the order they
    // happen; whoever keeps the child's progress listens here.
    TAnswerAnnouncer Answers;
    // Asked by the examination for its order and for letters to ask again ("Экзамен: сначала трудные
    // буквы"); none: the examination's own order, every letter once.
    std::shared_ptr<IExamPractice> ExamPractice;
};

// A loading that stopped because the program is ending; nothing it was making is to be used.
class ELoadingStopped : public std::exception {
public:
    const char* what() const noexcept override { return "loading stopped: the program is ending"; }
};
