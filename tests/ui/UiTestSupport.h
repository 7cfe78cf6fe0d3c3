#pragma once

#include "ui/TFormKorvex.h"

#include <QAction>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

#include <gtest/gtest.h>

namespace korvex::test {

// A private copy of the runtime tree ({app} = build/bin) in a temporary folder, so a test
// can start the real window, change its files and close it without touching the build.
class AppCopy {
public:
    AppCopy();
    bool isValid() const { return m_valid; }
    QString path() const { return m_dir.path(); }
    QString file(const QString& relative) const;

    // Replaces Settings.def with `lines`, enciphered as the program ships it.
    bool writeSettingsDef(const QStringList& lines) const;
    // The deciphered lines of Settings.def.
    QStringList readSettingsDef() const;
    bool writeText(const QString& relative, const QString& text) const;

private:
    QTemporaryDir m_dir;
    bool m_valid = false;
};

// The standard user settings of a test: English, large, two rinks selected.
QStringList defaultSettingsDef(const QString& language = QStringLiteral("English"));

// Starts the real main window on `app` and shows it (off screen), active for shortcuts.
std::unique_ptr<TFormKorvex> startWindow(const AppCopy& app);

// A fixture with the main window started on a fresh installation copy with the standard
// user settings.
class StartedWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(app.isValid());
        ASSERT_TRUE(app.writeSettingsDef(defaultSettingsDef()));
        window = startWindow(app);
        ASSERT_NE(window, nullptr);
    }
    // A menu command of the window by its object name.
    QAction* item(const char* name) const {
        return window->findChild<QAction*>(QLatin1String(name));
    }

    AppCopy app;
    std::unique_ptr<TFormKorvex> window;
};

} // namespace korvex::test
