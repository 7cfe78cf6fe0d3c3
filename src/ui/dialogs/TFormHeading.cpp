#include "ui/dialogs/TFormHeading.h"

#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TPractiseObject.h"
#include "core/TSettings.h"
#include "storage/LevelListing.h"
#include "storage/TTrainingPlan.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <functional>

namespace korvex {

namespace {

constexpr int kFormWidth = 363;
constexpr int kFormHeight = 350;
constexpr int kChoiceFormHeight = 170;
constexpr int kChoiceShift = 40;
// The fields start right of the labels; the labels have room for the longest caption of the
// shipped languages.
constexpr int kFieldX = 96;
constexpr int kFieldWidth = 260;
constexpr int kComboWidth = 165;
constexpr int kNewButtonX = 267;
constexpr int kNewButtonWidth = 88;

// A list that reads its entries again each time it drops down. When the user closes it
// without a choice, the entry shown before stays.
class DropDownComboBox : public QComboBox {
public:
    DropDownComboBox(QWidget* parent, std::function<void()> refill)
        : QComboBox(parent), m_refill(std::move(refill)) {}
    void showPopup() override {
        m_refill();
        QComboBox::showPopup();
    }

private:
    std::function<void()> m_refill;
};

bool containsName(const QStringList& list, const QString& name) {
    return list.contains(name, Qt::CaseInsensitive);
}

} // namespace

TFormHeading::TFormHeading(TLanguage& language, TSettings& settings, TTrainingPlan& plan,
                           QWidget* parent)
    : QDialog(parent), m_language(language), m_settings(settings), m_plan(plan) {
    setObjectName(QStringLiteral("FormHeading"));
    createControls();
    applyCaptions();
}

QLabel* TFormHeading::addLabel(const char* name, int y) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(8, y + 3, kFieldX - 10, 16);
    return label;
}

QLineEdit* TFormHeading::addEdit(const char* name, int y) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(kFieldX, y, kFieldWidth, 22);
    return edit;
}

void TFormHeading::createControls() {
    const struct {
        const char* name;
        int y;
    } labels[] = {{"lblHTeam", 10},       {"lblHNumber", 40}, {"lblHPlace", 70},
                  {"lblHTools", 100},     {"lblHCount", 130}, {"lblHCoaches", 160},
                  {"lblHProcessed", 190}, {"lblHAim", 220}};
    for (const auto& l : labels)
        addLabel(l.name, l.y);
    auto* team = new DropDownComboBox(this, [this] { fillTeams(m_cmbTeam->currentText()); });
    auto* number = new DropDownComboBox(this, [this] { fillNumbers(m_cmbNumber->currentText()); });
    m_cmbTeam = team;
    m_cmbNumber = number;
    m_cmbTeam->setObjectName(QStringLiteral("cmbHTeam"));
    m_cmbNumber->setObjectName(QStringLiteral("cmbHNumber"));
    m_cmbTeam->setGeometry(kFieldX, 10, kComboWidth, 22);
    m_cmbNumber->setGeometry(kFieldX, 40, kComboWidth, 22);
    connect(m_cmbTeam, &QComboBox::activated, this, &TFormHeading::teamChosen);
    connect(m_cmbNumber, &QComboBox::activated, this, &TFormHeading::numberChosen);
    m_edtTeam = addEdit("edtHTeam", 10);
    m_edtNumber = addEdit("edtHNumber", 40);
    for (QLineEdit* edit : {m_edtTeam, m_edtNumber}) {
        edit->setGeometry(kFieldX, edit->y(), kComboWidth + 1, 22);
        edit->setReadOnly(true);
        edit->setVisible(false);
    }
    m_edtPlace = addEdit("edtHPlace", 70);
    m_edtTools = addEdit("edtHTools", 100);
    m_edtCount = addEdit("edtHCount", 130);
    m_edtCoaches = addEdit("edtHCoaches", 160);
    m_edtProcessed = addEdit("edtHProcessed", 190);
    m_memAim = new QPlainTextEdit(this);
    m_memAim->setObjectName(QStringLiteral("memHAim"));
    m_memAim->setGeometry(kFieldX, 220, kFieldWidth, 89);
    m_memAim->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memText = new QPlainTextEdit(this);
    m_memText->setObjectName(QStringLiteral("memHText"));
    m_memText->setGeometry(8, 8, 345, 41);
    m_memText->setFrameShape(QFrame::NoFrame);
    m_memText->setReadOnly(true);
    m_memText->setFocusPolicy(Qt::NoFocus);
    m_memText->viewport()->setAutoFillBackground(false);
    m_memText->setVisible(false);

    auto button = [this](const char* name, int x, int y, int w) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, y, w, 23);
        b->setAutoDefault(false);
        return b;
    };
    m_btnNewTeam = button("btnHNewTeam", kNewButtonX, 10, kNewButtonWidth);
    m_btnNewNumber = button("btnHNewNumber", kNewButtonX, 40, kNewButtonWidth);
    m_btnSave = button("btnHSave", kNewButtonX, 318, kNewButtonWidth);
    m_btnSave->setDefault(true);
    connect(m_btnNewTeam, &QPushButton::clicked, this, &TFormHeading::newTeam);
    connect(m_btnNewNumber, &QPushButton::clicked, this, &TFormHeading::newNumber);
    connect(m_btnSave, &QPushButton::clicked, this, &TFormHeading::save);
    setFixedSize(kFormWidth, kFormHeight);
}

void TFormHeading::applyCaptions() {
    const TLanguage& l = m_language;
    setWindowTitle(l.Text(LK("FormHeadingCaption")));
    const QString keys[] = {LK("lblHTeam"),      LK("lblHNumber"), LK("lblHPlace"),
                            LK("lblHTools"),     LK("lblHCount"),  LK("lblHCoaches"),
                            LK("lblHProcessed"), LK("lblHAim"),    LK("btnHNewNumber"),
                            LK("btnHNewTeam")};
    for (const QString& key : keys) {
        if (auto* label = findChild<QLabel*>(key))
            label->setText(l.Text(key));
        else if (auto* button = findChild<QPushButton*>(key))
            button->setText(l.Text(key));
    }
    m_btnSave->setText(l.Text(m_plan.archiveMode() ? LK("btnOK") : LK("btnHSave")));
}

void TFormHeading::showEvent(QShowEvent* event) {
    fillFromPlan();
    if (m_firstShow) {
        m_firstShow = false;
        if (m_createArchive)
            arrangeForArchiveChoice();
        if (m_plan.archiveMode())
            makeReadOnly();
    }
    m_cmbTeam->setFocus();
    QDialog::showEvent(event);
}

void TFormHeading::fillFromPlan() {
    const TTPHeading& h = m_plan.heading;
    m_edtPlace->setText(h.place);
    m_edtTools->setText(h.tools);
    m_edtCount->setText(h.playersCount);
    m_edtCoaches->setText(h.coaches);
    m_edtProcessed->setText(h.processed);
    m_memAim->setPlainText(h.aim.join(QLatin1Char('\n')));
    const QString team = m_plan.Team();
    const QString number = m_plan.TrainingNumber();
    if (isBlank(team)) {
        m_cmbTeam->clear();
        m_cmbTeam->addItem(m_language.Text(LK("EmptyTeamString")));
        m_cmbNumber->clear();
        m_cmbNumber->addItem(m_language.Text(LK("EmptyNumberString")));
        return;
    }
    fillTeams(team);
    if (isBlank(number)) {
        m_cmbNumber->clear();
        m_cmbNumber->addItem(m_language.Text(LK("EmptyNumberString")));
    } else {
        fillNumbers(number);
    }
}

void TFormHeading::arrangeForArchiveChoice() {
    setWindowTitle(m_language.Text(LK("MoveToTPArchive")));
    // Only the team and the number are asked for; the heading stays as it is.
    const char* hidden[] = {"lblHPlace",   "lblHTools",     "lblHCount",
                            "lblHCoaches", "lblHProcessed", "lblHAim"};
    for (const char* name : hidden)
        findChild<QLabel*>(QString::fromLatin1(name))->setVisible(false);
    for (QWidget* w : std::initializer_list<QWidget*>{m_edtPlace, m_edtTools, m_edtCount,
                                                      m_edtCoaches, m_edtProcessed, m_memAim})
        w->setVisible(false);
    for (QWidget* w :
         std::initializer_list<QWidget*>{findChild<QLabel*>(QStringLiteral("lblHTeam")),
                                         findChild<QLabel*>(QStringLiteral("lblHNumber")),
                                         m_cmbTeam, m_cmbNumber, m_btnNewTeam, m_btnNewNumber})
        w->move(w->x(), w->y() + kChoiceShift);
    m_btnSave->move(m_btnSave->x(), 70 + kChoiceShift);
    m_memText->setPlainText(m_language.Text(LK("MoveToTPArchiveText")));
    m_memText->setVisible(true);
    setFixedSize(kFormWidth, kChoiceFormHeight);
}

void TFormHeading::makeReadOnly() {
    // An archived plan's heading is shown, never changed.
    m_cmbTeam->setVisible(false);
    m_cmbNumber->setVisible(false);
    m_btnNewTeam->setVisible(false);
    m_btnNewNumber->setVisible(false);
    m_edtTeam->setText(m_plan.Team());
    m_edtNumber->setText(m_plan.TrainingNumber());
    m_edtTeam->setVisible(true);
    m_edtNumber->setVisible(true);
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->setReadOnly(true);
    m_memAim->setReadOnly(true);
}

QString TFormHeading::archiveFolder() const {
    return joinPath(m_settings.appDir(), m_settings.TPSaveDir(), QStringLiteral("Archive"));
}

QStringList TFormHeading::teamList() const {
    return listFolderLevel(archiveFolder());
}

QStringList TFormHeading::numberList() const {
    const QString team = m_plan.Team();
    QStringList numbers =
        isBlank(team) ? QStringList()
                      : listItemLevel(joinPath(archiveFolder(), team), QStringLiteral(".pamp"));
    const QString number = m_plan.TrainingNumber();
    if (!isBlank(number) && !containsName(numbers, number)) {
        numbers.append(number);
        numbers.sort(Qt::CaseInsensitive);
    }
    return numbers;
}

void TFormHeading::fillTeams(const QString& team) {
    const QStringList teams = teamList();
    const QSignalBlocker blocker(m_cmbTeam);
    m_cmbTeam->clear();
    if (teams.isEmpty()) {
        m_cmbTeam->addItem(m_language.Text(LK("EmptyTeamString")));
        return;
    }
    m_cmbTeam->addItems(teams);
    m_cmbTeam->setCurrentIndex(std::max(0, static_cast<int>(teams.indexOf(team))));
}

void TFormHeading::fillNumbers(const QString& number) {
    const QStringList numbers = numberList();
    const QSignalBlocker blocker(m_cmbNumber);
    m_cmbNumber->clear();
    if (numbers.isEmpty()) {
        m_cmbNumber->addItem(m_language.Text(LK("EmptyNumberString")));
        return;
    }
    m_cmbNumber->addItems(numbers);
    m_cmbNumber->setCurrentIndex(std::max(0, static_cast<int>(numbers.indexOf(number))));
}

void TFormHeading::teamChosen() {
    const QString text = m_cmbTeam->currentText();
    m_plan.setTrainingNumber(QString());
    m_plan.setTeam(text == m_language.Text(LK("EmptyTeamString")) ? QString() : text);
    fillNumbers(QString());
    numberChosen();
}

void TFormHeading::numberChosen() {
    const QString text = m_cmbNumber->currentText();
    m_plan.setTrainingNumber(text == m_language.Text(LK("EmptyNumberString")) ? QString() : text);
}

void TFormHeading::newTeam() {
    const QString entry = dialogs().getText(this, m_language, m_language.Text(LK("EnterTeamName")),
                                            TextPromptLayout::Name, m_plan.Team());
    if (isBlank(entry))
        return;
    // The name becomes a folder below the archive: nothing that would leave it.
    if (!TPractiseObject::isValidName(entry)) {
        dialogs().information(this, m_language.Text(LK("NameNotAllowed")));
        return;
    }
    if (containsName(teamList(), entry)) {
        dialogs().information(this, m_language.Text(LK("TeamAlreadyExists")));
        return;
    }
    QDir().mkpath(joinPath(archiveFolder(), entry));
    m_plan.setTeam(entry);
    m_plan.setTrainingNumber(QString());
    fillTeams(entry);
    fillNumbers(QString());
    numberChosen();
}

void TFormHeading::newNumber() {
    const QString entry = dialogs().getText(this, m_language, m_language.Text(LK("EnterNumber")),
                                            TextPromptLayout::Name, m_plan.TrainingNumber());
    if (isBlank(entry))
        return;
    if (!TPractiseObject::isValidName(entry)) {
        dialogs().information(this, m_language.Text(LK("NameNotAllowed")));
        return;
    }
    if (containsName(numberList(), entry)) {
        dialogs().information(this, m_language.Text(LK("NumberAlreadyExists")));
        return;
    }
    m_plan.setTrainingNumber(entry);
    fillNumbers(entry);
}

void TFormHeading::save() {
    if (m_plan.archiveMode()) {
        accept();
        return;
    }
    // The archive view opens on the team and number chosen here.
    const quint8 selector = m_settings.planSelector();
    m_settings.setPlanSelector(TSettings::Archive);
    m_settings.setTPTeamIndex(m_cmbTeam->currentIndex());
    m_settings.setTPPlanIndex(m_cmbNumber->currentIndex());
    m_settings.setPlanReloadNeeded(false);
    m_settings.setPlanSelector(selector);
    if (!m_createArchive) {
        TTPHeading& h = m_plan.heading;
        const TTPHeading before = h;
        h.place = m_edtPlace->text();
        h.tools = m_edtTools->text();
        h.playersCount = m_edtCount->text();
        h.coaches = m_edtCoaches->text();
        h.processed = m_edtProcessed->text();
        const QString aim = m_memAim->toPlainText();
        h.aim = aim.isEmpty() ? QStringList() : aim.split(QLatin1Char('\n'));
        if (!(h == before))
            m_plan.setModified(true);
        if (m_plan.modified() && m_plan.hasCurrentItem() && !m_plan.SaveCurrent()) {
            // The heading stays in the plan; the coach sees why and may try again.
            dialogs().information(this, m_language.Text(LK("SaveFailedItemKept")) +
                                            QStringLiteral("\n\n") + m_plan.errorString());
            return;
        }
    }
    accept();
}

} // namespace korvex
