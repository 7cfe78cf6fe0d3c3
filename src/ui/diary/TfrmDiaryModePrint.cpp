// The diary's print commands: the selected record, and the team's records as one document.
#include "ui/diary/TfrmDiaryMode.h"

#include "core/TLanguage.h"
#include "print/DiaryPrint.h"
#include "print/PageLayout.h"
#include "storage/TDiary.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/PrintCommand.h"
#include "ui/diary/TFormDiaryPrint.h"

#include <QLocale>

namespace korvex {

PrintBody TfrmDiaryMode::recordPrintBody() const {
    const int record = m_diary->recordOfRow(selectedRow());
    if (m_diary->team().isEmpty() || record < 0)
        return {};
    const DiaryRecordText text = diaryRecordText(*m_diary, record);
    return [text](PageCanvas& canvas, QString&) {
        PageLayout layout(canvas);
        printDiaryRecord(layout, text);
        return true;
    };
}

void TfrmDiaryMode::printRecord(bool preview) {
    const PrintBody body = recordPrintBody();
    if (!body && !m_diary->team().isEmpty()) {
        dialogs().information(this, language().Text(LK("RecordNotSelected")));
        return;
    }
    const QString title = QStringLiteral("Korvex - ") + m_diary->team();
    if (body && preview)
        runPrintPreview(this, language(), title, body);
    else if (body)
        runPrintCommand(this, language(), title, body);
}

void TfrmDiaryMode::printTeam() {
    const QString team = m_diary->team();
    if (team.isEmpty())
        return;
    if (m_diary->count() == 0) {
        dialogs().information(this, language().Text(LK("DiaryHasNoRecords")));
        return;
    }
    TFormDiaryPrint form(language(), *m_diary, this);
    if (dialogs().exec(&form) != QDialog::Accepted)
        return;
    const QList<int> records = form.records();
    if (records.isEmpty())
        return;
    QString title = team;
    if (!form.allRecords()) {
        const QLocale locale;
        const QDate from = std::min(form.from(), form.to());
        const QDate to = std::max(form.from(), form.to());
        title += QStringLiteral(": ") + TDiary::dateText(from, locale) + QStringLiteral(" - ") +
                 TDiary::dateText(to, locale);
    }
    QList<DiaryRecordText> texts;
    for (int record : records)
        texts.append(diaryRecordText(*m_diary, record));
    runPrintCommand(this, language(), QStringLiteral("Korvex - ") + team,
                    [title, texts](PageCanvas& canvas, QString&) {
                        PageLayout layout(canvas);
                        printDiaryRecords(layout, title, texts);
                        return true;
                    });
}

} // namespace korvex
