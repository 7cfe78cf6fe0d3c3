#include "core/SettingsCipher.h"

#include "core/SafeSave.h"
#include "core/TextCodec.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <algorithm>

namespace korvex {

RotatingKeyCipher::RotatingKeyCipher(const QByteArray& key, bool chained, bool decipherChain)
    : m_key(key), m_chained(chained), m_decipherChain(decipherChain) {}

void RotatingKeyCipher::rotate() {
    const qsizetype n = m_key.size();
    auto* k = reinterpret_cast<quint8*>(m_key.data());
    const quint8 firstHigh = k[0] >> 7;
    for (qsizetype i = 0; i + 1 < n; ++i)
        k[i] = static_cast<quint8>((k[i] << 1) | (k[i + 1] >> 7));
    k[n - 1] = static_cast<quint8>((k[n - 1] << 1) | firstHigh);
}

void RotatingKeyCipher::apply(char* data, qint64 size) {
    if (m_key.isEmpty())
        return;
    for (qint64 i = 0; i < size; ++i) {
        const quint8 in = static_cast<quint8>(data[i]);
        quint8 out = in ^ static_cast<quint8>(m_key[0]);
        if (m_chained) {
            out ^= m_previous;
            // The chain always runs over the cipher-side bytes: the output when enciphering,
            // the input when deciphering.
            m_previous = m_decipherChain ? in : out;
        }
        data[i] = static_cast<char>(out);
        rotate();
    }
}

QByteArray RotatingKeyCipher::apply(QByteArray data) {
    apply(data.data(), data.size());
    return data;
}

int TSifrovacNonViz::progressPercent(qint64 position, qint64 size) {
    if (size <= 0)
        return 100;
    return static_cast<int>(std::clamp<qint64>(position * 100 / size, 0, 100));
}

bool TSifrovacNonViz::Execute() {
    m_error.clear();
    const bool cursor =
        MenitCursor && qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    if (cursor)
        QGuiApplication::setOverrideCursor(QCursor(PracujiciKurzor));
    const bool ok = run();
    if (cursor)
        QGuiApplication::restoreOverrideCursor();
    return ok;
}

bool TSifrovacNonViz::run() {
    if (KratkyARotovat && Klic.isEmpty()) {
        m_error = QStringLiteral("no key was given");
        return false;
    }
    if (!QFileInfo(Vstup).isFile()) {
        m_error = QStringLiteral("%1: no such file").arg(QDir::toNativeSeparators(Vstup));
        return false;
    }
    QFile in(Vstup);
    if (!in.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("%1: cannot be read").arg(QDir::toNativeSeparators(Vstup));
        return false;
    }
    const qint64 size = in.size();

    QFile keyFile(KlicName);
    if (!KratkyARotovat) {
        if (!QFileInfo(KlicName).isFile()) {
            m_error =
                QStringLiteral("%1: no such key file").arg(QDir::toNativeSeparators(KlicName));
            return false;
        }
        if (!keyFile.open(QIODevice::ReadOnly)) {
            m_error = QStringLiteral("%1: the key file cannot be read")
                          .arg(QDir::toNativeSeparators(KlicName));
            return false;
        }
        if (keyFile.size() < size) {
            m_error = QStringLiteral(
                          "the key file is shorter than the input (key %1 bytes, input %2 bytes)")
                          .arg(keyFile.size())
                          .arg(size);
            return false;
        }
    }

    SafeSave out(Vystup);
    if (!out.open()) {
        m_error = out.errorString();
        return false;
    }
    if (OnStart)
        OnStart();

    RotatingKeyCipher cipher(encodeText(Klic), VylepsenyKratky, Kodovani);
    do {
        QByteArray block = in.read(kBlockSize);
        if (in.error() != QFileDevice::NoError) {
            m_error = QStringLiteral("%1: cannot be read").arg(QDir::toNativeSeparators(Vstup));
            return false; // SafeSave discards the partial output
        }
        if (KratkyARotovat) {
            cipher.apply(block.data(), block.size());
        } else {
            const QByteArray key = keyFile.read(block.size());
            if (key.size() != block.size()) {
                m_error = QStringLiteral("%1: the key file cannot be read")
                              .arg(QDir::toNativeSeparators(KlicName));
                return false;
            }
            for (qsizetype i = 0; i < block.size(); ++i)
                block[i] = static_cast<char>(block[i] ^ key[i]);
        }
        if (out.device()->write(block) != block.size()) {
            out.fail(out.device()->errorString());
            break;
        }
        Progress = progressPercent(in.pos(), size);
        if (OnProgress)
            OnProgress(Progress);
    } while (!in.atEnd());

    if (!out.commit()) {
        m_error = out.errorString();
        return false;
    }
    if (OnEnd)
        OnEnd();
    return true;
}

bool cipherSettingsFile(const QString& input, const QString& output, QString* error,
                        const std::function<void(int)>& progress) {
    TSifrovacNonViz cipher;
    cipher.Vstup = input;
    cipher.Vystup = output;
    cipher.Klic = QLatin1String(kBuiltInSettingsKey);
    cipher.KratkyARotovat = true;
    cipher.VylepsenyKratky = false;
    cipher.OnProgress = progress;
    const bool ok = cipher.Execute();
    if (!ok && error)
        *error = cipher.errorString();
    return ok;
}

} // namespace korvex
