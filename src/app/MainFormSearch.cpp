// The search window, the filter window and the preset box of the main window.

#include "app/MainForm.h"
#include "catalogue/MainDatabase.h"
#include "search/FilterExpression.h"
#include "search/FilterForm.h"
#include "search/SearchForm.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

void MainForm::CreateSearchWindows()
{
    const auto table = [this] { return m_db->table(); };
    const auto showCount = [this](int n) {
        StatusPanel->setText(QString::number(n) + QStringLiteral(" Datensätze"));
    };
    const auto modal = [this](QDialog &dialog) {
        const ModalWindowRule rule(wheelTranslation());
        dialog.exec();
    };

    SearchContext search{.table = table, .ui = m_platform.ui};
    // "Bearbeiten (F4)" and "Löschen (F8)" act as the menu commands do.
    search.editRecord = [this] { EditRec->trigger(); };
    search.deleteRecord = [this] { DeleteRec->trigger(); };
    search.showRecordCount = showCount;
    search.runModal = modal;
    VNH_DB_SearchForm = new TVNH_DB_SearchForm(search, this);

    m_filterContext = std::make_unique<FilterContext>(
        FilterContext{.table = table, .ui = m_platform.ui, .shell = m_platform.shell});
    m_filterContext->fieldDefinitionLines = [this] { return m_db->fieldDefinitionLines(); };
    m_filterContext->showRecordCount = showCount;
    m_filterContext->setFilterButtonHint = [this](const QString &hint) {
        BitBtn13->setToolTip(hint);
    };
    m_filterContext->helpPage = m_folders.helpFolder + m_profile.helpPage;
    m_filterContext->runModal = modal;
    FilterForm = new TFilterForm(*m_filterContext, this);

    connect(Suchen1, &QAction::triggered, this, &MainForm::Suchen1Click);
    for (QWidget *w : std::initializer_list<QWidget *>{SearchTB, BitBtn4, BitBtn1}) {
        const auto run = [this] { runCommand([this] { SearchTBClick(*VNH_DB_SearchForm); }); };
        if (auto *tool = qobject_cast<QToolButton *>(w))
            connect(tool, &QToolButton::clicked, this, run);
        else
            connect(static_cast<QPushButton *>(w), &QPushButton::clicked, this, run);
    }
    const auto filter = [this] { runCommand([this] { UniversalFilterTBClick(*FilterForm); }); };
    connect(ToolButton2, &QToolButton::clicked, this, filter);
    connect(BitBtn13, &QPushButton::clicked, this, filter);
    connect(Filter1, &QAction::triggered, this,
            [this] { runCommand([this] { Filter1Click(*FilterForm); }); });
    connect(ComboBox1, &QComboBox::activated, this, [this](int index) {
        runCommand([&] { ComboBox1Change(*m_filterContext, m_db->presetLines(), index); });
    });
    BitBtn13->setToolTip(FilterButtonHint(false));
}

void MainForm::Suchen1Click()
{
    runCommand([this] { ::Suchen1Click(*VNH_DB_SearchForm); });
}
