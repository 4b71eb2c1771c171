#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QDialog;
class Shell;
class Table;
class UserInterface;

// What the search window needs from the main window. The windows live for
// the whole run while the open database changes, so the table is asked for
// each time; null means no database is open.
struct SearchContext
{
    std::function<Table *()> table = {};
    UserInterface &ui;
    // The main window's EditRecord and DeleteRecord on the current record.
    std::function<void()> editRecord = {};
    std::function<void()> deleteRecord = {};
    // Writes the count + " Datensätze" into StatusPanel.
    std::function<void(int)> showRecordCount = {};
    // Shows a dialog modally under the main window's rule for modal windows;
    // unset means QDialog::exec().
    std::function<void(QDialog &)> runModal = {};
};

// What the filter window and the preset box need from the main window.
struct FilterContext
{
    std::function<Table *()> table = {};
    UserInterface &ui;
    Shell &shell;
    // The lines of the open database's field definition file, header first.
    std::function<QStringList()> fieldDefinitionLines = {};
    std::function<void(int)> showRecordCount = {};
    // Sets the hint of the main window's button BitBtn13.
    std::function<void(const QString &)> setFilterButtonHint = {};
    // Full path of the product's main help page in the help folder.
    QString helpPage = {};
    std::function<void(QDialog &)> runModal = {};
};
