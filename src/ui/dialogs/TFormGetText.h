#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace korvex {

class TLanguage;

// A one-line text prompt. The caller sets the caption, the layout variant and the suggested
// text, shows it modally (through Dialogs) and reads text() afterwards: the entered text
// after OK, the empty text after Cancel or closing.
//
// Layout variants: 0 general text (wide), 1 a file or item name, 2 a short text such as a
// figure label. Any other value keeps the general layout.
class TFormGetText : public QDialog {
    Q_OBJECT

public:
    TFormGetText(const TLanguage& language, QWidget* parent = nullptr);

    void setLayoutVariant(int variant) { m_variant = variant; }
    int layoutVariant() const { return m_variant; }
    void setText(const QString& text) { m_text = text; }
    QString text() const { return m_text; }

    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void applyLayout();

    const TLanguage& m_language;
    QLineEdit* m_edit;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QString m_text;
    int m_variant = 0;
};

} // namespace korvex
