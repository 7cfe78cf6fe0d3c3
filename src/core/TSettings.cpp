#include "core/TSettings.h"

#include "core/KeyValueLines.h"
#include "core/Paths.h"
#include "core/SafeSave.h"
#include "core/SettingsCipher.h"
#include "core/TextCodec.h"

#include <QDir>
#include <QFile>

namespace korvex {

namespace {

const QString kLanguage = QStringLiteral("Language");
const QString kFormSize = QStringLiteral("FormSize");
const QString kCountPlayers = QStringLiteral("CountPlayers");
const QString kIndexOfGroundLine = QStringLiteral("IndexOfGroundLine");

// Where a missing CountPlayers line goes: the third line, before the rink lines.
constexpr qsizetype kCountPlayersLine = 2;

// Far beyond any settings file; a larger Settings.def is not one.
constexpr qint64 kMaxSettingsBytes = 4 * 1024 * 1024;

// Reads and deciphers Settings.def into its lines, in memory only.
bool readSettingsDef(const QString& path, QStringList* lines, QString* error) {
    QFile file(path);
    if (!openForReading(&file, error))
        return false;
    if (file.size() > kMaxSettingsBytes) {
        *error = QStringLiteral("%1: cannot be deciphered: the file is larger than any "
                                "settings file (%2 bytes)")
                     .arg(QDir::toNativeSeparators(path))
                     .arg(file.size());
        return false;
    }
    RotatingKeyCipher cipher(QByteArray(kBuiltInSettingsKey), false, false);
    *lines = textLinesOf(decodeText(cipher.apply(file.readAll())));
    if (file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("%1: cannot be read: %2")
                     .arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}

// Enciphers `lines` in memory and writes them as Settings.def.
bool writeSettingsDef(const QString& path, const QStringList& lines, QString* error) {
    RotatingKeyCipher cipher(QByteArray(kBuiltInSettingsKey), false, false);
    return saveBytes(path, cipher.apply(textLinesBytes(lines)), error);
}

// The modes whose last selection (category, subcategory, item) is kept between runs, each
// under the key "Selection<mode>" as three comma-separated indices.
constexpr int kKeptSelectionModes[] = {1, 2, 4, 5, 7};

QString selectionKey(int mode) {
    return QStringLiteral("Selection%1").arg(mode);
}

// Three indices of at least 0; anything else in the file is read as the first entries.
std::array<int, 3> parseSelection(const QString& value) {
    std::array<int, 3> indices{};
    const QStringList parts = value.split(QLatin1Char(','));
    if (parts.size() != 3)
        return indices;
    for (int level = 0; level < 3; ++level) {
        bool ok = false;
        const int index = parts[level].trimmed().toInt(&ok);
        indices[size_t(level)] = ok && index >= 0 ? index : 0;
    }
    return indices;
}

bool validMode(int mode) {
    return mode >= 0 && mode <= 8;
}
bool validLevel(int level) {
    return level >= 0 && level <= 2;
}

} // namespace

TSettings::TSettings() {
    m_reload.fill(true);
}

TSettings::TSettings(const QString& appDir, const QString& baseName)
    : m_appDir(appDir), m_baseName(baseName) {
    m_reload.fill(true);
}

TSettings::~TSettings() {
    if (m_loaded && m_saveOnDestroy)
        Save();
}

QString TSettings::defPath() const {
    return joinPath(m_appDir, m_baseName + QStringLiteral(".def"));
}
QString TSettings::txtPath() const {
    return joinPath(m_appDir, m_baseName + QStringLiteral(".txt"));
}
QString TSettings::setPath() const {
    return joinPath(m_appDir, m_baseName + QStringLiteral(".set"));
}

void TSettings::removeSetFile() {
    QFile::remove(setPath());
}

bool TSettings::Load() {
    m_error.clear();
    // Settings.def is deciphered in memory; a deciphered copy that an older run left on
    // disk is removed.
    removeSetFile();
    m_loaded = load();
    return m_loaded;
}

bool TSettings::Save() {
    m_error.clear();
    return save();
}

bool TSettings::readInteger(const QString& text, const QString& key, const QString& file,
                            int* value) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok) {
        m_error = QStringLiteral("%1: the value \"%2\" of %3 is not a number")
                      .arg(QDir::toNativeSeparators(file), text, key);
        return false;
    }
    *value = number;
    return true;
}

bool TSettings::load() {
    const QString def = defPath();
    QStringList defLines;
    QStringList txtLines;
    if (!readSettingsDef(def, &defLines, &m_error) ||
        !loadTextLines(txtPath(), &txtLines, &m_error))
        return false;

    // Installation keys.
    const QString txt = txtPath();
    int version = 0;
    if (!readInteger(valueOfKey(txtLines, QStringLiteral("Version")), QStringLiteral("Version"),
                     txt, &version))
        return false;
    struct Folder {
        const char* key;
        QString* target;
    };
    const Folder folders[] = {
        {"GMSaveDir", &m_gmSaveDir},
        {"TXSaveDir", &m_txSaveDir},
        {"TPSaveDir", &m_tpSaveDir},
        {"DMSaveDir", &m_dmSaveDir},
        {"CPSaveDir", &m_cpSaveDir},
        {"DRSaveDir", &m_drSaveDir},
        {"TCSaveDir", &m_tcSaveDir},
        {"PlayerArchiveSaveDir", &m_playerArchiveSaveDir},
        {"PlayCourtSaveDir", &m_playCourtSaveDir},
        {"PhotosSaveDir", &m_photosSaveDir},
        {"LanguageOpenDir", &m_languageOpenDir},
        {"PictureOpenDir", &m_pictureOpenDir},
    };
    for (const Folder& folder : folders) {
        const QString key = QLatin1String(folder.key);
        const QString value = valueOfKey(txtLines, key);
        // Every data path is {app}/{folder}/...: an empty or escaping folder name would put
        // the data into {app} itself or outside it.
        if (isBlank(value) || !isSafeRelativePath(value)) {
            m_error = QStringLiteral("%1: the folder name \"%2\" of %3 is missing or not a "
                                     "folder inside the program folder")
                          .arg(QDir::toNativeSeparators(txt), value, key);
            return false;
        }
        *folder.target = storedToPath(value);
    }
    m_version = version;
    m_versionText = valueOfKey(txtLines, QStringLiteral("VersionText"));
    QDir(m_appDir).mkpath(m_photosSaveDir);

    // User settings.
    int index = 0;
    if (!readInteger(valueOfKey(defLines, kIndexOfGroundLine), kIndexOfGroundLine, def, &index))
        return false;
    if (index < 0 || index > defLines.size()) {
        m_error = QStringLiteral("%1: IndexOfGroundLine %2 lies outside the %3 lines of the file")
                      .arg(QDir::toNativeSeparators(def))
                      .arg(index)
                      .arg(defLines.size());
        return false;
    }
    if (indexOfKey(defLines, kCountPlayers, index) < 0) {
        defLines.insert(std::min<qsizetype>(kCountPlayersLine, index),
                        kCountPlayers + QStringLiteral("=1"));
        ++index;
    }
    m_language = valueOfKey(defLines, kLanguage, index);
    // The window starts at the size the coach chose last; anything but Small is Large.
    SetFormSize(valueOfKey(defLines, kFormSize, index).trimmed() == QLatin1String("0") ? 0 : 1);
    for (const int mode : kKeptSelectionModes)
        m_remembered[size_t(mode)] =
            parseSelection(valueOfKey(defLines, selectionKey(mode), index));
    const int count = valueOfKey(defLines, kCountPlayers, index).trimmed().toInt();
    m_countPlayers = count != 0;
    m_indexOfGroundLine = index;
    m_selectedRinks = defLines.mid(index);
    m_defLines = defLines;
    m_txtLines = txtLines;
    return true;
}

bool TSettings::save() {
    QStringList lines = m_defLines;
    qsizetype index = std::clamp<qsizetype>(m_indexOfGroundLine, 0, lines.size());
    // A key missing from the file goes before the rink lines, which move down by one.
    auto setKey = [&](const QString& key, const QString& value) {
        if (setValueOfKey(lines, key, value, index, index))
            ++index;
    };
    setKey(kLanguage, m_language);
    setKey(kFormSize, QString::number(m_formSize));
    setKey(kCountPlayers, m_countPlayers ? QStringLiteral("-1") : QStringLiteral("0"));
    // A selection still at the first entries needs no line of its own.
    for (const int mode : kKeptSelectionModes) {
        const auto& kept = m_remembered[size_t(mode)];
        if (kept != std::array<int, 3>{} || indexOfKey(lines, selectionKey(mode), index) >= 0)
            setKey(selectionKey(mode),
                   QStringLiteral("%1,%2,%3").arg(kept[0]).arg(kept[1]).arg(kept[2]));
    }
    if (indexOfKey(lines, kIndexOfGroundLine, index) < 0)
        setKey(kIndexOfGroundLine, QString());
    setKey(kIndexOfGroundLine, QString::number(index));
    lines = lines.mid(0, index) + m_selectedRinks;

    if (!saveTextLines(txtPath(), m_txtLines, &m_error))
        return false;
    if (!writeSettingsDef(defPath(), lines, &m_error))
        return false;
    m_defLines = lines;
    m_indexOfGroundLine = static_cast<int>(index);
    return true;
}

void TSettings::SetFormSize(int size) {
    m_formSize = static_cast<quint8>(size);
    if (size == 0) {
        m_windowWidth = 772;
        m_windowHeight = 656;
        m_rinkWidth = 450;
        m_rinkHeight = 280;
    } else if (size == 1) {
        m_windowWidth = 1024;
        m_windowHeight = 735;
        m_rinkWidth = 675;
        m_rinkHeight = 420;
    }
}

bool TSettings::reloadNeeded(ReloadList list) const {
    return list >= 0 && list < ReloadListCount ? m_reload[list] : true;
}

void TSettings::setReloadNeeded(ReloadList list, bool on) {
    if (list >= 0 && list < ReloadListCount)
        m_reload[list] = on;
}

void TSettings::setAllReloadNeeded(bool on) {
    m_reload.fill(on);
}

bool TSettings::planReloadNeeded() const {
    if (m_planSelector == Plans)
        return m_reload[TrainingPlanList];
    if (m_planSelector == Archive)
        return m_reload[TrainingArchiveList];
    return true;
}

void TSettings::setPlanReloadNeeded(bool on) {
    if (m_planSelector == Plans)
        m_reload[TrainingPlanList] = on;
    else if (m_planSelector == Archive)
        m_reload[TrainingArchiveList] = on;
}

int TSettings::rememberedIndex(int mode, int level, int fallback) const {
    if (!validMode(mode) || !validLevel(level) || mode == 3 || mode == 6)
        return fallback;
    return m_remembered[mode][level];
}

void TSettings::setRememberedIndex(int mode, int level, int index) {
    if (validMode(mode) && validLevel(level) && mode != 3 && mode != 6)
        m_remembered[mode][level] = index;
}

int TSettings::TPTeamIndex(int fallback) const {
    return m_planSelector <= Archive ? m_planRemembered[m_planSelector][0] : fallback;
}

void TSettings::setTPTeamIndex(int index) {
    if (m_planSelector <= Archive)
        m_planRemembered[m_planSelector][0] = index;
}

int TSettings::TPPlanIndex(int fallback) const {
    return m_planSelector <= Archive ? m_planRemembered[m_planSelector][1] : fallback;
}

void TSettings::setTPPlanIndex(int index) {
    if (m_planSelector <= Archive)
        m_planRemembered[m_planSelector][1] = index;
}

} // namespace korvex
