#pragma once

#include "ui/TModeView.h"

#include <QList>
#include <QStringList>

class QLabel;
class QScrollArea;

namespace korvex {

class ExplorerComboBox;

// Mode 8: the graphic practises of one category and subcategory as a grid of thumbnails,
// four to a row. A double click on a thumbnail asks the main window to open that practise
// in the graphic view (openRequested); a press with Ctrl held asks it to place the practise
// into the current training plan (placeRequested). The view reads the practise folders and
// writes nothing. Once made, it lives until the main window is destroyed, so it keeps its
// selection and its grid between visits; the grid is built again only when a selection box
// changes.
class TfrmExplorerMode : public TModeView {
    Q_OBJECT

public:
    TfrmExplorerMode(TLanguage& language, TSettings& settings, QWidget* parent);
    ~TfrmExplorerMode() override;

    void initialise() override;
    void tearDown() override;
    void applyCaptions() override;
    QString titleKey() const override;

    // The practises of the grid as full paths without extension, in display order.
    const QStringList& stems() const { return m_stems; }
    // The scrolled area that holds the selection boxes and the grid.
    QWidget* content() const { return m_content; }
    // Builds the grid again from the folder the two selection boxes name.
    void BuildGrid();

Q_SIGNALS:
    // Indices of the practise in the graphic view's lists, as they are on disk now.
    void openRequested(int categoryIndex, int subcategoryIndex, int practiseIndex);
    // The practise's data file, relative to the application folder.
    void placeRequested(const QString& relativePath);

private:
    // Selection boxes (TfrmExplorerMode.cpp).
    void createControls();
    void onCategoryDropDown();
    void onCategoryChanged();
    void onSubCategoryDropDown();
    void onSubCategoryChanged();
    void refillSubCategories(const QString& selectName);
    QString practiseRoot() const;
    QString subcategoryFolder() const;

    // The grid (TfrmExplorerModeGrid.cpp).
    void clearGrid();
    void addItem(int index, const QString& stem);
    void fitContent();
    void onThumbnailDoubleClicked(int tag);
    void onThumbnailCtrlPressed(int tag);
    // The data file of grid item `tag`, or "" when it has gone since the grid was built
    // (the coach is told, and the grid is built again).
    QString dataFileOf(int tag);

    QScrollArea* m_scroll = nullptr;
    QWidget* m_content = nullptr;
    QLabel* m_lblCategory = nullptr;
    QLabel* m_lblSubCategory = nullptr;
    QLabel* m_lblHint = nullptr;
    ExplorerComboBox* m_cmbCategory = nullptr;
    ExplorerComboBox* m_cmbSubCategory = nullptr;
    // Every control of the current grid; the view frees them when the grid goes.
    QList<QWidget*> m_gridControls;
    QStringList m_stems;
};

} // namespace korvex
