// The form-letter and e-mail commands of the main window.

#include "app/MainForm.h"
#include "catalogue/MainDatabase.h"
#include "letters/FormLetters.h"

#include <QAction>
#include <QPushButton>

void MainForm::CreateLetterWindows()
{
    m_letters = std::make_unique<FormLetters>(LettersContext{
        .platform = m_platform,
        .parent = this,
        .table = [this] { return m_db->table(); },
        .fieldDefinitionLines = [this] { return m_db->fieldDefinitionLines(); },
        .programFolder = m_folders.programFolder,
        .lettersFolder = m_folders.lettersFolder,
        .wizardPicturePath = m_folders.pictureFolder + m_profile.wizardPicture,
        .helpPagePath = m_folders.helpFolder + m_profile.helpPage,
        .serialMailPage = m_profile.serialMailPage,
    });

    // The wizards and the greeting window follow the rule for modal windows;
    // the guard spans the file dialogs they open as well.
    const auto modal = [this](void (FormLetters::*command)()) {
        return [this, command] {
            const ModalWindowRule rule(wheelTranslation());
            runCommand([&] { (m_letters.get()->*command)(); });
        };
    };
    const auto plain = [this](void (FormLetters::*command)()) {
        return [this, command] { runCommand([&] { (m_letters.get()->*command)(); }); };
    };
    for (QAction *a : {SerienEmailschreiben1})
        connect(a, &QAction::triggered, this, modal(&FormLetters::MailBitBtnClick));
    for (QPushButton *b : {BitBtn5, MailBitBtn})
        connect(b, &QPushButton::clicked, this, modal(&FormLetters::MailBitBtnClick));
    for (QAction *a : {Serienbrieferstellen1})
        connect(a, &QAction::triggered, this, modal(&FormLetters::VorlageerstellenBitBtnClick));
    for (QPushButton *b : {BitBtn12, VorlageerstellenBitBtn})
        connect(b, &QPushButton::clicked, this, modal(&FormLetters::VorlageerstellenBitBtnClick));
    connect(Grussormel1, &QAction::triggered, this, modal(&FormLetters::Grussormel1Click));
    for (QAction *a : {OutlookmitderselektiertenEmailstarten1, OutlookStarten})
        connect(a, &QAction::triggered, this, plain(&FormLetters::OutlookEMailBitBtnClick));
    connect(BitBtn11, &QPushButton::clicked, this, plain(&FormLetters::OutlookEMailBitBtnClick));
    connect(SerienEMail1, &QAction::triggered, this, plain(&FormLetters::SerienmailBitBtnClick));
    for (QPushButton *b : {BitBtn8, SerienmailBitBtn})
        connect(b, &QPushButton::clicked, this, plain(&FormLetters::SerienmailBitBtnClick));
}
