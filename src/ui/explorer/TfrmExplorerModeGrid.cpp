// The explorer's grid: one panel with the practise's thumbnail per graphic practise of the
// selected subcategory, a row label beside each row's first panel and a spacer panel that
// closes the grid, and the two gestures on a thumbnail.
#include "ui/explorer/TfrmExplorerMode.h"

#include "core/FileHelpers.h"
#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/explorer/ExplorerComboBox.h"
#include "ui/explorer/ExplorerGrid.h"
#include "ui/explorer/ExplorerThumbnail.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>

namespace korvex {

void TfrmExplorerMode::BuildGrid() {
    const QString folder = subcategoryFolder();
    m_stems.clear();
    if (!folder.isEmpty()) {
        for (const QString& name : ListFolder(folder, QStringLiteral("*.gmp"), ListKind::Files))
            m_stems.append(joinPath(folder, name));
    }
    clearGrid();
    // Hidden while it fills, so the panels are laid out once, not one by one.
    m_content->setUpdatesEnabled(false);
    for (int i = 0; i < m_stems.size(); ++i)
        addItem(i, m_stems.at(i));

    auto* spacer = new QFrame(m_content);
    spacer->setObjectName(QStringLiteral("pnlEXSpacer"));
    spacer->setFrameShape(QFrame::NoFrame);
    spacer->setGeometry(explorer::spacerRect(static_cast<int>(m_stems.size())));
    spacer->show();
    m_gridControls.append(spacer);
    fitContent();
    m_content->setUpdatesEnabled(true);
}

void TfrmExplorerMode::clearGrid() {
    qDeleteAll(m_gridControls);
    m_gridControls.clear();
}

void TfrmExplorerMode::addItem(int index, const QString& stem) {
    auto* panel = new QFrame(m_content);
    panel->setObjectName(QStringLiteral("pnlEXPractise"));
    panel->setProperty("Tag", index);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(explorer::kPictureInset);
    panel->setGeometry(explorer::panelRect(index));
    const QString name = extractFileName(stem);
    panel->setToolTip(name);

    auto* picture = new ExplorerThumbnail(index, name, panel);
    picture->setGeometry(explorer::kPictureInset, explorer::kPictureInset, explorer::kPictureWidth,
                         explorer::kPictureHeight);
    const QImage thumbnail = explorer::thumbnailOf(stem);
    if (!thumbnail.isNull())
        picture->setPixmap(QPixmap::fromImage(thumbnail));
    connect(picture, &ExplorerThumbnail::doubleClicked, this,
            &TfrmExplorerMode::onThumbnailDoubleClicked);
    connect(picture, &ExplorerThumbnail::ctrlPressed, this,
            &TfrmExplorerMode::onThumbnailCtrlPressed);
    panel->show();
    m_gridControls.append(panel);

    if (index % explorer::kColumns == 0) {
        auto* row = new QLabel(QString::number(index / explorer::kColumns), m_content);
        row->setObjectName(QStringLiteral("lblEXRow"));
        row->move(explorer::rowLabelPosition(index / explorer::kColumns));
        row->adjustSize();
        row->show();
        m_gridControls.append(row);
    }
}

void TfrmExplorerMode::fitContent() {
    int width = 0;
    int height = 0;
    for (const QObject* child : m_content->children()) {
        if (const auto* widget = qobject_cast<const QWidget*>(child)) {
            width = std::max(width, widget->geometry().right() + 1);
            height = std::max(height, widget->geometry().bottom() + 1);
        }
    }
    m_content->resize(width + 12, height + 6);
}

QString TfrmExplorerMode::dataFileOf(int tag) {
    const QString stem = m_stems.value(tag);
    const QString name = extractFileName(stem);
    const QString folder = extractFolder(stem);
    const QString wanted = name + QStringLiteral(".gmp");
    if (QFileInfo::exists(joinPath(folder, wanted)))
        return joinPath(folder, wanted);
    // The listing matches the extension without regard to letter case; so does this.
    for (const QString& file : QDir(folder).entryList(QDir::Files)) {
        if (file.compare(wanted, Qt::CaseInsensitive) == 0)
            return joinPath(folder, file);
    }
    dialogs().information(this, language().Text(LK("EXPractiseGone")).arg(name));
    // Built again once the gesture is over: the thumbnail that reported it is still busy.
    QMetaObject::invokeMethod(this, &TfrmExplorerMode::BuildGrid, Qt::QueuedConnection);
    return QString();
}

void TfrmExplorerMode::onThumbnailDoubleClicked(int tag) {
    if (dataFileOf(tag).isEmpty())
        return;
    // The graphic view lists the folders afresh, so the indices are taken from what is on
    // disk now; the boxes may be older than a category added since they were filled.
    const QString category = m_cmbCategory->selectedName();
    const QString subcategory = m_cmbSubCategory->selectedName();
    const QString root = practiseRoot();
    const auto categoryIndex =
        ListFolder(root, QStringLiteral("*"), ListKind::Folders).indexOf(category);
    const auto subcategoryIndex =
        ListFolder(joinPath(root, category), QStringLiteral("*"), ListKind::Folders)
            .indexOf(subcategory);
    const auto practiseIndex =
        ListFolder(joinPath(root, category, subcategory), QStringLiteral("*.gmp"), ListKind::Files)
            .indexOf(extractFileName(m_stems.value(tag)));
    if (categoryIndex < 0 || subcategoryIndex < 0 || practiseIndex < 0)
        return;
    Q_EMIT openRequested(static_cast<int>(categoryIndex), static_cast<int>(subcategoryIndex),
                         static_cast<int>(practiseIndex));
}

void TfrmExplorerMode::onThumbnailCtrlPressed(int tag) {
    const QString file = dataFileOf(tag);
    if (!file.isEmpty())
        Q_EMIT placeRequested(QDir(settings().appDir()).relativeFilePath(file));
}

} // namespace korvex
