// The database commands of the main window: the chooser in open and delete mode.

#include "app/MainForm.h"
#include "catalogue/MainDatabase.h"
#include "catalogue/SelectDatabaseForm.h"

namespace {

SelectDatabaseForm &chooser(MainForm &form, SelectDatabaseForm *&slot)
{
    if (!slot)
        slot = new SelectDatabaseForm(form.database(), form.platform().ui, &form);
    return *slot;
}

} // namespace

void MainForm::OpenModeClick()
{
    SelectDatabaseForm &select = chooser(*this, SelectDatabaseForm1);
    select.setMode(SelectDatabaseForm::Mode::Open);
    bool chosen = false;
    {
        const ModalWindowRule rule(wheelTranslation());
        chosen = select.exec() == QDialog::Accepted;
    }
    // A cancelled chooser opens nothing and writes nothing.
    if (!chosen || select.chosenName().isEmpty())
        return;
    runCommand([&] {
        database().WriteLastOpened(select.chosenName());
        database().OpenDatabase(select.chosenName());
    });
}

void MainForm::Datenbanklschen2Click()
{
    SelectDatabaseForm &select = chooser(*this, SelectDatabaseForm1);
    select.setMode(SelectDatabaseForm::Mode::Delete);
    const ModalWindowRule rule(wheelTranslation());
    select.exec();
}
