#pragma once
// The fallback speech for a clip the repository does not hold: espeak-ng says the text (or
// phonemes), and the clip is finished like every other (SpeechFinish.h).
#include <QString>

namespace content {

struct TSpeechRequest {
    QString Voice;  // espeak-ng voice, e.g. "ru+f3"
    QString Text;   // words, or espeak-ng phoneme mnemonics when Phonemes is set
    bool Phonemes = false;
    double MinSeconds = 0.0;  // a shorter clip is slowed down (pitch kept) to this length
};

class TSpeechSynthesizer {
public:
    // Writes the clip to Mp3Path. On failure returns false and says why in Error.
    bool MakeMp3(const TSpeechRequest& Request, const QString& Mp3Path, QString& Error) const;

    // Changes whenever the clips this class makes would come out different.
    static QString Recipe();
};

// Runs a program and waits for it; false (with the program's error output in Error) when it
// cannot start, times out or exits non-zero.
bool RunTool(const QString& Program, const QStringList& Arguments, QString& Error, int TimeoutMs = 60000);

}  // namespace content
