#pragma once

#include "letters/LetterTemplates.h"

#include <QPointer>
#include <QString>
#include <QStringList>

class QDialog;
class QWidget;
class Table;
class TGrussformelForm;
class TMailquestionsForm;
class TNoSendoraForm;
class TOpenOrNewForm;
class TVorlageWizzard;
class Workspace;

// The form-letter and e-mail commands of the main window, with the windows
// they show. Created once; the windows keep their state between showings.
// Store errors (TableError) leave the commands with the table unfiltered and
// displayed; the Workspace's guard around each command reports them.
class FormLetters
{
public:
    explicit FormLetters(Workspace &workspace);
    ~FormLetters();
    FormLetters(const FormLetters &) = delete;
    FormLetters &operator=(const FormLetters &) = delete;

    // "Serienbrief drucken" (MailBitBtn, BitBtn5, SerienEmailschreiben1, F2).
    void MailBitBtnClick();
    // "Serienbrief schreiben" (VorlageerstellenBitBtn, BitBtn12, Serienbrieferstellen1, F9).
    void VorlageerstellenBitBtnClick();
    // "Grußformel" (Grussormel1).
    void Grussormel1Click();
    // "Outlook mit der selektierten Email starten" (BitBtn11,
    // OutlookmitderselektiertenEmailstarten1, the grid's OutlookStarten).
    void OutlookEMailBitBtnClick();
    // "Serien E-Mail" (SerienmailBitBtn, BitBtn8, SerienEMail1).
    void SerienmailBitBtnClick();

    // Writes the merge data file; false (after a message) when it was not written.
    bool WriteMergeDataFile();
    // Data file, instructions window, template dialog, word processor.
    void StartFromTemplate(TemplateKind kind);
    // Data file, templates hidden, own-documents dialog, word processor.
    void OpenOwnLetter();

    // Marked records found by the last "Serienbrief drucken" check.
    int markedRecordCount() const { return m_markedCount; }
    QString mergeFilePath() const;

    TGrussformelForm *GrussformelForm() const;
    TOpenOrNewForm *OpenOrNewForm() const;
    TMailquestionsForm *MailquestionsForm() const;
    TVorlageWizzard *VorlageWizzard() const;
    TNoSendoraForm *NoSendoraForm() const;

private:
    int showModal(QDialog &dialog);
    // Opens a document with the program the desktop associates with it.
    void OpenDocument(const QString &path);

    Workspace &m_ws;
    int m_markedCount = 0;
    QPointer<TGrussformelForm> m_grussformel;
    QPointer<TOpenOrNewForm> m_openOrNew;
    QPointer<TMailquestionsForm> m_mailquestions;
    QPointer<TVorlageWizzard> m_vorlageWizzard;
    QPointer<TNoSendoraForm> m_noSendora;
};
