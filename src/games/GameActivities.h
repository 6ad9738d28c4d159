#pragma once
// The four letter games as the window's menu offers them ("Обучение", "Найди букву", "Дед Буквоед",
// "Экзамен"): each describes its menu entry, rules page, chooser, screen and opening (core/Activity.h)
// over the program-wide game objects.
#include "core/Activity.h"

#include <memory>

struct TAppContext;
struct TGameObjects;
class TPictureWait;

TActivity LearningActivity(TAppContext& Context, TGameObjects& Objects);
// Both picture games wait for their strip's pictures through Wait.
TActivity FindLetterActivity(TAppContext& Context, TGameObjects& Objects, IActivityWindow& Window,
                             std::shared_ptr<TPictureWait> Wait);
TActivity MakeWordActivity(TAppContext& Context, TGameObjects& Objects, IActivityWindow& Window,
                           std::shared_ptr<TPictureWait> Wait);
TActivity ExamActivity(TAppContext& Context, TGameObjects& Objects);
