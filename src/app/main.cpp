#include "app/AppFolders.h"
#include "app/MainForm.h"
#include "app/ProductProfile.h"
#include "app/SystemInfo.h"
#include "platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The edition goes by the name the program was started under, which a
    // link may give it; the program folder is where the real file lives.
    const QString startedAs = argc > 0 ? QString::fromLocal8Bit(argv[0]) : QString();
    QApplication app(argc, argv);
    const QString programFolder = ProgramFolderOf(QCoreApplication::applicationDirPath());

    QtPlatform services;
    const SystemInfo system = SystemInfo::Compute(services.folders(), services.registry());
    const ProductProfile profile = ProductProfile::Compute(startedAs, programFolder);
    services.ui().setTitle(profile.title);

    MainForm form(services.platform(), profile, system, programFolder);
    if (form.endedAtStart())
        return 0;
    services.ui().setDialogParent(&form);
    form.show();
    return app.exec();
}
