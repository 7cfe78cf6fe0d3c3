// The picture panel of the text practise view: two slots that scroll through the practise's
// pictures, adding a picture file and deleting the checked pictures.
#include "ui/text/TfrmTextMode.h"

#include "core/FileHelpers.h"
#include "core/Jpeg.h"
#include "core/JpegPicture.h"
#include "core/Paths.h"
#include "core/TLanguage.h"
#include "storage/TTextPractise.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QScrollBar>
#include <QSignalBlocker>

namespace korvex {

namespace {

// The picture file decoded and fitted on white into `size`; the grey stand-in for a file
// that does not decode.
QPixmap slotPixmap(const QString& file, QSize size) {
    QImage image;
    QString error;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly) || !decodeJpeg(in.readAll(), &image, &error))
        image = JpegPicture::placeholderImage();
    return QPixmap::fromImage(fitPicture(image, size.width(), size.height()));
}

} // namespace

void TfrmTextMode::showPictures() {
    if (!m_practise || m_scroll == nullptr)
        return;
    const int count = m_practise->pictureCount();
    const int previousTop = m_pictureTop;
    {
        // Two pictures are shown at a time; the scroller moves the first slot.
        const QSignalBlocker blocker(m_scroll);
        m_scroll->setRange(0, std::max(0, count - 2));
        m_pictureTop = count <= 2 ? 0 : std::clamp(m_scroll->value(), 0, count - 2);
        m_scroll->setValue(m_pictureTop);
    }
    m_scroll->setEnabled(count > 2);
    for (int i = 0; i < 2; ++i) {
        const int index = m_pictureTop + i;
        QCheckBox* check = m_checks[i];
        check->setVisible(index < count);
        // A check mark means "this picture"; once another picture stands in the slot it
        // would mean a different one.
        if (index >= count || m_pictureTop != previousTop)
            check->setChecked(false);
        check->setText(language().Text(LK("TXPictureNumber")).arg(index + 1).arg(count));
        QLabel* slot = m_slots[i];
        if (index < count) {
            const QSize inner = slot->contentsRect().size();
            slot->setPixmap(slotPixmap(m_practise->pictureFile(index), inner));
        } else {
            slot->clear();
        }
    }
    updatePictureButtons();
}

void TfrmTextMode::addPicture() {
    if (!editing() || m_practise->pictureCount() >= TTextPractise::kMaxPictures)
        return;
    FileDialogOptions options;
    options.title = language().Text(LK("btnTXAddPicture"));
    options.filter =
        language().Text(LK("TXPictureFilter")) + QStringLiteral(" (*.jpg *.jpeg *.png *.bmp)");
    options.defaultSuffix = QStringLiteral("jpg");
    const QString file = dialogs().openFileName(this, options);
    if (file.isEmpty())
        return;
    switch (m_practise->AddPicture(file)) {
    case TTextPractise::AddResult::Added:
        // The new picture comes into view in the second slot (or the first).
        m_scroll->setRange(0, std::max(0, m_practise->pictureCount() - 2));
        m_scroll->setValue(m_scroll->maximum());
        showPictures();
        break;
    case TTextPractise::AddResult::NotAPicture:
        dialogs().information(this,
                              language().Text(LK("TXNotAPicture")).arg(extractFileName(file)));
        break;
    case TTextPractise::AddResult::Full:
        break;
    case TTextPractise::AddResult::Failed:
        dialogs().information(this, language().Text(LK("TXPictureNotAdded")) + QLatin1Char('\n') +
                                        m_practise->errorString());
        break;
    }
}

void TfrmTextMode::deletePictures() {
    if (!editing())
        return;
    QList<int> indices;
    for (int i = 0; i < 2; ++i) {
        if (!m_checks[i]->isHidden() && m_checks[i]->isChecked())
            indices.append(m_pictureTop + i);
    }
    if (indices.isEmpty())
        return;
    if (!m_practise->DeletePictures(indices))
        dialogs().information(this, m_practise->errorString());
    for (QCheckBox* check : m_checks)
        check->setChecked(false);
    showPictures();
}

} // namespace korvex
