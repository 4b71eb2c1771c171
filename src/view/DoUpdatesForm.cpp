#include "view/DoUpdatesForm.h"

TDoUpdatesForm::TDoUpdatesForm(MainDatabase &database) : m_database(database) {}

bool TDoUpdatesForm::ValidateRecord()
{
    // An address record is valid as the store accepts it.
    return true;
}

void TDoUpdatesForm::SetNewRecordDefaults(const QString &fieldName)
{
    // New addresses start empty apart from the mark, which the editor sets.
    Q_UNUSED(fieldName);
}
