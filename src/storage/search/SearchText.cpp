#include "storage/search/SearchText.h"

namespace korvex {

QString foldForSearch(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        const QChar::Category category = c.category();
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
            category == QChar::Mark_Enclosing)
            continue;
        if (c == QChar(0x00DF) || c == QChar(0x1E9E)) {
            folded += QStringLiteral("ss");
            continue;
        }
        folded += c.toLower();
    }
    return folded;
}

QStringList searchWords(const QString& text) {
    const QString folded = foldForSearch(text);
    QStringList words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= folded.size(); ++i) {
        const bool wordChar = i < folded.size() && folded.at(i).isLetterOrNumber();
        if (wordChar && start < 0)
            start = i;
        else if (!wordChar && start >= 0) {
            words.append(folded.mid(start, i - start));
            start = -1;
        }
    }
    return words;
}

} // namespace korvex
