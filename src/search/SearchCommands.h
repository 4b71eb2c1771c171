#pragma once

#include <QObject>
#include <QPointer>

class TFilterForm;
class TVNH_DB_SearchForm;
class Workspace;

// The search and filter commands of the main window, with the search and
// filter windows they show. Created once; the windows keep their state
// between showings. Without an open database every command shows
// "Zuerst Datenbank öffnen!".
class SearchCommands : public QObject
{
    Q_OBJECT
public:
    explicit SearchCommands(Workspace &workspace);
    ~SearchCommands() override;

    // F3 and Ctrl+F in the grid: the search window on the current record.
    void Suchen1Click();
    // SearchTB, BitBtn4, BitBtn1: from the first record, the count afterwards.
    void SearchTBClick();
    // ToolButton2, BitBtn13 and the menu's Filter1: the filter window, then the count.
    void UniversalFilterTBClick();
    void Filter1Click();
    // The preset box: applies entry index of the open database's presets
    // and shows the count. False when nothing was applied.
    bool ComboBox1Change(int index);

    TVNH_DB_SearchForm *SearchForm() const;
    TFilterForm *FilterForm() const;

signals:
    // The search window asks for the editor on the found record.
    void editRecordRequested();
    void deleteRecordRequested();
    // The filter window switched the filter on or off.
    void filterSwitched(bool on);

private:
    Workspace &m_workspace;
    QPointer<TVNH_DB_SearchForm> m_search;
    QPointer<TFilterForm> m_filter;
};
