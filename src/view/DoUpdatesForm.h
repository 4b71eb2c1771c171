#pragma once

#include <QString>

class MainDatabase;

// Holds the record editor's hooks: the check before a record is posted and
// the default values of a new record. Never shown. The address tables of
// this program have neither rules nor defaults of their own; tables of other
// kinds would add theirs here, keyed by the open table.
class TDoUpdatesForm
{
public:
    explicit TDoUpdatesForm(MainDatabase &database);

    // True lets the editor post the record being edited or entered.
    bool ValidateRecord();
    // Called for each combo box or edit row while a new record is built.
    void SetNewRecordDefaults(const QString &fieldName);

    MainDatabase &database() const { return m_database; }

private:
    MainDatabase &m_database;
};
