#include "ui/dialogs/TFormEditPractises.h"

#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TPractiseObject.h"
#include "core/TSettings.h"
#include "storage/ItemNames.h"
#include "storage/TGraphicPractise.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/dialogs/TFormChooseGround.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace korvex {

TFormEditPractises::TFormEditPractises(TLanguage& language, TSettings& settings,
                                       TPractiseObject& item, int mode, QWidget* parent)
    : QDialog(parent), m_language(language), m_settings(settings), m_item(item), m_mode(mode) {
    setObjectName(QStringLiteral("FormEditPractises"));
    createControls();
    applyCaptions();
    if (categoryFixed()) {
        // The fixed folder is chosen already and is not the coach's to change: its column
        // is left out, and what remains reads as the plan view's own lists.
        for (const char* name : {"lblCategoryList", "lbxCategoryList", "edtNewCategory",
                                 "btnCategoryNew", "btnCategoryRename", "btnCategoryDelete",
                                 "cmbCategoryS", "cmbCategoryP"}) {
            QWidget* control = findChild<QWidget*>(QLatin1String(name));
            control->setEnabled(false);
            control->hide();
        }
    }
    refillAll();
}

QListWidget* TFormEditPractises::addList(const char* name) {
    auto* list = new QListWidget(this);
    list->setObjectName(QString::fromLatin1(name));
    return list;
}

QLineEdit* TFormEditPractises::addEdit(const char* name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QPushButton* TFormEditPractises::addButton(const char* name, int tag) {
    auto* button = new QPushButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setProperty("Tag", tag);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, &TFormEditPractises::onButton);
    return button;
}

void TFormEditPractises::createControls() {
    m_pclNew = new QTabWidget(this);
    m_pclNew->setObjectName(QStringLiteral("pclNew"));

    // First page: the three levels side by side.
    auto* first = new QWidget;
    first->setObjectName(QStringLiteral("shtEditAll"));
    auto* grid = new QGridLayout(first);
    m_lbxCategory = addList("lbxCategoryList");
    m_edtCategory = addEdit("edtNewCategory");
    m_first.subList = addList("lbxSubCategoryList");
    m_first.subEdit = addEdit("edtNewSubCategory");
    m_first.practiseList = addList("lbxPractiseList");
    m_first.practiseEdit = addEdit("edtNewPractise");
    const struct {
        const char* label;
        QListWidget* list;
        QLineEdit* edit;
        const char* buttons[4];
        int tags[4];
    } columns[] = {
        {"lblCategoryList",
         m_lbxCategory,
         m_edtCategory,
         {"btnCategoryNew", "btnCategoryRename", "btnCategoryDelete", nullptr},
         {1, 2, 3, 0}},
        {"lblSubCategoryList",
         m_first.subList,
         m_first.subEdit,
         {"btnSubCategoryNew", "btnSubCategoryRename", "btnSubCategoryDelete", nullptr},
         {4, 5, 6, 0}},
        {"lblPractiseList",
         m_first.practiseList,
         m_first.practiseEdit,
         {"btnPractiseNew", "btnPractiseRename", "btnPractiseDelete", "btnPractiseCopy"},
         {7, 8, 9, 20}},
    };
    int column = 0;
    for (const auto& c : columns) {
        auto* label = new QLabel(first);
        label->setObjectName(QString::fromLatin1(c.label));
        grid->addWidget(label, 0, column);
        grid->addWidget(c.list, 1, column);
        grid->addWidget(c.edit, 2, column);
        auto* row = new QHBoxLayout;
        for (int i = 0; i < 4 && c.buttons[i] != nullptr; ++i)
            row->addWidget(addButton(c.buttons[i], c.tags[i]));
        grid->addLayout(row, 3, column);
        ++column;
    }
    m_pclNew->addTab(first, QString());

    // Second page: quick entry of subcategories and practises.
    auto* second = new QWidget;
    second->setObjectName(QStringLiteral("shtNew"));
    auto* grid2 = new QGridLayout(second);
    m_cmbCategoryS = new QComboBox(second);
    m_cmbCategoryS->setObjectName(QStringLiteral("cmbCategoryS"));
    m_cmbCategoryP = new QComboBox(second);
    m_cmbCategoryP->setObjectName(QStringLiteral("cmbCategoryP"));
    m_cmbSubCategory = new QComboBox(second);
    m_cmbSubCategory->setObjectName(QStringLiteral("cmbSubCategory"));
    m_second.subList = addList("lbxSubCategoryList2");
    m_second.subEdit = addEdit("edtNewSubCategory2");
    m_second.practiseList = addList("lbxPractiseList2");
    m_second.practiseEdit = addEdit("edtNewPractise2");
    auto* lblSub2 = new QLabel(second);
    lblSub2->setObjectName(QStringLiteral("lblTPANewTeam"));
    grid2->addWidget(lblSub2, 0, 0);
    auto* lblPractise2 = new QLabel(second);
    lblPractise2->setObjectName(QStringLiteral("lblPractiseList2"));
    grid2->addWidget(lblPractise2, 0, 1);
    grid2->addWidget(m_cmbCategoryS, 1, 0);
    grid2->addWidget(m_second.subList, 3, 0);
    grid2->addWidget(m_second.subEdit, 4, 0);
    grid2->addWidget(addButton("btnSubCategoryNew2", 14), 5, 0);
    grid2->addWidget(m_cmbCategoryP, 1, 1);
    grid2->addWidget(m_cmbSubCategory, 2, 1);
    grid2->addWidget(m_second.practiseList, 3, 1);
    grid2->addWidget(m_second.practiseEdit, 4, 1);
    grid2->addWidget(addButton("btnPractiseNew2", 17), 5, 1);
    m_pclNew->addTab(second, QString());

    auto* done = new QPushButton(this);
    done->setObjectName(QStringLiteral("btnEPDone"));
    done->setDefault(true);
    connect(done, &QPushButton::clicked, this, &TFormEditPractises::done);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pclNew);
    layout->addWidget(done, 0, Qt::AlignRight);
    resize(760, 420);

    connect(m_lbxCategory, &QListWidget::currentRowChanged, this,
            [this] { onListClicked(TreeLevel::Category, false); });
    for (bool secondSet : {false, true}) {
        connect(set(secondSet).subList, &QListWidget::currentRowChanged, this,
                [this, secondSet] { onListClicked(TreeLevel::Subcategory, secondSet); });
        connect(set(secondSet).practiseList, &QListWidget::currentRowChanged, this,
                [this, secondSet] { onListClicked(TreeLevel::Practise, secondSet); });
        connect(set(secondSet).subEdit, &QLineEdit::returnPressed, this,
                [this, secondSet] { newSubcategory(secondSet); });
        connect(set(secondSet).practiseEdit, &QLineEdit::returnPressed, this,
                [this, secondSet] { newPractise(secondSet); });
    }
    connect(m_edtCategory, &QLineEdit::returnPressed, this, &TFormEditPractises::newCategory);
    auto chooseCategory = [this](QComboBox* combo) {
        if (m_filling)
            return;
        m_item.setCategory(combo->currentText());
        m_item.setSubcategory(QString());
        refill(TreeLevel::Category);
        refill(TreeLevel::Subcategory);
        refill(TreeLevel::Practise);
    };
    connect(m_cmbCategoryS, &QComboBox::activated, this,
            [this, chooseCategory] { chooseCategory(m_cmbCategoryS); });
    connect(m_cmbCategoryP, &QComboBox::activated, this,
            [this, chooseCategory] { chooseCategory(m_cmbCategoryP); });
    connect(m_cmbSubCategory, &QComboBox::activated, this, [this] {
        m_item.setSubcategory(m_cmbSubCategory->currentText());
        refill(TreeLevel::Subcategory);
        refill(TreeLevel::Practise);
    });
    connect(m_pclNew, &QTabWidget::currentChanged, this, &TFormEditPractises::refillAll);
}

void TFormEditPractises::applyCaptions() {
    const TLanguage& l = m_language;
    const bool archive = m_mode == 6;
    const bool plans = m_mode == 3;
    // The two lower levels are teams and numbers in the archive, categories and plans in
    // the plans.
    const QString itemList = archive ? LK("shtTPANumber")
                             : plans ? LK("lblPlanList")
                                     : LK("lblPractiseList");
    const QString subList = plans ? LK("lblCategoryList") : LK("lblSubCategoryList");
    const struct {
        const char* name;
        QString key;
    } captions[] = {
        {"lblCategoryList", LK("lblCategoryList")},
        {"lblSubCategoryList", archive ? LK("shtTPATeam") : subList},
        {"lblPractiseList", itemList},
        {"lblPractiseList2", itemList},
        {"lblTPANewTeam", archive ? LK("lblTPANewTeam") : subList},
        {"btnCategoryNew", LK("btnCategoryNew")},
        {"btnSubCategoryNew", LK("btnCategoryNew")},
        {"btnPractiseNew", LK("btnCategoryNew")},
        {"btnSubCategoryNew2", LK("btnCategoryNew")},
        {"btnPractiseNew2", LK("btnCategoryNew")},
        {"btnCategoryRename", LK("btnCategoryRename")},
        {"btnSubCategoryRename", LK("btnCategoryRename")},
        {"btnPractiseRename", LK("btnCategoryRename")},
        {"btnCategoryDelete", LK("btnCategoryDelete")},
        {"btnSubCategoryDelete", LK("btnCategoryDelete")},
        {"btnPractiseDelete", LK("btnCategoryDelete")},
        {"btnPractiseCopy", LK("btnPractiseCopy")},
        {"btnEPDone", LK("btnEPDone")},
    };
    for (const auto& c : captions) {
        QWidget* widget = findChild<QWidget*>(QString::fromLatin1(c.name));
        if (auto* label = qobject_cast<QLabel*>(widget))
            label->setText(l.Text(c.key));
        else if (auto* button = qobject_cast<QPushButton*>(widget))
            button->setText(l.Text(c.key));
    }
    m_pclNew->setTabText(0, plans ? l.Text(LK("shtEditPlans")) : l.Text(LK("shtEditAll")));
    m_pclNew->setTabText(1, archive ? l.Text(LK("shtTPATeam")) + QStringLiteral(" / ") +
                                          l.Text(LK("shtTPANumber"))
                                    : l.Text(LK("shtNew")));
}

void TFormEditPractises::showEvent(QShowEvent* event) {
    refillAll();
    QDialog::showEvent(event);
}

QStringList TFormEditPractises::listOf(TreeLevel level) {
    QStringList list;
    switch (level) {
    case TreeLevel::Category:
        if (!categoryFixed())
            m_item.ListCategories(list, false);
        else if (!m_item.category().isEmpty())
            list.append(m_item.category());
        break;
    case TreeLevel::Subcategory:
        if (!m_item.category().isEmpty())
            m_item.ListSubcategories(list, false);
        break;
    case TreeLevel::Practise:
        if (!m_item.category().isEmpty() && !m_item.subcategory().isEmpty())
            m_item.ListNames(list, false);
        break;
    }
    return list;
}

QListWidget* TFormEditPractises::listWidget(TreeLevel level, bool second) const {
    switch (level) {
    case TreeLevel::Category:
        return m_lbxCategory;
    case TreeLevel::Subcategory:
        return set(second).subList;
    case TreeLevel::Practise:
        break;
    }
    return set(second).practiseList;
}

void TFormEditPractises::refill(TreeLevel level) {
    const bool filling = m_filling;
    m_filling = true;
    const QStringList list = listOf(level);
    const QString current = m_item.levelValue(int(level));
    for (bool second : {false, true}) {
        QListWidget* widget = listWidget(level, second);
        if (level == TreeLevel::Category && second)
            continue;
        widget->clear();
        widget->addItems(list);
        widget->setCurrentRow(int(list.indexOf(current)));
    }
    auto fillCombo = [&](QComboBox* combo) {
        combo->clear();
        combo->addItems(list);
        combo->setCurrentIndex(int(list.indexOf(current)));
    };
    if (level == TreeLevel::Category) {
        fillCombo(m_cmbCategoryS);
        fillCombo(m_cmbCategoryP);
    } else if (level == TreeLevel::Subcategory) {
        fillCombo(m_cmbSubCategory);
    }
    m_filling = filling;
}

void TFormEditPractises::refillAll() {
    refill(TreeLevel::Category);
    refill(TreeLevel::Subcategory);
    refill(TreeLevel::Practise);
}

void TFormEditPractises::onListClicked(TreeLevel level, bool second) {
    if (m_filling)
        return;
    QListWidget* widget = listWidget(level, second);
    const QString text = widget->currentItem() ? widget->currentItem()->text() : QString();
    switch (level) {
    case TreeLevel::Category:
        m_item.setCategory(text);
        m_item.setSubcategory(QString());
        refill(TreeLevel::Subcategory);
        refill(TreeLevel::Practise);
        break;
    case TreeLevel::Subcategory:
        m_item.setSubcategory(text);
        m_item.setName(QString());
        refill(TreeLevel::Subcategory);
        refill(TreeLevel::Practise);
        break;
    case TreeLevel::Practise:
        m_item.setName(text);
        refill(TreeLevel::Practise);
        break;
    }
}

void TFormEditPractises::information(const QString& key) {
    dialogs().information(this, m_language.Text(key));
}

void TFormEditPractises::reportFailure(const QString& name) {
    QString text = m_language.Text(LK("EditFailed")) + QLatin1Char(' ') + name;
    const QString reason = m_item.errorString();
    if (!reason.isEmpty())
        text += QLatin1Char('\n') + reason;
    dialogs().information(this, text);
}

int TFormEditPractises::maxNameBytes(TreeLevel level) const {
    ItemKind kind;
    if (level == TreeLevel::Practise && itemKindForExtension(m_item.extension(), &kind))
        return maxItemNameBytes(kind);
    return kMaxFileNameBytes;
}

bool TFormEditPractises::confirmReferences() {
    // Training plans refer to practises by path; renaming or deleting a folder breaks them.
    if (m_mode != 1 && m_mode != 2)
        return true;
    return dialogs().confirm(this, referenceWarning(m_language));
}

void TFormEditPractises::onButton() {
    const int tag = sender()->property("Tag").toInt();
    switch (tag) {
    case 1:
        newCategory();
        break;
    case 2:
        renameLevel(TreeLevel::Category);
        break;
    case 3:
        deleteLevel(TreeLevel::Category);
        break;
    case 4:
    case 14:
        newSubcategory(tag > 9);
        break;
    case 5:
        renameLevel(TreeLevel::Subcategory);
        break;
    case 6:
        deleteLevel(TreeLevel::Subcategory);
        break;
    case 7:
    case 17:
        newPractise(tag > 9);
        break;
    case 8:
        renameLevel(TreeLevel::Practise);
        break;
    case 9:
        deleteLevel(TreeLevel::Practise);
        break;
    case 20:
        copyPractise();
        break;
    default:
        break;
    }
}

void TFormEditPractises::newCategory() {
    if (categoryFixed())
        return;
    const QString name = m_edtCategory->text();
    const QString refusal = newNameRefusal(TreeLevel::Category, name, listOf(TreeLevel::Category),
                                           maxNameBytes(TreeLevel::Category));
    if (!refusal.isEmpty()) {
        information(refusal);
        return;
    }
    if (!m_item.CreateCategory(name)) {
        reportFailure(name);
        return; // the name stays in the field
    }
    m_item.setCategory(name);
    m_item.setSubcategory(QString());
    refillAll();
    m_edtCategory->clear();
    m_edtCategory->setFocus();
}

void TFormEditPractises::newSubcategory(bool second) {
    if (m_item.category().isEmpty())
        return;
    QLineEdit* edit = set(second).subEdit;
    const QString name = edit->text();
    const QString refusal =
        newNameRefusal(TreeLevel::Subcategory, name, listOf(TreeLevel::Subcategory),
                       maxNameBytes(TreeLevel::Subcategory));
    if (!refusal.isEmpty()) {
        information(refusal);
        return;
    }
    if (!m_item.CreateSubcategory(name)) {
        reportFailure(name);
        return;
    }
    m_item.setSubcategory(name);
    m_item.setName(QString());
    refill(TreeLevel::Subcategory);
    refill(TreeLevel::Practise);
    edit->clear();
    edit->setFocus();
}

void TFormEditPractises::newPractise(bool second) {
    if (m_item.category().isEmpty() || m_item.subcategory().isEmpty())
        return;
    QLineEdit* edit = set(second).practiseEdit;
    const QString name = edit->text();
    const QString refusal = newNameRefusal(TreeLevel::Practise, name, listOf(TreeLevel::Practise),
                                           maxNameBytes(TreeLevel::Practise));
    if (!refusal.isEmpty()) {
        information(refusal);
        return;
    }
    m_item.Clear();
    if (!m_item.CreateItem(name, m_settings.Version())) {
        reportFailure(name);
        refill(TreeLevel::Practise);
        return;
    }
    refill(TreeLevel::Practise);
    edit->clear();
    auto* graphic = dynamic_cast<TGraphicPractise*>(&m_item);
    if (m_mode == 1 && graphic != nullptr) {
        TFormChooseGround chooser(m_language, m_settings, *graphic, this);
        const int result = dialogs().exec(&chooser);
        if (result != QDialog::Accepted && !second) {
            m_item.DeleteCurrent();
            m_item.setName(QString());
            refill(TreeLevel::Practise);
        }
    }
}

void TFormEditPractises::renameLevel(TreeLevel level) {
    const QString current = m_item.levelValue(int(level));
    if (current.isEmpty() || (level == TreeLevel::Category && categoryFixed()))
        return;
    if (level != TreeLevel::Practise && !confirmReferences())
        return;
    const QString name = dialogs().getText(this, m_language, m_language.Text(LK("FormGetText")),
                                           TextPromptLayout::Name, current);
    if (name.isEmpty() || name == current)
        return;
    QStringList others = listOf(level);
    others.removeAll(current);
    const QString refusal = newNameRefusal(level, name, others, maxNameBytes(level));
    if (!refusal.isEmpty()) {
        information(refusal);
        return;
    }
    bool ok = false;
    switch (level) {
    case TreeLevel::Category:
        ok = m_item.RenameCategory(name);
        break;
    case TreeLevel::Subcategory:
        ok = m_item.RenameSubcategory(name);
        break;
    case TreeLevel::Practise:
        ok = m_item.RenameCurrent(name);
        break;
    }
    refillAll();
    if (!ok)
        reportFailure(current);
}

void TFormEditPractises::deleteLevel(TreeLevel level) {
    const QString name = m_item.levelValue(int(level));
    if (name.isEmpty() || (level == TreeLevel::Category && categoryFixed()))
        return;
    if (level != TreeLevel::Practise && !confirmReferences())
        return;
    const int index = int(listOf(level).indexOf(name));
    bool hasContent = false;
    if (level == TreeLevel::Category)
        hasContent = !listOf(TreeLevel::Subcategory).isEmpty();
    else if (level == TreeLevel::Subcategory)
        hasContent = !listOf(TreeLevel::Practise).isEmpty();
    if (!dialogs().confirm(this, deleteQuestion(m_language, name, level, hasContent)))
        return;
    bool ok = false;
    switch (level) {
    case TreeLevel::Category:
        ok = m_item.DeleteCategory();
        break;
    case TreeLevel::Subcategory:
        ok = m_item.DeleteSubcategory();
        break;
    case TreeLevel::Practise:
        ok = m_item.DeleteCurrent();
        break;
    }
    if (!ok) {
        // What could not be deleted stays listed and selected.
        refillAll();
        reportFailure(name);
        return;
    }
    const QStringList remaining = listOf(level);
    const int next = selectionAfterDelete(index, int(remaining.size()));
    m_item.setLevelValue(int(level), next >= 0 ? remaining.at(next) : QString());
    for (int lower = int(level) + 1; lower <= 2; ++lower)
        m_item.setLevelValue(lower, QString());
    refillAll();
}

void TFormEditPractises::copyPractise() {
    const QString current = m_item.name();
    if (current.isEmpty())
        return;
    // The copy is offered a name that is free, since the practise's own name always is not.
    const QString name = dialogs().getText(this, m_language, m_language.Text(LK("FormGetText")),
                                           TextPromptLayout::Name,
                                           freeCopyName(current, listOf(TreeLevel::Practise)));
    if (isBlank(name))
        return;
    const QString refusal = newNameRefusal(TreeLevel::Practise, name, listOf(TreeLevel::Practise),
                                           maxNameBytes(TreeLevel::Practise));
    if (!refusal.isEmpty()) {
        information(refusal);
        return;
    }
    const bool ok = m_item.CopyCurrent(name);
    if (ok)
        m_item.setName(name);
    refill(TreeLevel::Practise);
    if (!ok)
        reportFailure(current);
}

void TFormEditPractises::done() {
    const bool pending =
        !isBlank(m_first.practiseEdit->text()) || !isBlank(m_second.practiseEdit->text());
    if (pending && !dialogs().confirm(this, m_language.Text(LK("PractiseWasNotCreated"))))
        return;
    accept();
}

} // namespace korvex
