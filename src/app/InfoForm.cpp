#include "app/InfoForm.h"

#include "platform/UserInterface.h"
#include "util/ShellHelpers.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *linkLabel(const QString &name, const QString &address, QWidget *parent)
{
    auto *label =
        new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped()), parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setOpenExternalLinks(false); // through the browser rule of the shell helpers
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

InfoForm::InfoForm(Platform platform, const ProductProfile &profile, const QString &pictureFolder,
                   QWidget *parent)
    : QDialog(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("InfoForm"));
    setWindowTitle(QStringLiteral("Info"));

    AboutImage = new QLabel(this);
    AboutImage->setObjectName(QStringLiteral("AboutImage"));
    AboutImage->setPixmap(QPixmap(pictureFolder + profile.aboutPicture));

    TitleLabel = new QLabel(profile.title, this);
    TitleLabel->setObjectName(QStringLiteral("TitleLabel"));
    QFont big = TitleLabel->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    TitleLabel->setFont(big);

    VersionLabel = new QLabel(
        profile.version.isEmpty() ? QString() : QStringLiteral("Version ") + profile.version, this);
    VersionLabel->setObjectName(QStringLiteral("VersionLabel"));

    auto *productText = new QLabel(
        QStringLiteral("Neuigkeiten und Updates finden Sie auf unserer Produktseite:"), this);
    ProductLinkLabel = linkLabel(QStringLiteral("ProductLinkLabel"), profile.productPage, this);
    auto *mailText = new QLabel(
        QStringLiteral("Serien-E-Mails versenden Sie mit unserem Serien-E-Mail-Programm:"), this);
    SerienmailLinkLabel =
        linkLabel(QStringLiteral("SerienmailLinkLabel"), profile.serialMailPage, this);
    for (QLabel *link : {ProductLinkLabel, SerienmailLinkLabel})
        connect(link, &QLabel::linkActivated, this,
                [this](const QString &address) { ShowWebPage(m_platform, address); });

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBitBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *text = new QVBoxLayout;
    text->addWidget(TitleLabel);
    text->addWidget(VersionLabel);
    text->addSpacing(12);
    text->addWidget(productText);
    text->addWidget(ProductLinkLabel);
    text->addSpacing(6);
    text->addWidget(mailText);
    text->addWidget(SerienmailLinkLabel);
    text->addStretch();
    text->addWidget(new QLabel(QStringLiteral("© VARNHOLT"), this));

    auto *row = new QHBoxLayout;
    row->addWidget(AboutImage, 0, Qt::AlignTop);
    row->addLayout(text, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}
