// Picture names and the cp1251 text they are kept in. The input is taken as a file name three
// ways: UTF-8 (names made by the program's own tools), raw 8-bit bytes as they come from the disk
// (QFile::decodeName), and raw UTF-16 (which also gives lone surrogates). For each the name must
// hold one byte per character of the composed part before the first ".", each byte the cp1251
// form of its character or '?' for a character cp1251 does not have. The bytes themselves are also
// cp1251 text that must come back unchanged from Unicode.
#include "FuzzSupport.h"

#include "pictures/PictureName.h"
#include "platform/Cp1251.h"

#include <QFile>
#include <QString>

#include <array>
#include <cstring>
#include <vector>

namespace {

constexpr char32_t kNoByte = 0xFFFFFFFF;
// The cp1251 byte of each BMP character, built from ToUnicode alone (kNoByte where there is none),
// so that it checks FromUnicode without sharing its search.
std::array<uint32_t, 0x10000> ByteOf;

void BuildByteTable()
{
    ByteOf.fill(kNoByte);
    for (int b = 0; b < 256; ++b) {
        const char16_t ch = cp1251::ToUnicode(static_cast<unsigned char>(b));
        if (ch == 0xFFFD) continue;            // the unassigned byte 0x98
        KV_FUZZ_CHECK(ByteOf[ch] == kNoByte);  // no two bytes share a character
        ByteOf[ch] = static_cast<uint32_t>(b);
    }
}

// The characters of Text, a surrogate pair as one and a lone surrogate as one (as U+FFFD).
std::vector<char32_t> Characters(const QString& Text)
{
    std::vector<char32_t> out;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const char16_t ch = Text.at(i).unicode();
        if (QChar::isHighSurrogate(ch) && i + 1 < Text.size() && Text.at(i + 1).isLowSurrogate()) {
            out.push_back(QChar::surrogateToUcs4(ch, Text.at(i + 1).unicode()));
            ++i;
        } else if (QChar::isSurrogate(ch)) {
            out.push_back(0xFFFD);
        } else {
            out.push_back(ch);
        }
    }
    return out;
}

// Each character of Text has its byte in Ansi at the same place: its cp1251 byte, or '?'.
void CheckConverted(const std::vector<char32_t>& Text, const AnsiString& Ansi)
{
    KV_FUZZ_CHECK(Ansi.size() == Text.size());
    for (std::size_t i = 0; i < Text.size(); ++i) {
        const char32_t ch = Text[i];
        const auto byte = static_cast<unsigned char>(Ansi[i]);
        const uint32_t expected = ch <= 0xFFFF ? ByteOf[ch] : kNoByte;
        if (expected == kNoByte)
            KV_FUZZ_CHECK(byte == '?');
        else
            KV_FUZZ_CHECK(byte == expected);
    }
}

void CheckPictureName(const QString& FileName)
{
    const AnsiString name = PictureNameFromFileName(FileName);
    const qsizetype dot = FileName.indexOf(QLatin1Char('.'));
    if (dot < 0) {
        KV_FUZZ_CHECK(name.empty());
        return;
    }
    const QString word = FileName.left(dot).normalized(QString::NormalizationForm_C);
    CheckConverted(Characters(word), name);
    KV_FUZZ_CHECK(name.find('.') == AnsiString::npos);
    // Only the part before the first "." counts.
    KV_FUZZ_CHECK(PictureNameFromFileName(FileName.left(dot) + QStringLiteral(".jpg")) == name);
}

void CheckCp1251Bytes(const AnsiString& Bytes)
{
    const QString text = cp1251::ToUnicode(Bytes);
    KV_FUZZ_CHECK(text.size() == qsizetype(Bytes.size()));
    AnsiString back = Bytes;
    for (std::size_t i = 0; i < Bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(Bytes[i]);
        KV_FUZZ_CHECK(text.at(qsizetype(i)).unicode() == cp1251::ToUnicode(byte));
        if (byte == 0x98) back[i] = '?';  // the one byte without a character
    }
    KV_FUZZ_CHECK(cp1251::FromUnicode(text) == back);
    if (!Bytes.empty())
        KV_FUZZ_CHECK(cp1251::LetterString(static_cast<unsigned char>(Bytes[0])).size() == (Bytes[0] ? 1u : 0u));
}

void CheckUnicode(const QString& Text)
{
    const AnsiString ansi = cp1251::FromUnicode(Text);
    CheckConverted(Characters(Text), ansi);
    // What came through comes back as it was, apart from the '?' of what did not.
    const QString back = cp1251::ToUnicode(ansi);
    KV_FUZZ_CHECK(cp1251::FromUnicode(back) == ansi);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    kvfuzz::StartQt(false);
    BuildByteTable();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QByteArray bytes = kvfuzz::InputBytes(Data, Size);
    const QString utf8 = QString::fromUtf8(bytes);
    const QString fromDisk = QFile::decodeName(bytes);
    QString utf16(bytes.size() / 2, Qt::Uninitialized);
    std::memcpy(utf16.data(), bytes.constData(), std::size_t(utf16.size()) * sizeof(QChar));

    for (const QString& fileName : {utf8, fromDisk, utf16}) {
        CheckPictureName(fileName);
        CheckUnicode(fileName);
    }
    CheckCp1251Bytes(AnsiString(bytes.constData(), std::size_t(bytes.size())));
    return 0;
}
