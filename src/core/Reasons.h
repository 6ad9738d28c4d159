#pragma once
// Why a content file could not be used, in the plain Russian of the program's boxes and of its
// content check: the box says which file, this says what is wrong with it.
#include "platform/Mp3Decoder.h"

#include <QString>

// "нет такого файла", "не MP3", "MP3 повреждён", "файл пуст", "нет доступа", "MP3 обрезан";
// empty for a sound that decoded.
QString Mp3Reason(const TMp3Result& Result);
