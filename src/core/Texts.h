#pragma once
// Titles the program's boxes share.

// The window caption, also the title of folder, colouring-page and loading messages.
inline const char* const kWindowCaption = "Кварнель";
// The title of the sound boxes and the web-link question.
inline const char* const kSoundBoxTitle = "Вельмок";
// The first line of every box about a picture that cannot be read.
inline const char* const kReadErrorMessage = "Ошибка чтения файла";
