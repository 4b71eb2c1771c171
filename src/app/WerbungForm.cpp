#include "app/WerbungForm.h"

#include "app/InfoForm.h"
#include "platform/UserInterface.h"
#include "util/ShellHelpers.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

WerbungForm::WerbungForm(Platform platform, const ProductProfile &profile,
                         const QString &pictureFolder, const QString &userDataFolder,
                         QWidget *parent)
    : QDialog(parent), m_platform(platform), m_userDataFolder(userDataFolder)
{
    setObjectName(QStringLiteral("WerbungForm"));
    setWindowTitle(QStringLiteral("Tipp"));

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(QPixmap(pictureFolder + profile.aboutPicture));

    TippLabel = new QLabel(
        QStringLiteral("<b>Tipp:</b> Sie möchten Ihre Adressen nicht nur anschreiben, sondern "
                       "ihnen auch eine persönliche E-Mail schicken?<br><br>"
                       "Mit dem Serien-E-Mail-Programm von VARNHOLT versenden Sie aus Ihren "
                       "Lorvane-Datenbanken Serien-E-Mails mit persönlicher Anrede, auf Wunsch "
                       "mit Anhängen. Mehr dazu und zu unseren weiteren Programmen:"),
        this);
    TippLabel->setObjectName(QStringLiteral("TippLabel"));
    TippLabel->setWordWrap(true);
    TippLabel->setTextFormat(Qt::RichText);

    LinkLabel = new QLabel(
        QStringLiteral("<a href=\"%1\">%1</a>").arg(profile.productPage.toHtmlEscaped()), this);
    LinkLabel->setObjectName(QStringLiteral("LinkLabel"));
    LinkLabel->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    LinkLabel->setCursor(Qt::PointingHandCursor);
    connect(LinkLabel, &QLabel::linkActivated, this,
            [this](const QString &address) { ShowWebPage(m_platform, address); });

    NoWerCheckBox = new QCheckBox(QStringLiteral("Tipp's nicht mehr anzeigen!"), this);
    NoWerCheckBox->setObjectName(QStringLiteral("NoWerCheckBox"));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBitBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *text = new QVBoxLayout;
    text->addWidget(TippLabel);
    text->addWidget(LinkLabel);
    text->addStretch();
    text->addWidget(NoWerCheckBox);
    auto *row = new QHBoxLayout;
    row->addWidget(picture, 0, Qt::AlignTop);
    row->addLayout(text, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setMinimumWidth(520);
}

void WerbungForm::done(int result)
{
    // Closing by the close box or Escape counts as well: the tick is what
    // the user asked for.
    if (NoWerCheckBox->isChecked())
        WriteNoWer();
    QDialog::done(result);
}

void WerbungForm::WriteNoWer()
{
    const QString path = m_userDataFolder + QStringLiteral("NoWer.ini");
    if (!m_userDataFolder.isEmpty() && QFile::exists(path))
        return;
    QString reason;
    if (m_userDataFolder.isEmpty()) {
        reason = QStringLiteral("Der Ordner für Benutzerdaten ist unbekannt.");
    } else if (!QDir().mkpath(m_userDataFolder)) {
        reason = QStringLiteral("Der Ordner %1 kann nicht angelegt werden.")
                     .arg(QDir::toNativeSeparators(m_userDataFolder));
    } else {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return;
        reason = file.errorString();
    }
    m_platform.ui.error(
        QStringLiteral("Die Einstellung „Tipp's nicht mehr anzeigen!“ konnte nicht gespeichert "
                       "werden:\n\n%1")
            .arg(reason));
}
