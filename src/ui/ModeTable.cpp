#include "ui/ModeTable.h"

#include "ui/LanguageKeys.h"
#include "ui/cards/TfrmCardsMode.h"
#include "ui/diary/TfrmDiaryMode.h"
#include "ui/explorer/TfrmExplorerMode.h"
#include "ui/graphic/TfrmGraphicMode.h"
#include "ui/plans/TfrmTrainingPlanMode.h"
#include "ui/tactics/TfrmTacticsMode.h"
#include "ui/text/TfrmTextMode.h"

#include <algorithm>
#include <array>

namespace korvex {

namespace {

template <typename View>
TModeView* make(TLanguage& language, TSettings& settings, QWidget* client) {
    return new View(language, settings, client);
}

TModeView* makePlans(TLanguage& language, TSettings& settings, QWidget* client) {
    return new TfrmTrainingPlanMode(language, settings, 0, client);
}

TModeView* makeArchive(TLanguage& language, TSettings& settings, QWidget* client) {
    return new TfrmTrainingPlanMode(language, settings, 1, client);
}

const std::array<ModeDescriptor, 8>& table() {
    static const std::array<ModeDescriptor, 8> modes = {{
        {Mode::Graphic, ViewSlot::Graphic, ItemKind::GraphicPractise, "mmGPMode", "mmGraphicMode",
         "spbGraphicMode", "mode_graphic20x20.bmp", Qt::CTRL | Qt::Key_Q, LK("mmGraphicMode"),
         LK("spbGPMode"), "mmGMNew", "mmGMPlaceToTP", "mmGMPrint", true, true,
         &make<TfrmGraphicMode>},
        {Mode::Text, ViewSlot::Text, ItemKind::TextPractise, "mmTXMode", "mmTextMode",
         "spbTextMode", "mode_text20x20.bmp", Qt::CTRL | Qt::Key_W, LK("mmTextMode"),
         LK("spbTXMode"), "mmTXNew", "mmTXPlaceToTP", "mmTXPrint", true, true, &make<TfrmTextMode>},
        {Mode::Plans, ViewSlot::Plans, ItemKind::TrainingPlan, "mmTPMode", "mmTrainingPlanMode",
         "spbTrainingMode", "mode_training20x20.bmp", Qt::CTRL | Qt::Key_E,
         LK("mmTrainingPlanMode"), LK("spbTPMode"), "mmTPNew", "mmTPPlace", "mmTPPrint", true, true,
         &makePlans},
        {Mode::Archive, ViewSlot::Plans, ItemKind::ArchivedPlan, "mmTPMode",
         "mmTrainingArchiveMode", "spbTrainingArchiveMode", "mode_archive20x20.bmp",
         Qt::CTRL | Qt::Key_Y, LK("mmTrainingArchiveMode"), LK("spbTPAMode"), "mmTUNew",
         "mmTUPlace", "mmTUPrint", false, true, &makeArchive},
        {Mode::Diary, ViewSlot::Diary, ItemKind::Diary, "mmDRMode", "mmDiaryMode", "spbDiary",
         "mode_diary20x20.bmp", Qt::CTRL | Qt::Key_R, LK("mmDiaryMode"), LK("spbDRMode"), nullptr,
         nullptr, "mmDRPrint", true, false, &make<TfrmDiaryMode>},
        {Mode::Cards, ViewSlot::Cards, ItemKind::PlayerCards, "mmPCMode", "mmPlayerCardsMode",
         "spbPlayerCards", "mode_cards20x20.bmp", Qt::CTRL | Qt::Key_T, LK("mmPlayerCardsMode"),
         LK("spbPCMode"), nullptr, nullptr, "mmPCPrint", true, false, &make<TfrmCardsMode>},
        {Mode::Explorer, ViewSlot::Explorer, ItemKind::GraphicPractise, "mmEXMode",
         "mmExplorerMode", "spbExplorerMode", "mode_explorer20x20.bmp", Qt::CTRL | Qt::Key_U,
         LK("spbEXMode"), LK("spbEXMode"), nullptr, nullptr, nullptr, true, false,
         &make<TfrmExplorerMode>},
        {Mode::Tactics, ViewSlot::Tactics, ItemKind::TacticsPractise, "acticspractise1",
         "mmTacticsMode", "spbTacticsMode", "mode_tactics20x20.bmp", Qt::CTRL | Qt::Key_I,
         LK("mmTacticsMode"), LK("spbTCMode"), nullptr, nullptr, nullptr, true, false,
         &make<TfrmTacticsMode>},
    }};
    return modes;
}

} // namespace

std::span<const ModeDescriptor> modeTable() {
    return table();
}

const ModeDescriptor* findMode(int mode) {
    const auto& modes = table();
    const auto row = std::find_if(modes.begin(), modes.end(), [mode](const ModeDescriptor& d) {
        return static_cast<int>(d.mode) == mode;
    });
    return row == modes.end() ? nullptr : &*row;
}

Mode modeForKind(ItemKind kind) {
    const auto& modes = table();
    const auto row = std::find_if(modes.begin(), modes.end(),
                                  [kind](const ModeDescriptor& d) { return d.kind == kind; });
    return row == modes.end() ? Mode::Plans : row->mode;
}

} // namespace korvex
