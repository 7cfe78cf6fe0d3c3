#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace korvex {

// The key the program enciphers its Settings.def with. A Settings.def is only readable by
// a program that holds the same key.
inline constexpr char kBuiltInSettingsKey[] = "q4mz8kv2rw7nx3tj6hb9ps";

// The byte transform of the short rotating key: every byte is XORed with the first byte of
// the key, then the whole key is rotated left by one bit (read as one bit string, first
// byte's high bit first). In the improved mode each byte is also chained with the previous
// cipher byte. The state carries over from one call of apply() to the next, so a file can
// be processed block by block.
class RotatingKeyCipher {
public:
    // `decipherChain` selects the inverse of the chained transform (improved mode only).
    RotatingKeyCipher(const QByteArray& key, bool chained, bool decipherChain);

    void apply(char* data, qint64 size);
    QByteArray apply(QByteArray data);

private:
    void rotate();

    QByteArray m_key;
    bool m_chained;
    bool m_decipherChain;
    quint8 m_previous = 0; // previous cipher-side byte of the chained mode
};

// File cipher. Member names are those of the settings cipher component:
//   Vstup input file, Vystup output file, Klic key text, KlicName key file,
//   KratkyARotovat short rotating key (else the key file, at least as long as the input),
//   VylepsenyKratky chained short key, Kodovani direction of the chained mode,
//   Progress percentage done.
// The plain modes are symmetric: the same run enciphers and deciphers. Errors are returned
// as text (errorString()); the caller decides how to show them. The output is written
// through SafeSave, so a failed run leaves an existing output file untouched.
class TSifrovacNonViz {
public:
    static constexpr qint64 kBlockSize = 512000;

    QString Vstup;
    QString Vystup;
    QString Klic;
    QString KlicName;
    bool KratkyARotovat = true;
    bool VylepsenyKratky = false;
    bool Kodovani = false;
    int Progress = 0;
    // Shows the working cursor (PracujiciKurzor) while running, when a GUI application exists.
    bool MenitCursor = false;
    Qt::CursorShape PracujiciKurzor = Qt::WaitCursor;

    std::function<void()> OnStart;
    // Called after every block with the percentage done; stands in for letting the
    // message loop run once per block.
    std::function<void(int)> OnProgress;
    std::function<void()> OnEnd;

    bool Execute();
    QString errorString() const { return m_error; }

    // Progress in percent after `position` of `size` bytes; 100 for an empty input.
    static int progressPercent(qint64 position, qint64 size);

private:
    bool run();

    QString m_error;
};

// Runs the settings cipher (short rotating key, built-in key) from `input` to `output`.
bool cipherSettingsFile(const QString& input, const QString& output, QString* error = nullptr,
                        const std::function<void(int)>& progress = {});

} // namespace korvex
