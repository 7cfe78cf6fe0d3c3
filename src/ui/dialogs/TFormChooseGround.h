#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace korvex {

class TGraphicPractise;
class TLanguage;
class TSettings;

// Chooses the ground of a practise: one of the selected rinks (Next / Previous, with a
// 225 x 140 preview made on first display when the rink has no thumbnail yet) or an own
// picture from a file. Done stores the choice in the practise and saves it at once.
class TFormChooseGround : public QDialog {
    Q_OBJECT

public:
    TFormChooseGround(TLanguage& language, TSettings& settings, TGraphicPractise& practise,
                      QWidget* parent = nullptr);

    void next();
    void previous();
    void fromFile();
    void done();

    int index() const { return m_index; }
    bool isCustom() const { return m_custom; }
    QString shownName() const;
    const QImage& preview() const { return m_preview; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString rinkFolder() const;
    void showRink(int index);
    void setPreview(const QImage& image);

    TLanguage& m_language;
    TSettings& m_settings;
    TGraphicPractise& m_practise;
    int m_index = 0;
    bool m_custom = false;
    QString m_customPath;
    QImage m_preview;
    QLabel* m_imgNewGround = nullptr;
    QLabel* m_lblPlayGroundName = nullptr;
};

// The "add rink picture" command of the Tools menu: a picture of an accepted size is
// copied into the rink folder under a name the user gives and added to the selected rinks.
void addGround(QWidget* parent, TLanguage& language, TSettings& settings);

} // namespace korvex
