#include "storage/TrainingPlanHtml.h"

#include "core/FileHelpers.h"
#include "core/Paths.h"
#include "core/SafeSave.h"
#include "core/TLanguage.h"
#include "storage/HtmlPage.h"
#include "storage/ItemKinds.h"
#include "storage/TTrainingPlan.h"

#include <QFile>
#include <QFileInfo>

namespace korvex {

namespace {

const QString kRule = QStringLiteral("<hr color=\"#FF0000\" size=\"1\">");
const QString kPractiseRule =
    QStringLiteral("<hr color=\"red\" align=\"left\" width=\"100%\" size=\"1\">");

class PlanPageBuilder {
public:
    PlanPageBuilder(const TTrainingPlan& plan, const TLanguage& language, const QString& folder)
        : m_plan(plan), m_language(language), m_folder(folder) {}

    QStringList build(PlanPage page) {
        m_block << QStringLiteral("<b><font size=\"4\">") + label("printArchiveHeadLine") +
                       QStringLiteral("</font></b><br>")
                << QStringLiteral("<b><font size=\"4\" color=\"red\">") +
                       htmlEscape(m_plan.name()) + QStringLiteral("</font></b>")
                << kRule;
        if (page == PlanPage::Short)
            shortHeading();
        else
            fullHeading();
        for (int i = 0; i < m_plan.items.size(); ++i)
            practise(i);
        if (m_plan.archiveMode())
            evaluation();
        return m_block;
    }

private:
    QString label(const char* key) const {
        return htmlEscape(m_language.Text(QString::fromLatin1(key)));
    }
    QString labelled(const char* key, const QString& value) const {
        return QStringLiteral("<b>") + label(key) + QStringLiteral("</b> ") + htmlEscape(value);
    }
    void addLines(const QStringList& lines) {
        for (const QString& line : lines)
            m_block << htmlEscape(line) + QStringLiteral("<br>");
    }
    // A label with the first line beside it and the further lines below.
    void labelledLines(const char* key, const QString& suffix, const QStringList& lines) {
        m_block << QStringLiteral("<b>") + label(key) + suffix + QStringLiteral("</b> ") +
                       (lines.isEmpty() ? QString() : htmlEscape(lines.first())) +
                       QStringLiteral("<br>");
        addLines(lines.mid(1));
    }

    void shortHeading() {
        m_block << QStringLiteral("<table border=\"0\" width=\"100%\" cellspacing=\"0\">")
                << QStringLiteral("<tr>")
                << QStringLiteral("<td width=\"30%\">") + labelled("printDate", m_plan.date) +
                       QStringLiteral("</td>")
                << QStringLiteral("<td>") + labelled("lblTPTime", m_plan.time) +
                       QStringLiteral("</td>")
                << QStringLiteral("</tr>") << QStringLiteral("<tr>")
                << QStringLiteral("<td colspan=\"2\">") << QStringLiteral("<p>");
        addLines(m_plan.description);
        m_block << QStringLiteral("<br></p>") << QStringLiteral("</td>") << QStringLiteral("</tr>")
                << QStringLiteral("</table>");
    }

    void fullHeading() {
        const TTPHeading& heading = m_plan.heading;
        const std::pair<const char*, QString> rows[] = {
            {"printDate", m_plan.date},
            {"lblTPTime", m_plan.time},
            {"printTeam", m_plan.Team()},
            {"lblHNumber", m_plan.TrainingNumber()},
            {"printPlace", heading.place},
            {"printTools", heading.tools},
            {"printPlayersCount", heading.playersCount},
            {"printCoaches", heading.coaches},
            {"printProcessed", heading.processed},
        };
        m_block << QStringLiteral("<table border=\"0\" width=\"100%\" cellspacing=\"0\">");
        for (const auto& [key, value] : rows)
            m_block << QStringLiteral("<tr><td>") + labelled(key, value) +
                           QStringLiteral("</td></tr>");
        m_block << QStringLiteral("<tr><td>");
        labelledLines("printAim", QString(), heading.aim);
        m_block << QStringLiteral("</td></tr>") << QStringLiteral("<tr><td>");
        labelledLines("printNote", QString(), m_plan.description);
        m_block << QStringLiteral("</td>") << QStringLiteral("</tr>") << QStringLiteral("</table>");
        for (int i = 0; i < m_plan.textBlocks.count(); ++i)
            textBlock(m_plan.textBlocks.at(i));
    }

    void textBlock(const TTextData& note) {
        m_block << kRule << labelled("lblTPTXNumber", note.number) + QStringLiteral("<br>")
                << labelled("lblTPTime1", note.time) + QStringLiteral("<br>");
        const std::pair<const char*, const QStringList*> texts[] = {
            {"printContent", &note.contains},
            {"printMethods", &note.methods},
            {"printStrain", &note.strain},
            {"printNoteShort", &note.notes},
        };
        for (const auto& [key, lines] : texts) {
            if (!lines->isEmpty())
                labelledLines(key, QStringLiteral(":"), *lines);
        }
    }

    // Writes practise i's picture as "<i>.jpg"; false when it has none.
    bool writePicture(int i) {
        const QString file = joinPath(m_folder, QStringLiteral("%1.jpg").arg(i));
        // A picture left by an earlier export must not stand in for a missing one.
        QFile::remove(file);
        if (m_plan.archiveMode()) {
            const PlanPicture& picture = m_plan.items[i].picture;
            return !picture.isNull() && saveBytes(file, picture.bytes());
        }
        if (i >= m_plan.paths.size())
            return false;
        const QString stored = m_plan.paths[i];
        if (!isSafeRelativePath(stored) ||
            !sameExtension(extractExtension(stored), dataExtension(ItemKind::GraphicPractise)))
            return false;
        const QString source = joinPath(m_plan.root(), storedToPath(pathWithoutExtension(stored))) +
                               QStringLiteral(".jpg");
        return QFileInfo::exists(source) && copyFile(source, file);
    }

    void practise(int i) {
        const TPractisesData& item = m_plan.items[i];
        const bool picture = writePicture(i);
        m_block << kPractiseRule
                << QStringLiteral("<table border=\"0\" width=\"100%\" id=\"table1\">")
                << QStringLiteral("<tr>") << QStringLiteral("<td width=\"100%\" valign=\"top\">");
        if (picture)
            m_block << QStringLiteral("<img border=\"0\" align=\"left\" src=\"") +
                           pictureSource(m_folder, QStringLiteral("%1.jpg").arg(i)) +
                           QStringLiteral("\" alt=\"\">");
        m_block << QStringLiteral("<p>") + labelled("printName", item.name) + QStringLiteral("<br>")
                << labelled("printTime", item.time) + QStringLiteral("<br>")
                << QStringLiteral("</p><p>");
        addLines(item.description);
        m_block << QStringLiteral("</p></td>") << QStringLiteral("</tr>")
                << QStringLiteral("</table>") << QString();
    }

    void evaluation() {
        m_block << QString();
        if (!m_plan.evaluation.isEmpty()) {
            m_block << kPractiseRule;
            labelledLines("printEvaluate", QString(), m_plan.evaluation);
        }
        m_block << QString();
    }

    const TTrainingPlan& m_plan;
    const TLanguage& m_language;
    QString m_folder;
    QStringList m_block;
};

} // namespace

bool writeTrainingPlanHtml(const TTrainingPlan& plan, const TLanguage& language,
                           const QString& appDir, const QString& target, PlanPage page,
                           QString* error) {
    QString folder;
    if (!makePictureFolder(target, &folder, error))
        return false;
    PlanPageBuilder builder(plan, language, folder);
    return writeHtmlPage(appDir, target, builder.build(page), error);
}

} // namespace korvex
