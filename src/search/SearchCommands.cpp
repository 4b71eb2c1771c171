#include "search/SearchCommands.h"

#include "app/Workspace.h"
#include "catalogue/MainDatabase.h"
#include "catalogue/Table.h"
#include "platform/UserInterface.h"
#include "search/FilterExpression.h"
#include "search/FilterForm.h"
#include "search/VNH_DB_SearchForm.h"

SearchCommands::SearchCommands(Workspace &workspace)
    : m_workspace(workspace), m_search(new TVNH_DB_SearchForm(workspace, workspace.dialogParent())),
      m_filter(new TFilterForm(workspace, workspace.dialogParent()))
{
    connect(m_search, &TVNH_DB_SearchForm::editRequested, this,
            &SearchCommands::editRecordRequested);
    connect(m_search, &TVNH_DB_SearchForm::deleteRequested, this,
            &SearchCommands::deleteRecordRequested);
    connect(m_filter, &TFilterForm::filterSwitched, this, &SearchCommands::filterSwitched);
}

SearchCommands::~SearchCommands()
{
    // Windows with a parent go with it; without one they are ours.
    if (m_search && !m_search->parent())
        delete m_search;
    if (m_filter && !m_filter->parent())
        delete m_filter;
}

void SearchCommands::Suchen1Click()
{
    if (!m_workspace.requireTable())
        return;
    m_search->setUpperGradient(Qt::white, QColor(0xC0, 0xC0, 0xC0));
    m_search->showModal();
}

void SearchCommands::SearchTBClick()
{
    Table *table = m_workspace.requireTable();
    if (!table || !m_workspace.run([table] { table->first(); }))
        return;
    Suchen1Click();
    if (m_workspace.table())
        m_workspace.showRecordCount();
}

void SearchCommands::UniversalFilterTBClick()
{
    if (!m_workspace.requireTable())
        return;
    m_filter->showModal();
    if (m_workspace.table())
        m_workspace.showRecordCount();
}

void SearchCommands::Filter1Click()
{
    UniversalFilterTBClick();
}

bool SearchCommands::ComboBox1Change(int index)
{
    Table *table = m_workspace.table();
    if (!table || index < 0)
        return false;
    const bool applied = m_workspace.run([&] {
        const WaitCursor wait(m_workspace.ui());
        ApplyPreset(*table, m_workspace.database().presetLines(), index);
    });
    if (applied)
        m_workspace.showRecordCount();
    return applied;
}

TVNH_DB_SearchForm *SearchCommands::SearchForm() const
{
    return m_search;
}

TFilterForm *SearchCommands::FilterForm() const
{
    return m_filter;
}
