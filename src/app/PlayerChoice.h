#pragma once
// Each child's progress joined to the window: the answers kept for who plays ("Кто играет?",
// progress/PlayerChoice.h), "Успехи" in the grown-ups' corner, and the examination's practice.
class TMainForm;
class TPlayerChoice;
class TProgressStore;

// Joins each child's progress to Window: every answer kept for who plays, "Успехи" in the
// grown-ups' corner, and "Кто играет?" when there is a choice (asked now).
TPlayerChoice* JoinProgress(TMainForm& Window, TProgressStore& Store);
