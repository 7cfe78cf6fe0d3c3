#pragma once

#include "storage/ItemKinds.h"
#include "storage/PlayerNumbers.h"
#include "storage/PractiseGround.h"

#include "core/JpegPicture.h"
#include "core/SaveGroup.h"
#include "core/TPractiseObject.h"
#include "drawing/DrawingSettings.h"
#include "drawing/PractiseRenderer.h"
#include "drawing/TFigures.h"
#include "drawing/TLines.h"

#include <QByteArrayView>
#include <QImage>
#include <QString>
#include <QStringList>

#include <memory>

class QIODevice;

namespace korvex {

class BinaryReader;
class BinaryWriter;
class TLanguage;
class TSettings;

// One graphic practise: a ground (a standard rink or an own picture), the lines and
// figures drawn on it, a description and keywords. It owns the practise's files
// <stem>.gmp (data), <stem>.jpg (picture) and <stem>Small.jpg (thumbnail) and hands the
// renderer its scene. Editing (selection, hit testing, undo) is the document's business.
//
// Errors are returned as false with errorString() set; nothing here shows a message.
class TGraphicPractise : public TPractiseObject {
public:
    // Which number set a numbered player draws from: A for defenders (kinds 1 and 14),
    // B for forwards (kinds 0 and 13).
    enum NumberSet { NumbersA, NumbersB };

    TGraphicPractise(TSettings& settings, TLanguage& language);
    ~TGraphicPractise() override;
    TGraphicPractise(const TGraphicPractise&) = delete;
    TGraphicPractise& operator=(const TGraphicPractise&) = delete;

    // An empty practise: no texts, lines, figures or numbers, ground mode 0.
    void Clear() override;
    // Writes the files of `stem` (a full path without extension).
    bool Save(const QString& stem) override;
    // Reads the practise from the files of `stem`. A file of a format version this
    // program does not read gives an empty practise and true, but the practise then refuses
    // to be saved over that file (see isSaveRefused). A truncated or corrupt file gives
    // false, an empty practise and an error naming the file; the file is not touched.
    bool Load(const QString& stem) override;
    // Load from the data file `dataFile` itself (any letter case of its extension). A
    // practise whose picture or thumbnail is missing (a restore or save that was cut
    // short) gets them drawn again; when they cannot be saved (a full disk, a read-only
    // folder) the practise is loaded all the same, loadWarning() says why, and the next
    // load tries again.
    bool LoadFile(const QString& dataFile);
    // What the last load could not do without failing (see LoadFile), naming the files and
    // the system's reason; empty when all went well. Cleared by the next load.
    QString loadWarning() const { return m_loadWarning; }
    // Load from the whole content of the data file `dataFile`, already in memory; nothing
    // is read or written.
    bool LoadBytes(const QByteArray& bytes, const QString& dataFile);
    // The three files Save writes at `stem`, in memory: data file, picture, thumbnail.
    bool SaveBytes(const QString& stem, QList<FileBytes>* files);
    // The item's whole file set: deleted at `stem`, or the current item's files moved or
    // copied to `stem` (Rename and Copy are false, touching nothing, while no current item
    // is selected).
    bool Delete(const QString& stem) override;
    bool Rename(const QString& stem) override;
    bool Copy(const QString& stem) override;
    // The items of the current subcategory folder.
    QStringList ListItems() override;

    QString errorString() const { return m_error; }
    // True when the last Load found a file that must not be overwritten (unknown format
    // version, damaged data); Save to that stem then fails until another Load.
    bool isSaveRefused() const { return !m_refusedStem.isEmpty(); }

    // Stream form of the data file (also used by backup and import).
    bool writeTo(QIODevice* device, const QString& name);
    bool readFrom(QIODevice* device, const QString& name);
    // The data file's bytes appended to `bytes`, and the practise read from a whole file.
    bool writeTo(QByteArray* bytes, const QString& name);
    bool readFrom(const QByteArray& bytes, const QString& name);

    // Content.
    QStringList& description() { return m_description; }
    QStringList& keywords() { return m_keywords; }
    TLines& lines() { return *m_lines; }
    TFigures& figures() { return *m_figures; }
    PlayerNumbers& numbers(NumberSet set) { return set == NumbersA ? m_numbersA : m_numbersB; }
    int groundMode() const { return m_groundMode; }
    void setGroundMode(int mode) { m_groundMode = static_cast<quint8>(mode); }
    const QString& groundName() const { return m_groundName; }
    void setGroundName(const QString& name) { m_groundName = name; }
    // The practise's own ground picture (ground modes 1..3).
    const JpegPicture& groundPicture() const { return m_groundPicture; }
    void setGroundPicture(const JpegPicture& picture) { m_groundPicture = picture; }
    // Loads the standard ground of groundName() from the rink folder; a missing rink shows
    // missingGroundText() instead. scene() reloads it by itself when the name has changed.
    void loadStandardGround();

    // What the renderer needs to paint this practise (ground, lines, figures).
    PractiseScene scene();
    // The whole practise as a fresh W x H picture, every object drawn.
    QImage RenderPicture();
    // `picture` is the practise as it stands now, drawn whole at the picture size (the editor
    // hands over what it has just drawn for the screen). A save that follows with no drawn
    // part changed encodes it instead of drawing the practise again; any other picture, or
    // a drawing changed since, is ignored. Tactics practises save no picture and keep none.
    void keepRenderedPicture(const QImage& picture);
    int pictureWidth() const;
    int pictureHeight() const;
    const DrawingSettings& drawingSettings() const { return m_drawing; }

protected:
    TGraphicPractise(TSettings& settings, TLanguage& language, ItemKind kind);
    ItemKind itemKind() const { return m_kind; }
    // The figures being drawn on: the practise's own list, or a tactics frame.
    void setCurrentFigures(TFigures* figures);
    TFigures& ownFigures() { return *m_ownFigures; }
    void syncDrawingSettings();
    void clearContent();
    QString rinkFolder() const;
    // The placeholder text of a missing rink: its name and "PlayGroundIsNotAvailable".
    virtual QString missingGroundText() const;
    // Reads a whole data file; false with an error naming it when it cannot be read or is
    // larger than any practise (kMaxDataFileSize).
    bool readDataFile(const QString& path, QByteArray* bytes);
    static constexpr qint64 kMaxDataFileSize = qint64(256) * 1024 * 1024;
    // Takes the error of a failed save or load.
    bool failWith(const QString& message);
    // Starts reading a practise stream: clears the last error, reads the format version
    // into `version` and takes it as this practise's. False (with the error set) when not
    // even the version could be read.
    bool beginRead(BinaryReader& in, qint32* version);
    // Saving is refused over a file whose content this program could not read.
    bool checkSaveAllowed(const QString& stem, const QString& dataFile);
    void refuseSaveTo(const QString& stem, const QString& reason);
    // The version written into new files; false (with an error) when it does not read back
    // as the layout written.
    bool writableVersion(qint32* version, bool graphic);
    void clearRefusal() { m_refusedStem.clear(); }

    TSettings& m_settings;
    TLanguage& m_language;
    QString m_error;

private:
    // The parts of a data file the picture is drawn from: figures, lines, ground mode and
    // name, and the own ground picture (description, keywords and numbers are not drawn).
    struct DrawnParts {
        QByteArrayView drawing;
        QByteArrayView ownGround;
    };
    // What else the picture depends on: the canvas, the figure pictures' folder, the rink
    // picture in use and the text shown for an own picture too large to centre.
    struct PictureInputs {
        QSize canvas;
        bool largeLayout = true;
        QString figureFolder;
        qint64 rinkKey = 0;
        QString centreText;
        bool operator==(const PictureInputs&) const = default;
    };
    // A drawing and what else its picture depends on, kept to tell whether a picture drawn
    // or saved earlier still shows the practise.
    struct DrawnState {
        QByteArray drawn; // the drawn parts of the data file, one after the other
        PictureInputs inputs;
        void take(const DrawnParts& parts, const PictureInputs& from);
        bool matches(const DrawnParts& parts, const PictureInputs& other) const;
    };
    // The picture and thumbnail files of the last save: a save that changed no drawn part (a
    // description edited, the same practise saved under another name) writes them again
    // instead of drawing and encoding the same pixels.
    struct SavedPictures {
        DrawnState state;
        QByteArray picture;
        QByteArray thumbnail;
    };
    // The last picture the editor drew of the whole practise (keepRenderedPicture).
    struct RenderedPicture {
        DrawnState state;
        QImage picture;
    };

    ItemKind m_kind;
    bool writeTo(QByteArray* bytes, const QString& name, DrawnParts* drawn);
    // Loads the standard ground when the ground name or the canvas changed since.
    void ensureStandardGround();
    PictureInputs pictureInputs();
    // The drawn parts in the data file's layout: figures, lines, ground mode and name, and
    // the own ground picture (numbers come between them in the file).
    void writeDrawing(BinaryWriter& out);
    void writeOwnGround(BinaryWriter& out);
    // Writes the drawn parts alone into `bytes` (replacing what it held), one after the
    // other, as DrawnState::take lays them out.
    bool writeDrawnParts(QByteArray* bytes);
    void readBody(BinaryReader& in, qint32 version);
    bool readFrom(BinaryReader& in);
    // Draws the picture and thumbnail at `stem` again when one of them is missing; false
    // with loadWarning() set when one of them could not be saved.
    bool restoreMissingPictures(const QString& stem);
    void clearForLoad();

    DrawingSettings m_drawing;
    QStringList m_description;
    QStringList m_keywords;
    std::unique_ptr<TLines> m_lines;
    std::unique_ptr<TFigures> m_ownFigures;
    TFigures* m_figures = nullptr;
    PlayerNumbers m_numbersA;
    PlayerNumbers m_numbersB;
    QString m_groundName;
    quint8 m_groundMode = GroundStandard;
    JpegPicture m_groundPicture;
    QImage m_standardGround;
    QString m_standardGroundName; // the ground name m_standardGround was loaded for
    bool m_standardGroundLoaded = false;
    QString m_loadWarning;
    QString m_refusedStem;
    QString m_refusedReason;
    QByteArray m_dataBuffer; // the data file of the last save, its memory reused
    SavedPictures m_saved;
    RenderedPicture m_rendered;
};

} // namespace korvex
