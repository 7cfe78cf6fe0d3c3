#include "ui/dialogs/TFormSettings.h"

#include "core/FileHelpers.h"
#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "ui/LanguageKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace korvex {

TFormSettings::TFormSettings(TLanguage& language, TSettings& settings, QWidget* parent)
    : QDialog(parent), m_language(language), m_settings(settings),
      m_previousLanguage(settings.Language()) {
    setObjectName(QStringLiteral("FormSettings"));
    buildControls();
    fill();
}

void TFormSettings::buildControls() {
    setWindowTitle(m_language.Text(LK("FormSettings")));
    auto* layout = new QVBoxLayout(this);
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("pclSettings"));
    layout->addWidget(pages);

    auto* common = new QWidget(pages);
    common->setObjectName(QStringLiteral("shtLanguage"));
    auto* commonLayout = new QFormLayout(common);
    m_languageBox = new QComboBox(common);
    m_languageBox->setObjectName(QStringLiteral("cmbLanguage"));
    m_languageBox->setMinimumWidth(180);
    auto* languageLabel = new QLabel(m_language.Text(LK("lblLanguage")), common);
    languageLabel->setObjectName(QStringLiteral("lblLanguage"));
    commonLayout->addRow(languageLabel, m_languageBox);
    m_countPlayers = new QCheckBox(m_language.Text(LK("chbCountPlayers")), common);
    m_countPlayers->setObjectName(QStringLiteral("chbCountPlayers"));
    commonLayout->addRow(m_countPlayers);
    pages->addTab(common, m_language.Text(LK("shtCommon")));

    auto* court = new QWidget(pages);
    court->setObjectName(QStringLiteral("shtCourt"));
    auto* courtLayout = new QVBoxLayout(court);
    m_courts = new QListWidget(court);
    m_courts->setObjectName(QStringLiteral("clbCourt"));
    courtLayout->addWidget(m_courts);
    pages->addTab(court, m_language.Text(LK("shtCourt")));

    auto* window = new QWidget(pages);
    window->setObjectName(QStringLiteral("shtWindow"));
    auto* windowLayout = new QFormLayout(window);
    m_sizeBox = new QComboBox(window);
    m_sizeBox->setObjectName(QStringLiteral("cmbFormSize"));
    m_sizeBox->setMinimumWidth(180);
    auto* sizeLabel = new QLabel(m_language.Text(LK("lblFormSize")), window);
    sizeLabel->setObjectName(QStringLiteral("lblFormSize"));
    windowLayout->addRow(sizeLabel, m_sizeBox);
    pages->addTab(window, m_language.Text(LK("shtWindow")));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(m_language.Text(LK("btnSettingsOK")), this);
    ok->setObjectName(QStringLiteral("btnSettingsOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(m_language.Text(LK("btnSettingsCancel")), this);
    cancel->setObjectName(QStringLiteral("btnSettingsCancel"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(360, 300);
}

QStringList TFormSettings::rinkNames(const QString& folder) {
    QStringList names = ListFolder(folder, QStringLiteral("*.jpg"), ListKind::Files);
    names.removeIf([](const QString& name) { return name.endsWith(QLatin1String("Small")); });
    return names;
}

void TFormSettings::fill() {
    m_language.ListLanguages();
    m_languageBox->addItems(m_language.languages());
    m_languageBox->setCurrentIndex(m_language.languages().indexOf(m_settings.Language()));

    m_sizeBox->addItem(m_language.Text(LK("fsSmall")));
    m_sizeBox->addItem(m_language.Text(LK("fsLarge")));
    m_sizeBox->setCurrentIndex(m_settings.FormSize() <= 1 ? m_settings.FormSize() : -1);

    const QStringList rinks =
        rinkNames(joinPath(m_settings.appDir(), m_settings.PlayCourtSaveDir()));
    for (const QString& rink : rinks) {
        auto* item = new QListWidgetItem(rink, m_courts);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(m_settings.selectedRinks().contains(rink) ? Qt::Checked
                                                                      : Qt::Unchecked);
    }
    m_countPlayers->setChecked(m_settings.CountPlayers());
}

void TFormSettings::applyToSettings() {
    if (m_languageBox->currentIndex() >= 0)
        m_settings.setLanguage(m_languageBox->currentText());
    if (m_sizeBox->currentIndex() >= 0)
        m_settings.SetFormSize(m_sizeBox->currentIndex());
    QStringList checked;
    for (int i = 0; i < m_courts->count(); ++i) {
        if (m_courts->item(i)->checkState() == Qt::Checked)
            checked.append(m_courts->item(i)->text());
    }
    m_settings.setSelectedRinks(checked);
    m_settings.setCountPlayers(m_countPlayers->isChecked());
}

} // namespace korvex
