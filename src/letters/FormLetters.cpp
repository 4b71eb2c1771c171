#include "letters/FormLetters.h"

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

namespace {

const QString NoDatabase = QStringLiteral("Zuerst Datenbank öffnen!");

} // namespace

FormLetters::FormLetters(LettersContext context) : m_ctx(std::move(context))
{
    Platform &p = m_ctx.platform;
    QWidget *parent = m_ctx.parent;
    m_mailquestions = new TMailquestionsForm(
        p, m_ctx.wizardPicturePath, m_ctx.helpPagePath, [this] { return m_markedCount; }, parent);
    m_openOrNew = new TOpenOrNewForm(p, m_ctx.wizardPicturePath, m_ctx.helpPagePath, parent);
    m_grussformel = new TGrussformelForm(p, m_ctx.programFolder, m_ctx.helpPagePath, parent);
    m_noSendora = new TNoSendoraForm(p, m_ctx.serialMailPage, parent);
    m_vorlageWizzard = new TVorlageWizzard(p, m_ctx.wizardPicturePath, m_ctx.helpPagePath, parent);
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
    return m_ctx.mergeFilePath.isEmpty() ? MergeDataFilePath(m_ctx.platform.folders)
                                         : m_ctx.mergeFilePath;
}

Table *FormLetters::openTable() const
{
    Table *table = m_ctx.table ? m_ctx.table() : nullptr;
    return table && table->isOpen() ? table : nullptr;
}

int FormLetters::showModal(QDialog &dialog)
{
    return m_ctx.execModal ? m_ctx.execModal(dialog) : dialog.exec();
}

void FormLetters::MailBitBtnClick()
{
    Table *table = openTable();
    if (!table) {
        m_ctx.platform.ui.information(NoDatabase);
        return;
    }
    {
        WaitCursor wait(m_ctx.platform.ui);
        m_markedCount = CountMarkedRecords(*table);
    }
    if (m_markedCount == 0) {
        m_ctx.platform.ui.information(
            QStringLiteral("Keine Datensätze zum versenden markiert! \rKlicken Sie doppelt auf "
                           "die Spalte \"Selected\" um Datensätze zu markieren!"));
        return;
    }
    if (showModal(*m_mailquestions) == QDialog::Accepted)
        OpenOwnLetter();
}

void FormLetters::VorlageerstellenBitBtnClick()
{
    if (!openTable()) {
        m_ctx.platform.ui.information(NoDatabase);
        return;
    }
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
    Table *table = openTable();
    if (!table) {
        m_ctx.platform.ui.information(NoDatabase);
        return false;
    }
    const QStringList definitions =
        m_ctx.fieldDefinitionLines ? m_ctx.fieldDefinitionLines() : QStringList();
    return ::WriteMergeDataFile(*table, definitions, m_ctx.programFolder, mergeFilePath(),
                                m_ctx.platform.ui);
}

void FormLetters::OpenDocument(const QString &path)
{
    if (!m_ctx.platform.shell.open(path))
        m_ctx.platform.ui.plainMessage(QStringLiteral("Unable to start Word!"));
}

void FormLetters::StartFromTemplate(TemplateKind kind)
{
    const bool written = WriteMergeDataFile();
    const QString filter = TemplateFilter(kind);
    if (!written)
        return;
    if (showModal(*m_vorlageWizzard) != QDialog::Accepted)
        return;
    const QString path = m_ctx.platform.ui.openFileName(QStringLiteral("Vorlage öffnen"),
                                                        m_ctx.lettersFolder, filter);
    if (!path.isEmpty())
        OpenDocument(path);
}

void FormLetters::OpenOwnLetter()
{
    const bool written = WriteMergeDataFile();

    const QString catalogue = TemplateCataloguePath(m_ctx.lettersFolder);
    bool read = false;
    const QStringList templates = ReadLineFile(catalogue, &read);
    if (!read) {
        m_ctx.platform.ui.error(QStringLiteral("Die Vorlagenliste „%1“ kann nicht gelesen werden.")
                                    .arg(QDir::toNativeSeparators(catalogue)));
        return;
    }

    // The templates come back as read-only ".doc" files however this ends.
    const HiddenTemplates hidden(m_ctx.lettersFolder, templates);
    if (!HasWordDocuments(m_ctx.lettersFolder)) {
        m_ctx.platform.ui.information(QStringLiteral(
            "Keine Serienbriefe gefunden! Bitte schreiben Sie zuerst einen Serienbrief!"));
        return;
    }
    if (!written)
        return;
    const QString path = m_ctx.platform.ui.openFileName(QStringLiteral("Serienbrief öffnen"),
                                                        m_ctx.lettersFolder, OwnDocumentsFilter());
    if (!path.isEmpty())
        OpenDocument(path);
}

void FormLetters::OutlookEMailBitBtnClick()
{
    Table *table = openTable();
    if (!table) {
        m_ctx.platform.ui.information(NoDatabase);
        return;
    }
    const QString address = QStringLiteral("mailto:") +
                            AsciiLower(table->fieldByName(QStringLiteral("Mail")).asString());
    if (!m_ctx.platform.shell.open(address))
        m_ctx.platform.ui.plainMessage(QStringLiteral(
            "Unable to start mail client. Make sure you have it properly set-up on your system."));
}

void FormLetters::SerienmailBitBtnClick()
{
    const QString program = FindSerialMailProgram(m_ctx.platform.registry);
    if (program.isEmpty()) {
        if (showModal(*m_noSendora) == QDialog::Accepted)
            ShowWebPage(m_ctx.platform, m_ctx.serialMailPage);
        return;
    }
    if (!m_ctx.platform.shell.open(program))
        m_ctx.platform.ui.plainMessage(QStringLiteral(
            "Unable to start program! Make sure you have it properly set-up on your system!"));
}
