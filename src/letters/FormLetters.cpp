#include "letters/FormLetters.h"

#include "app/Workspace.h"
#include "catalogue/MainDatabase.h"
#include "catalogue/Table.h"
#include "letters/GrussformelForm.h"
#include "letters/MailquestionsForm.h"
#include "letters/MergeDataFile.h"
#include "letters/NoSendoraForm.h"
#include "letters/OpenOrNewForm.h"
#include "letters/SerialMail.h"
#include "letters/VorlageWizzard.h"
#include "platform/Shell.h"
#include "platform/UserInterface.h"
#include "util/LineFile.h"
#include "util/ShellHelpers.h"
#include "util/TextCase.h"

#include <QDir>

FormLetters::FormLetters(Workspace &workspace) : m_ws(workspace)
{
    Platform &p = m_ws.platform();
    QWidget *parent = m_ws.dialogParent();
    const QString picture = m_ws.wizardPicturePath();
    const QString help = m_ws.helpPagePath();
    m_mailquestions = new TMailquestionsForm(
        p, picture, help, [this] { return m_markedCount; }, parent);
    m_openOrNew = new TOpenOrNewForm(p, picture, help, parent);
    m_grussformel = new TGrussformelForm(p, m_ws.folders().programFolder, help, parent);
    m_noSendora = new TNoSendoraForm(p, m_ws.profile().serialMailPage, parent);
    m_vorlageWizzard = new TVorlageWizzard(p, picture, help, parent);
}

FormLetters::~FormLetters()
{
    // Windows with a parent go with it; without one they are ours.
    const QList<QDialog *> windows = {m_mailquestions, m_openOrNew, m_grussformel, m_noSendora,
                                      m_vorlageWizzard};
    for (QDialog *window : windows) {
        if (window && !window->parent())
            delete window;
    }
}

TGrussformelForm *FormLetters::GrussformelForm() const
{
    return m_grussformel;
}

TOpenOrNewForm *FormLetters::OpenOrNewForm() const
{
    return m_openOrNew;
}

TMailquestionsForm *FormLetters::MailquestionsForm() const
{
    return m_mailquestions;
}

TVorlageWizzard *FormLetters::VorlageWizzard() const
{
    return m_vorlageWizzard;
}

TNoSendoraForm *FormLetters::NoSendoraForm() const
{
    return m_noSendora;
}

QString FormLetters::mergeFilePath() const
{
    return MergeDataFilePath(m_ws.platform().folders);
}

int FormLetters::showModal(QDialog &dialog)
{
    return m_ws.execModal(dialog);
}

void FormLetters::MailBitBtnClick()
{
    // The rule spans the file dialogs the wizards lead to.
    const ModalWindowRule rule(m_ws.wheelTranslation());
    Table *table = m_ws.requireTable();
    if (!table)
        return;
    {
        WaitCursor wait(m_ws.ui());
        m_markedCount = CountMarkedRecords(*table);
    }
    if (m_markedCount == 0) {
        m_ws.ui().information(
            QStringLiteral("Keine Datensätze zum versenden markiert! \rKlicken Sie doppelt auf "
                           "die Spalte \"Selected\" um Datensätze zu markieren!"));
        return;
    }
    if (showModal(*m_mailquestions) == QDialog::Accepted)
        OpenOwnLetter();
}

void FormLetters::VorlageerstellenBitBtnClick()
{
    const ModalWindowRule rule(m_ws.wheelTranslation());
    if (!m_ws.requireTable())
        return;
    if (showModal(*m_openOrNew) != QDialog::Accepted)
        return;
    const std::optional<TOpenOrNewForm::Choice> choice = m_openOrNew->choice();
    if (!choice)
        return;
    if (const std::optional<TemplateKind> kind = TOpenOrNewForm::templateKind(*choice))
        StartFromTemplate(*kind);
    else
        OpenOwnLetter();
}

void FormLetters::Grussormel1Click()
{
    showModal(*m_grussformel);
}

bool FormLetters::WriteMergeDataFile()
{
    Table *table = m_ws.requireTable();
    if (!table)
        return false;
    return ::WriteMergeDataFile(*table, m_ws.database().fieldDefinitionLines(),
                                m_ws.folders().programFolder, mergeFilePath(), m_ws.ui());
}

void FormLetters::OpenDocument(const QString &path)
{
    if (!m_ws.platform().shell.open(path))
        m_ws.ui().plainMessage(QStringLiteral("Unable to start Word!"));
}

void FormLetters::StartFromTemplate(TemplateKind kind)
{
    const bool written = WriteMergeDataFile();
    const QString filter = TemplateFilter(kind);
    if (!written)
        return;
    if (showModal(*m_vorlageWizzard) != QDialog::Accepted)
        return;
    const QString path = m_ws.ui().openFileName(QStringLiteral("Vorlage öffnen"),
                                                m_ws.folders().lettersFolder, filter);
    if (!path.isEmpty())
        OpenDocument(path);
}

void FormLetters::OpenOwnLetter()
{
    const bool written = WriteMergeDataFile();

    const QString catalogue = TemplateCataloguePath(m_ws.folders().lettersFolder);
    bool read = false;
    const QStringList templates = ReadLineFile(catalogue, &read);
    if (!read) {
        m_ws.ui().error(QStringLiteral("Die Vorlagenliste „%1“ kann nicht gelesen werden.")
                            .arg(QDir::toNativeSeparators(catalogue)));
        return;
    }

    // The templates come back as read-only ".doc" files however this ends.
    const HiddenTemplates hidden(m_ws.folders().lettersFolder, templates);
    if (!HasWordDocuments(m_ws.folders().lettersFolder)) {
        m_ws.ui().information(QStringLiteral(
            "Keine Serienbriefe gefunden! Bitte schreiben Sie zuerst einen Serienbrief!"));
        return;
    }
    if (!written)
        return;
    const QString path = m_ws.ui().openFileName(QStringLiteral("Serienbrief öffnen"),
                                                m_ws.folders().lettersFolder, OwnDocumentsFilter());
    if (!path.isEmpty())
        OpenDocument(path);
}

void FormLetters::OutlookEMailBitBtnClick()
{
    Table *table = m_ws.requireTable();
    if (!table)
        return;
    const QString address = QStringLiteral("mailto:") +
                            AsciiLower(table->fieldByName(QStringLiteral("Mail")).asString());
    if (!m_ws.platform().shell.open(address))
        m_ws.ui().plainMessage(QStringLiteral(
            "Unable to start mail client. Make sure you have it properly set-up on your system."));
}

void FormLetters::SerienmailBitBtnClick()
{
    const QString program = FindSerialMailProgram(m_ws.platform().registry);
    if (program.isEmpty()) {
        if (m_ws.execKeepingWheel(*m_noSendora) == QDialog::Accepted)
            ShowWebPage(m_ws.platform(), m_ws.profile().serialMailPage);
        return;
    }
    if (!m_ws.platform().shell.open(program))
        m_ws.ui().plainMessage(QStringLiteral(
            "Unable to start program! Make sure you have it properly set-up on your system!"));
}
