#include "ui/dialogs/TFormChooseGround.h"

#include "core/FileHelpers.h"
#include "core/JpegPicture.h"
#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TPractiseObject.h"
#include "core/TSettings.h"
#include "storage/PractiseGround.h"
#include "storage/RinkFolder.h"
#include "storage/TGraphicPractise.h"
#include "storage/Thumbnail.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"

#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace korvex {

TFormChooseGround::TFormChooseGround(TLanguage& language, TSettings& settings,
                                     TGraphicPractise& practise, QWidget* parent)
    : QDialog(parent), m_language(language), m_settings(settings), m_practise(practise) {
    setObjectName(QStringLiteral("FormChooseGround"));
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pnlNewGround"));
    panel->setFrameShape(QFrame::Box);
    m_imgNewGround = new QLabel(panel);
    m_imgNewGround->setObjectName(QStringLiteral("imgNewGround"));
    m_imgNewGround->setGeometry(2, 2, kThumbnailWidth, kThumbnailHeight);
    panel->setFixedSize(kThumbnailWidth + 4, kThumbnailHeight + 4);
    m_lblPlayGroundName = new QLabel(this);
    m_lblPlayGroundName->setObjectName(QStringLiteral("lblPlayGroundName"));
    m_lblPlayGroundName->setAlignment(Qt::AlignCenter);

    auto button = [this](const char* name, void (TFormChooseGround::*slot)()) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    QPushButton* previousButton = button("btnNGPrevious", &TFormChooseGround::previous);
    QPushButton* nextButton = button("btnNGNext", &TFormChooseGround::next);
    QPushButton* fileButton = button("btnNGFromFile", &TFormChooseGround::fromFile);
    QPushButton* doneButton = button("btnNGDone", &TFormChooseGround::done);
    doneButton->setDefault(true);
    auto* cancel = new QPushButton(this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(panel, 0, 0, 1, 2, Qt::AlignCenter);
    grid->addWidget(m_lblPlayGroundName, 1, 0, 1, 2);
    grid->addWidget(previousButton, 2, 0);
    grid->addWidget(nextButton, 2, 1);
    grid->addWidget(fileButton, 3, 0, 1, 2);
    grid->addWidget(doneButton, 4, 0);
    grid->addWidget(cancel, 4, 1);
    setPreview(QImage());
}

QString TFormChooseGround::rinkFolder() const {
    return joinPath(m_settings.appDir(), m_settings.PlayCourtSaveDir());
}

QString TFormChooseGround::shownName() const {
    return m_lblPlayGroundName->text();
}

void TFormChooseGround::showEvent(QShowEvent* event) {
    setWindowTitle(m_language.Text(LK("FormChooseGround")));
    const struct {
        const char* name;
        QString key;
    } captions[] = {{"btnNGNext", LK("btnNGNext")},
                    {"btnNGPrevious", LK("btnNGPrevious")},
                    {"btnNGFromFile", LK("btnNGFromFile")},
                    {"btnNGDone", LK("btnNGDone")},
                    {"btnCancel", LK("btnCancel")}};
    for (const auto& c : captions)
        findChild<QPushButton*>(QString::fromLatin1(c.name))->setText(m_language.Text(c.key));
    m_custom = false;
    QDialog::showEvent(event);
    if (!QDir(rinkFolder()).exists()) {
        dialogs().information(this, m_language.Text(LK("DirPlayGroundNotFound")));
        return;
    }
    m_index = 1;
    previous();
}

void TFormChooseGround::next() {
    m_custom = false;
    const int count = int(m_settings.selectedRinks().size());
    m_index = m_index + 1 >= count ? 0 : m_index + 1;
    showRink(m_index);
}

void TFormChooseGround::previous() {
    m_custom = false;
    const int count = int(m_settings.selectedRinks().size());
    m_index = m_index - 1 < 0 ? count - 1 : m_index - 1;
    showRink(m_index);
}

void TFormChooseGround::showRink(int index) {
    const QStringList& rinks = m_settings.selectedRinks();
    if (rinks.isEmpty() || index < 0 || index >= rinks.size()) {
        dialogs().information(this, m_language.Text(LK("NoneGroundSelected")));
        return;
    }
    const QString name = rinks.at(index);
    const RinkThumbnail thumbnail = loadRinkThumbnail(rinkFolder(), name);
    switch (thumbnail.status) {
    case RinkThumbnail::WrongSize:
        dialogs().information(this, wrongRinkSizeText(m_language, name, thumbnail.size));
        return;
    case RinkThumbnail::Missing:
        dialogs().information(this, name + QLatin1Char(' ') +
                                        m_language.Text(LK("PlayGroundIsNotAvailable")));
        return;
    case RinkThumbnail::Shown:
        break;
    }
    setPreview(thumbnail.image);
    m_lblPlayGroundName->setText(name);
    m_practise.setGroundName(name);
}

void TFormChooseGround::fromFile() {
    JpegPicture picture;
    const QString file = openJpegPicture(this, &picture);
    if (file.isEmpty())
        return;
    m_custom = true;
    m_customPath = file;
    setPreview(fitPicture(picture.image(), kThumbnailWidth, kThumbnailHeight));
    m_lblPlayGroundName->setText(extractFileTitle(file));
}

void TFormChooseGround::done() {
    if (m_custom) {
        JpegPicture picture;
        QString error;
        if (!picture.loadFile(m_customPath, &error)) {
            dialogs().information(this, error);
            return;
        }
        m_practise.setGroundPicture(picture);
        m_practise.setGroundMode(GroundFit);
    } else {
        m_practise.setGroundPicture(JpegPicture());
        m_practise.setGroundMode(GroundStandard);
    }
    m_practise.setModified(true);
    if (!m_practise.SaveCurrent() && m_practise.hasCurrentItem())
        dialogs().information(this, m_practise.errorString());
    accept();
}

void TFormChooseGround::setPreview(const QImage& image) {
    m_preview = image;
    if (image.isNull()) {
        QPixmap empty(kThumbnailWidth, kThumbnailHeight);
        empty.fill(QColor(0x50, 0x50, 0x50));
        m_imgNewGround->setPixmap(empty);
        return;
    }
    m_imgNewGround->setPixmap(QPixmap::fromImage(image));
}

void addGround(QWidget* parent, TLanguage& language, TSettings& settings) {
    JpegPicture picture;
    const QString file = openJpegPicture(parent, &picture);
    if (file.isEmpty())
        return;
    if (!isAcceptedRinkSize(picture.image().size())) {
        dialogs().information(parent, wrongRinkSizeText(language, QDir::toNativeSeparators(file),
                                                        picture.image().size()));
        return;
    }
    const QString folder = joinPath(settings.appDir(), settings.PlayCourtSaveDir());
    QString name = extractFileTitle(file);
    for (;;) {
        name = dialogs().getText(parent, language, language.Text(LK("AddGroundTitle")),
                                 TextPromptLayout::Name, name);
        if (name.isEmpty())
            return;
        if (!TPractiseObject::isValidName(name)) {
            dialogs().information(parent, language.Text(LK("NameNotAllowed")));
            continue;
        }
        if (isRinkNameTaken(folder, name)) {
            dialogs().information(parent, language.Text(LK("GroundAllreadyExists")));
            continue;
        }
        break;
    }
    QDir().mkpath(folder);
    QString error;
    if (!addRinkPicture(file, folder, name, &error)) {
        dialogs().information(parent, error);
        return;
    }
    QStringList rinks = settings.selectedRinks();
    rinks.append(name);
    settings.setSelectedRinks(rinks);
}

} // namespace korvex
