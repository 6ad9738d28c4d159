#pragma once
// Why a content file could not be used, in the plain Russian of the program's boxes and of its
// content check: the box says which file, this says what is wrong with it.
#include "platform/audio/Mp3Decoder.h"

#include <QString>

#include <optional>

// What keeps a file from being read at all: "нет такого файла", "это папка, а не файл",
// "нет доступа", "файл пуст"; nothing when it can be read and holds something.
std::optional<QString> FileProblem(const QString& Path);

// Why a JPEG picture read with QImageReader gave nothing: the file's problem, else what the reader
// found ("не JPEG", "JPEG повреждён"). Error is the reader's QImageReader::ImageReaderError.
QString JpegReaderReason(const QString& Path, int Error);

// The box about a picture that cannot be read: "Ошибка чтения файла", then the file and the
// reason, each on a line of its own.
QString ReadErrorText(const QString& Path, const QString& Reason);

// "нет такого файла", "не MP3", "MP3 повреждён", "файл пуст", "нет доступа", "MP3 обрезан";
// empty for a sound that decoded.
QString Mp3Reason(const TMp3Result& Result);
