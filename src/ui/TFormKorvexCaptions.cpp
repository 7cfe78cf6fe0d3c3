// Language texts on the main window: menu captions, tool-button hints, window caption.
#include "ui/TFormKorvex.h"

#include "core/TLanguage.h"
#include "ui/LanguageKeys.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace korvex {

namespace {

// Items captioned by the text of the key that equals their own name.
const QStringList& ownNameItems() {
    static const QStringList items = {
        LK("mmFile"),
        LK("mmTools"),
        LK("mmView"),
        LK("mmEdit"),
        LK("mmFind"),
        LK("mmTPSeasonSummary"),
        LK("mmSaveBackUp"),
        LK("mmLoadBackUp"),
        LK("mmSaveBUAll"),
        LK("mmExit"),
        LK("mmHelp"),
        LK("mmHelpContent"),
        LK("mmHelpAbout"),
        LK("mmHelpHomePage"),
        LK("mmUndo"),
        LK("mmSettings"),
        LK("mmTAExportAnimation"),
        LK("mmTADeleteFrame"),
        LK("mmGMNew"),
        LK("mmGMChangeViewMode"),
        LK("mmGMPlaceToTP"),
        LK("mmGMExport"),
        LK("mmGMImport"),
        LK("mmGMAddGround"),
        LK("mmGMDeleteObject"),
        LK("mmEditUndo"),
        LK("mmEditRedo"),
        LK("mmEditCopy"),
        LK("mmEditPaste"),
        LK("mmEditDuplicate"),
        LK("mmEditDelete"),
        LK("mmEditMirrorLeftRight"),
        LK("mmEditMirrorTopBottom"),
        LK("mmGMExportToHTML"),
        LK("mmGMExportToZip"),
        LK("mmGMChangePlayground"),
        LK("mmTXNew"),
        LK("mmTXBackUp"),
        LK("mmTXBackUpAll"),
        LK("mmTXBackUpCategory"),
        LK("mmTXBackUpSubCategory"),
        LK("mmTXLoadBackUp"),
        LK("mmTPNew"),
        LK("mmTPPlace"),
        LK("mmTPCreateArchive"),
        LK("mmTUPlace"),
        LK("mmTUPlaceTP"),
        LK("mmTPPrint"),
        LK("mmTPBasicPrint"),
        LK("mmTPAdvancedPrint"),
        LK("mmGMPrintPreview"),
        LK("mmTPPrintPreview"),
        LK("mmDRNewTeam"),
        LK("mmDRDeleteTeam"),
        LK("mmDRRenameTeam"),
        LK("mmDRNewRecord"),
        LK("mmDRDeleteRecord"),
        LK("mmDRPrintTeam"),
        LK("mmPCNewTeam"),
        LK("mmPCDeleteTeam"),
        LK("mmPCNewRecord"),
        LK("mmPCDeleteRecord"),
        LK("mmPCRenameTeam"),
        LK("mmPCPrintPlayer"),
        LK("mmPCPrintPlayerList"),
        LK("mmPCPrintPhoneList"),
        LK("mmPCEArchive"),
        LK("mmPCExportPlayerAsFile"),
        LK("mmPCImportPlayerFromFile"),
        LK("mmPCImportCsv"),
        LK("mmPCExportCsv"),
        LK("mmGMCustomField"),
        LK("mmGMCustomFieldFit"),
        LK("mmGMCustomFieldFill"),
        LK("mmGMCustomFieldCenter"),
        LK("mmGMCustomFieldDelete"),
        LK("mmGMCustomFieldChange"),
    };
    return items;
}

struct SharedCaption {
    QString key;
    QStringList items;
};

// Items that share the text of another key.
const QList<SharedCaption>& sharedCaptions() {
    static const QList<SharedCaption> captions = {
        {LK("mmFile"),
         {QStringLiteral("mmGPMode"), QStringLiteral("mmTXMode"), QStringLiteral("mmTPMode"),
          QStringLiteral("mmDRMode"), QStringLiteral("mmPCMode"), QStringLiteral("mmTUMode"),
          QStringLiteral("mmEXMode"), QStringLiteral("acticspractise1")}},
        {LK("mmTPPrint"),
         {QStringLiteral("mmPrint"), QStringLiteral("mmGMPrint"), QStringLiteral("mmTXPrint"),
          QStringLiteral("mmDRPrint"), QStringLiteral("mmPCPrint"), QStringLiteral("mmTUPrint")}},
        {LK("mmExit"),
         {QStringLiteral("mmGMExit"), QStringLiteral("mmTXExit"), QStringLiteral("mmTPExit"),
          QStringLiteral("mmDRExit"), QStringLiteral("mmPCExit"), QStringLiteral("mmTUExit"),
          QStringLiteral("mmEXExit"), QStringLiteral("mmTAExit")}},
        {LK("mmSaveBUAll"), {QStringLiteral("mmLoadBUAll")}},
        {LK("mmGPMode"), {QStringLiteral("mmSaveBUGM"), QStringLiteral("mmLoadBUGM")}},
        {LK("mmTXMode"), {QStringLiteral("mmSaveBUTX"), QStringLiteral("mmLoadBUTX")}},
        {LK("mmTPMode"), {QStringLiteral("mmSaveBUTP"), QStringLiteral("mmLoadBUTP")}},
        {LK("mmDRMode"), {QStringLiteral("mmSaveBUDR"), QStringLiteral("mmLoadBUDR")}},
        {LK("mmPCMode"), {QStringLiteral("mmSaveBUPC"), QStringLiteral("mmLoadBUPC")}},
        {LK("mmTPAMode"), {QStringLiteral("mmSaveBUTPA"), QStringLiteral("mmLoadBUTPA")}},
        {LK("mmGNExportPicture"), {QStringLiteral("mmGmExportPicture")}},
        {LK("mmGMPrintPreview"),
         {QStringLiteral("mmTXPrintPreview"), QStringLiteral("mmTUPrintPreview"),
          QStringLiteral("mmDRPrintPreview"), QStringLiteral("mmPCPrintPreview")}},
        {LK("mmGMChangeViewMode"), {QStringLiteral("mmTXChangeViewMode")}},
        {LK("mmGMPlaceToTP"), {QStringLiteral("mmTXPlaceToTP")}},
        {LK("mmGMExport"), {QStringLiteral("mmTXExport")}},
        {LK("mmGMImport"), {QStringLiteral("mmTXImport")}},
        {LK("mmGMExportToHTML"),
         {QStringLiteral("mmTXExportToHTML"), QStringLiteral("mmTPExportToHTML"),
          QStringLiteral("mmTUExportToHTML")}},
        {LK("mmTPNew"), {QStringLiteral("mmTUNew")}},
        {LK("mmGMNew"), {QStringLiteral("mmTANew")}},
        {LK("mmShare"),
         {QStringLiteral("mmGMShare"), QStringLiteral("mmTXShare"), QStringLiteral("mmTPShare"),
          QStringLiteral("mmTAShare")}},
        {LK("mmPCPrintPlayer"), {QStringLiteral("mmPCPreviewPlayer")}},
        {LK("mmPCPrintPlayerList"), {QStringLiteral("mmPCPreviewPlayerList")}},
        {LK("mmPCPrintPhoneList"), {QStringLiteral("mmPCPreviewPhoneList")}},
        {LK("mmDRRenameTeam"), {QStringLiteral("mmTPRenameArchiveTeam")}},
        {LK("mmDRDeleteTeam"), {QStringLiteral("mmTPDeleteArchiveTeam")}},
        {LK("DeleteNumber"), {QStringLiteral("mmTPDeleteArchive")}},
        {LK("RenameNumber"), {QStringLiteral("mmTPRenameArchive")}},
        {LK("mmTPBasicPrint"),
         {QStringLiteral("mmTPExportToHTMLBasic"), QStringLiteral("mmTPBasicPrintPreview")}},
        {LK("mmTPAdvancedPrint"),
         {QStringLiteral("mmTPExportToHTMLAdvanced"), QStringLiteral("mmTPAdvancedPrintPreview")}},
    };
    return captions;
}

} // namespace

void TFormKorvex::captionItem(const QString& itemName, const QString& key) {
    // Menus carry their name on the menu and on its action; the action's text is the title.
    if (QAction* item = action(itemName))
        item->setText(m_language->Text(key));
}

void TFormKorvex::ApplyCaptions() {
    for (const QString& item : ownNameItems())
        captionItem(item, item);
    for (const SharedCaption& caption : sharedCaptions()) {
        for (const QString& item : caption.items)
            captionItem(item, caption.key);
    }
    for (const ModeDescriptor& row : modeTable()) {
        captionItem(QString::fromLatin1(row.viewItem), row.viewItemKey);
        if (QToolButton* tool = toolButton(QString::fromLatin1(row.toolButton)))
            tool->setToolTip(m_language->Text(row.captionKey));
    }
    if (QToolButton* tool = toolButton(QStringLiteral("spbNewChange")))
        tool->setToolTip(m_language->Text(LK("spbNewChange")));
    setWindowCaption(currentMode());
    updateEditSwitch();
    if (TModeView* view = currentView())
        view->applyCaptions();
    // The explorer view lives on below other modes; it takes a new language as well.
    if (TModeView* explorer = explorerView(); explorer != nullptr && explorer != currentView())
        explorer->applyCaptions();
}

void TFormKorvex::setWindowCaption(int mode) {
    if (const ModeDescriptor* row = findMode(mode))
        setWindowTitle(QStringLiteral("Korvex - ") + m_language->Text(row->captionKey));
}

} // namespace korvex
