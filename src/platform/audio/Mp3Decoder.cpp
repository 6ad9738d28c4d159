#include "platform/audio/Mp3Decoder.h"

#include <QFile>
#include <QFileInfo>

#include <mpg123.h>

#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <mutex>

namespace {

// libmpg123 before 1.27 needs one global initialisation; later versions treat it as a no-op.
void InitLibraryOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { mpg123_init(); });
}

struct THandleDeleter {
    void operator()(mpg123_handle* h) const
    {
        mpg123_close(h);
        mpg123_delete(h);
    }
};
using THandle = std::unique_ptr<mpg123_handle, THandleDeleter>;

// A few frames' worth of bytes: enough to skip an ID3 tag remnant or a damaged frame, too little to
// wander through a text or picture file in search of something that looks like a frame header.
constexpr long kResyncLimit = 2048;
// Rounding in an encoder's announced length, in samples: less than one MPEG frame.
constexpr off_t kFrameSlack = 1152;

TMp3Result Failed(TMp3Failure Failure, const QString& Message)
{
    TMp3Result r;
    r.Failure = Failure;
    r.Message = Message;
    return r;
}

THandle NewHandle(QString& Error)
{
    int err = MPG123_OK;
    THandle h(mpg123_new(nullptr, &err));
    if (!h) {
        Error = QString::fromUtf8(mpg123_plain_strerror(err));
        return nullptr;
    }
    mpg123_param(h.get(), MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0.0);
    mpg123_param(h.get(), MPG123_RESYNC_LIMIT, kResyncLimit, 0.0);
    // Every rate the library knows, but always 16-bit samples in the file's own channel count.
    mpg123_format_none(h.get());
    const long* rates = nullptr;
    std::size_t count = 0;
    mpg123_rates(&rates, &count);
    for (std::size_t i = 0; i < count; ++i)
        mpg123_format(h.get(), rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    return h;
}

// An MP3 file's bytes in memory, read through the decoder's replaceable reader as a file would be.
struct TMemoryFile {
    const char* Data;
    qsizetype Size;
    qsizetype Pos;
};

mpg123_ssize_t ReadMemory(void* Handle, void* Buffer, std::size_t Count)
{
    auto* file = static_cast<TMemoryFile*>(Handle);
    const qsizetype left = file->Size - file->Pos;
    if (left <= 0) return 0;  // at or past the end
    const qsizetype n = Count < std::size_t(left) ? qsizetype(Count) : left;
    std::memcpy(Buffer, file->Data + file->Pos, std::size_t(n));
    file->Pos += n;
    return n;
}

off_t SeekMemory(void* Handle, off_t Offset, int Whence)
{
    auto* file = static_cast<TMemoryFile*>(Handle);
    qsizetype base = 0;
    switch (Whence) {
        case SEEK_SET:
            base = 0;
            break;
        case SEEK_CUR:
            base = file->Pos;
            break;
        case SEEK_END:
            base = file->Size;
            break;
        default:
            return -1;
    }
    // Like lseek: any position at or after the start is allowed, reading past the end gives nothing.
    if (Offset < -base || Offset > std::numeric_limits<qsizetype>::max() - base) return -1;
    file->Pos = base + qsizetype(Offset);
    return off_t(file->Pos);
}

TMp3Result DecodeOpened(mpg123_handle* h);

}  // namespace

const char* Mp3FailureName(TMp3Failure Failure)
{
    switch (Failure) {
        case TMp3Failure::None:
            return "";
        case TMp3Failure::Missing:
            return "missing file";
        case TMp3Failure::NotMp3:
            return "not an MP3 file";
        case TMp3Failure::Corrupt:
            return "damaged MP3 file";
        case TMp3Failure::Empty:
            return "empty file";
        case TMp3Failure::NoAccess:
            return "no permission to read";
        case TMp3Failure::Truncated:
            return "cut short";
    }
    return "";
}

QString TMp3Result::Describe() const
{
    if (Ok()) return QString();
    return QString::fromUtf8(Mp3FailureName(Failure)) + QStringLiteral(": ") + Message;
}

TMp3Result Mp3DecodeFile(const QString& Path)
{
    const QFileInfo info(Path);
    if (!info.exists() || !info.isFile()) return Failed(TMp3Failure::Missing, QStringLiteral("no such file"));
    if (!info.isReadable()) return Failed(TMp3Failure::NoAccess, QStringLiteral("the file may not be read"));
    if (info.size() == 0) return Failed(TMp3Failure::Empty, QStringLiteral("the file has no bytes"));

    InitLibraryOnce();
    QString error;
    THandle h = NewHandle(error);
    if (!h) return Failed(TMp3Failure::NotMp3, error);

    if (mpg123_open(h.get(), QFile::encodeName(Path).constData()) != MPG123_OK)
        return Failed(TMp3Failure::Missing, QString::fromUtf8(mpg123_strerror(h.get())));
    return DecodeOpened(h.get());
}

TMp3Result Mp3DecodeBytes(const QByteArray& Bytes)
{
    if (Bytes.isEmpty()) return Failed(TMp3Failure::Empty, QStringLiteral("no bytes"));
    TMemoryFile file{Bytes.constData(), Bytes.size(), 0};  // outlives the handle that reads it
    InitLibraryOnce();
    QString error;
    THandle h = NewHandle(error);
    if (!h) return Failed(TMp3Failure::NotMp3, error);

    if (mpg123_replace_reader_handle(h.get(), ReadMemory, SeekMemory, nullptr) != MPG123_OK ||
        mpg123_open_handle(h.get(), &file) != MPG123_OK)
        return Failed(TMp3Failure::NotMp3, QString::fromUtf8(mpg123_strerror(h.get())));
    return DecodeOpened(h.get());
}

namespace {

TMp3Result DecodeOpened(mpg123_handle* h)
{
    // What the file's own header (the encoder's Info/Xing tag) says its length is; read before
    // decoding, since the decoder counts what it found once it reaches the end.
    long accurate = 0;
    const off_t announced = mpg123_length(h);
    const bool lengthKnown = mpg123_getstate(h, MPG123_ACCURATE, &accurate, nullptr) == MPG123_OK && accurate;
    TMp3Result result;
    TPcmSound& sound = result.Sound;
    std::vector<unsigned char> buffer(64 * 1024);
    bool formatKnown = false;
    for (;;) {
        std::size_t done = 0;
        const int rc = mpg123_read(h, buffer.data(), buffer.size(), &done);
        if (rc == MPG123_NEW_FORMAT) {
            long rate = 0;
            int channels = 0, encoding = 0;
            mpg123_getformat(h, &rate, &channels, &encoding);
            // A stream that changes its rate or channels midway is not one sound we could play.
            if (formatKnown && (rate != sound.SampleRate || channels != sound.Channels))
                return Failed(TMp3Failure::Corrupt, QStringLiteral("the stream changes its format midway"));
            sound.SampleRate = int(rate);
            sound.Channels = channels;
            formatKnown = true;
        }
        if (done > 0) {
            const auto* samples = reinterpret_cast<const int16_t*>(buffer.data());
            sound.Samples.insert(sound.Samples.end(), samples, samples + done / sizeof(int16_t));
        }
        if (rc == MPG123_DONE) break;
        if (rc == MPG123_OK || rc == MPG123_NEW_FORMAT) continue;
        const QString message = QString::fromUtf8(mpg123_strerror(h));
        return Failed(formatKnown ? TMp3Failure::Corrupt : TMp3Failure::NotMp3, message);
    }
    if (!formatKnown) return Failed(TMp3Failure::NotMp3, QStringLiteral("no MPEG audio frame found"));
    // Ending sooner than its header says: cut short, it would play only its beginning without a word.
    // Its beginning is kept: what there is can still be played.
    if (lengthKnown && announced > 0 && off_t(sound.Frames()) + kFrameSlack < announced) {
        result.Failure = TMp3Failure::Truncated;
        result.Message = QStringLiteral("%1 of %2 samples").arg(sound.Frames()).arg(announced);
    }
    return result;
}

}  // namespace
