#include "storage/share/PlanShare.h"

#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/ItemKinds.h"
#include "storage/TGraphicPractise.h"
#include "storage/TTrainingPlan.h"
#include "storage/TextPractiseFile.h"
#include "storage/share/PractiseShare.h"
#include "storage/share/SharePage.h"

#include <QDir>

namespace korvex {

namespace {

// Minutes typed for a practise, or -1 when the duration is not a whole number (the rule
// of the plan editor's total time).
int minutesOf(const QString& duration) {
    const QString text = duration.trimmed();
    if (text.isEmpty() || text.size() > 6)
        return -1;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
    }
    return text.toInt();
}

class PlanSharer {
public:
    PlanSharer(SharePage& page, const TTrainingPlan& plan, TSettings& settings, TLanguage& language)
        : m_page(page), m_plan(plan), m_settings(settings), m_language(language) {}

    bool build(QString* error) {
        heading();
        contents();
        for (int i = 0; i < m_plan.items.size(); ++i) {
            if (!practise(i, error))
                return false;
        }
        for (int i = 0; i < m_plan.textBlocks.count(); ++i)
            textNote(m_plan.textBlocks.at(i));
        if (m_plan.archiveMode() && !m_plan.evaluation.isEmpty())
            m_page.append(QStringLiteral("<section class=\"card\">\n") +
                          SharePage::element(QStringLiteral("h2"), label("printEvaluate")) +
                          QStringLiteral("<p>") + SharePage::textLines(m_plan.evaluation) +
                          QStringLiteral("</p>\n</section>\n"));
        return true;
    }

private:
    // A label without the colon it carries in the printouts.
    QString label(const char* key) const {
        QString value = m_language.Text(QString::fromLatin1(key)).trimmed();
        while (value.endsWith(QLatin1Char(':')))
            value.chop(1);
        return value;
    }
    static QString fact(const QString& name, const QStringList& lines) {
        return QStringLiteral("<dt>") + SharePage::textLines({name}) + QStringLiteral("</dt><dd>") +
               SharePage::textLines(lines) + QStringLiteral("</dd>\n");
    }
    static bool blank(const QStringList& lines) {
        for (const QString& line : lines) {
            if (!line.trimmed().isEmpty())
                return false;
        }
        return true;
    }

    QString duration(const QString& typed) const {
        const int minutes = minutesOf(typed);
        if (minutes >= 0)
            return m_language.Text(QStringLiteral("TPTotalMinutes")).arg(minutes);
        return typed.trimmed();
    }

    void heading() {
        m_page.append(SharePage::element(QStringLiteral("h1"), m_plan.name()));
        const TTPHeading& head = m_plan.heading;
        const std::pair<const char*, QStringList> rows[] = {
            {"printDate", {m_plan.date}},
            {"lblTPTime", {m_plan.time}},
            {"printTeam", {m_plan.Team()}},
            {"lblHNumber", {m_plan.TrainingNumber()}},
            {"printPlace", {head.place}},
            {"printTools", {head.tools}},
            {"printPlayersCount", {head.playersCount}},
            {"printCoaches", {head.coaches}},
            {"printProcessed", {head.processed}},
            {"printAim", head.aim},
            {"printNote", m_plan.description},
        };
        QString facts;
        for (const auto& [key, lines] : rows) {
            if (!blank(lines))
                facts += fact(label(key), lines);
        }

        int minutes = 0;
        int notSet = 0;
        for (const TPractisesData& item : m_plan.items) {
            const int value = minutesOf(item.time);
            if (value < 0)
                ++notSet;
            else
                minutes += value;
        }
        QString total = m_language.Text(QStringLiteral("TPTotalMinutes")).arg(minutes);
        if (notSet > 0)
            total += QStringLiteral(" (") +
                     m_language.Text(QStringLiteral("TPTotalNotSet")).arg(notSet) +
                     QLatin1Char(')');
        m_page.append(
            QStringLiteral("<section class=\"card\">\n<p class=\"total\">") +
            SharePage::textLines({label("lblTPTotalTime") + QStringLiteral(": ") + total}) +
            QStringLiteral("</p>\n"));
        if (!facts.isEmpty())
            m_page.append(QStringLiteral("<dl class=\"facts\">\n") + facts +
                          QStringLiteral("</dl>\n"));
        m_page.append(QStringLiteral("</section>\n"));
    }

    // The practises as a list of in-page links, handy on a phone's long page.
    void contents() {
        if (m_plan.items.size() < 2)
            return;
        QString list;
        for (int i = 0; i < m_plan.items.size(); ++i) {
            const TPractisesData& item = m_plan.items[i];
            const QString time = duration(item.time);
            list +=
                QStringLiteral("<li><a href=\"#practise-%1\">").arg(i + 1) +
                SharePage::textLines({item.name}) + QStringLiteral("</a>") +
                (time.isEmpty() ? QString()
                                : QStringLiteral(" <span class=\"badge\">") +
                                      SharePage::textLines({time}) + QStringLiteral("</span>")) +
                QStringLiteral("</li>\n");
        }
        m_page.append(QStringLiteral("<nav class=\"card toc-card\">\n") +
                      SharePage::element(QStringLiteral("h2"),
                                         m_language.Text(QStringLiteral("sharePractises"))) +
                      QStringLiteral("<ol class=\"toc\">\n") + list +
                      QStringLiteral("</ol>\n</nav>\n"));
    }

    // Practise i's drawing or pictures; false when its file cannot be read.
    bool picture(int i, QString* markup, QString* error) {
        const TPractisesData& item = m_plan.items[i];
        if (m_plan.archiveMode()) {
            if (!item.picture.isNull())
                *markup = textPractisePictures({item.picture.bytes()}, item.name);
            return true;
        }
        if (i >= m_plan.paths.size())
            return true;
        const QString stored = m_plan.paths[i];
        const QString file = joinPath(m_settings.appDir(), storedToPath(stored));
        if (!isSafeRelativePath(stored)) {
            *error = QStringLiteral("%1: the practise lies outside the installation").arg(stored);
            return false;
        }
        const QString extension = extractExtension(stored);
        if (sameExtension(extension, dataExtension(ItemKind::GraphicPractise))) {
            TGraphicPractise practise(m_settings, m_language);
            if (!practise.LoadFile(file)) {
                *error = practise.errorString();
                return false;
            }
            *markup = graphicPractiseDrawing(practise, m_language, item.name);
            return true;
        }
        if (sameExtension(extension, dataExtension(ItemKind::TextPractise))) {
            TextPractiseData data;
            if (!readTextPractiseFile(file, &data, error))
                return false;
            *markup = textPractisePictures(data.pictures, item.name);
        }
        return true;
    }

    bool practise(int i, QString* error) {
        const TPractisesData& item = m_plan.items[i];
        QString markup;
        if (!picture(i, &markup, error))
            return false;
        const QString time = duration(item.time);
        m_page.append(
            QStringLiteral("<section class=\"card\" id=\"practise-%1\">\n<h2>").arg(i + 1) +
            SharePage::textLines({QStringLiteral("%1. ").arg(i + 1) + item.name}) +
            (time.isEmpty() ? QString()
                            : QStringLiteral(" <span class=\"badge\">") +
                                  SharePage::textLines({time}) + QStringLiteral("</span>")) +
            QStringLiteral("</h2>\n") + markup);
        if (!blank(item.description))
            m_page.append(QStringLiteral("<p>") + SharePage::textLines(item.description) +
                          QStringLiteral("</p>\n"));
        m_page.append(QStringLiteral("</section>\n"));
        return true;
    }

    void textNote(const TTextData& note) {
        QString facts;
        if (!note.number.trimmed().isEmpty())
            facts += fact(label("lblTPTXNumber"), {note.number});
        if (!note.time.trimmed().isEmpty())
            facts += fact(label("lblTPTime1"), {note.time});
        const std::pair<const char*, const QStringList*> texts[] = {
            {"printContent", &note.contains},
            {"printMethods", &note.methods},
            {"printStrain", &note.strain},
            {"printNoteShort", &note.notes},
        };
        for (const auto& [key, lines] : texts) {
            if (!blank(*lines))
                facts += fact(label(key), *lines);
        }
        if (facts.isEmpty())
            return;
        m_page.append(QStringLiteral("<section class=\"card\">\n") +
                      SharePage::element(QStringLiteral("h2"),
                                         m_language.Text(QStringLiteral("shareTextNote"))) +
                      QStringLiteral("<dl class=\"facts\">\n") + facts +
                      QStringLiteral("</dl>\n</section>\n"));
    }

    SharePage& m_page;
    const TTrainingPlan& m_plan;
    TSettings& m_settings;
    TLanguage& m_language;
};

} // namespace

bool addTrainingPlan(SharePage& page, const TTrainingPlan& plan, TSettings& settings,
                     TLanguage& language, QString* error) {
    PlanSharer sharer(page, plan, settings, language);
    return sharer.build(error);
}

} // namespace korvex
