#pragma once

#include "core/TPractiseObject.h"

namespace korvex {

// A practise told in words with pictures ("<name>.tmp"). While a text practise is open its
// pictures are the files 0.jpg, 1.jpg, ... of the scratch folder; Load spreads them out
// there and Save gathers them into the file again.
class TTextPractise : public TPractiseObject {
public:
    // `scratchFolder` is the full path of the pictures' scratch folder.
    TTextPractise(const QString& root, const QString& kindFolder, const QString& scratchFolder,
                  TLanguage* language = nullptr, TSettings* settings = nullptr);
    ~TTextPractise() override;

    void Clear() override;
    bool Save(const QString& path) override;
    bool Load(const QString& path) override;
    bool Delete(const QString& path) override;
    bool Rename(const QString& path) override;
    bool Copy(const QString& path) override;
    QStringList ListItems() override;

    QStringList text;     // the practise text, logical lines
    QStringList keywords; // keyword lines
    int lastPicture = -1; // index of the last picture handled, -1 = none

    // The editor adds pictures up to this count (a file from elsewhere may hold more).
    static constexpr int kMaxPictures = 4;

    enum class AddResult { Added, Full, NotAPicture, Failed };

    const QString& scratchFolder() const { return m_scratch; }
    int pictureCount() const { return lastPicture + 1; }
    // The scratch file of picture `index` ({scratch}/{index}.jpg).
    QString pictureFile(int index) const;
    // Full paths of the scratch pictures in picture order: files named by a number come
    // first by their number, then any others in listing order.
    QStringList scratchPictures() const;
    // Gives the scratch pictures the names 0.jpg, 1.jpg, ... in picture order.
    bool RenumberPictures();
    // Adds the picture file `source` as the next picture: a JPEG is stored as it is, a PNG
    // or BMP picture is converted to JPEG (transparent parts become white). Anything else
    // is refused and nothing is stored.
    AddResult AddPicture(const QString& source);
    // Deletes the pictures of the given indices and numbers the rest without gaps.
    bool DeletePictures(const QList<int>& indices);
    // The version Save writes: the installation's, or the item's own without settings.
    qint32 writeVersion() const;
    QString errorString() const { return m_error; }

private:
    bool fail(const QString& message);
    // Removes every picture (and any half-renumbered file) from the scratch folder; false
    // when one could not be removed.
    bool clearScratch();

    QString m_scratch;
    QString m_error;
    // Set when the last file loaded had a version this program does not read: Save then
    // refuses, so that the file is not replaced by the empty item.
    bool m_versionRefused = false;
    bool m_scratchCleared = true;
};

} // namespace korvex
