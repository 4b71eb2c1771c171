#pragma once

#include "app/ProductProfile.h"
#include "platform/Platform.h"

#include <QDialog>

class QLabel;

// The product information window: title, version, the about picture and
// links to the maker's pages.
class InfoForm : public QDialog
{
    Q_OBJECT
public:
    InfoForm(Platform platform, const ProductProfile &profile, const QString &pictureFolder,
             QWidget *parent = nullptr);

    QLabel *AboutImage = nullptr;
    QLabel *TitleLabel = nullptr;
    QLabel *VersionLabel = nullptr;
    QLabel *ProductLinkLabel = nullptr;
    QLabel *SerienmailLinkLabel = nullptr;

private:
    Platform m_platform;
};
